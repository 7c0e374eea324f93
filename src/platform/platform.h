// The one seam between Morvik's portable logic and the operating system.
// Windows builds link platform/win32/*.cpp; the native unit tests link the
// scripted fake in tests/fake/. Handles are 32-bit values, as in the binary
// recording formats; 0 means "none".
#pragma once

#include <cstddef>
#include <cstdint>

// Message-box bits and answers used by the portable code.
enum : uint32_t {
  kMbOk = 0x0,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbIconStop = 0x10,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
  kMbUserIcon = 0x80,
  kMbSystemModal = 0x1000,
  kMbTaskModal = 0x2000,
  kMbTopmost = 0x40000,
};
enum : int { kIdOk = 1, kIdCancel = 2, kIdYes = 6, kIdNo = 7 };

// Registry roots as the settings store numbers them.
enum : int { kRootClassesRoot = 1, kRootCurrentUser = 2, kRootLocalMachine = 3, kRootUsers = 4 };
// Registry value types.
enum : uint32_t { kRegSz = 1, kRegExpandSz = 2, kRegBinary = 3, kRegDword = 4 };
// Results of the registry calls.
enum : int { kRegOk = 0, kRegNoKey = 1, kRegFailed = 2 };

// Window show commands.
enum : int {
  kShowHide = 0,
  kShowNormal = 1,
  kShowMinimized = 2,
  kShowMinimize = 6,
  kShowRestore = 9
};
// Messages the portable code sends to the main window.
enum : uint32_t { kWindowClose = 0x10, kWindowCommand = 0x111, kWindowTimer = 0x113 };

struct PlatformTime {
  uint16_t year, month, dayOfWeek, day, hour, minute, second, milliseconds;
};

// Memory. Storage of the subsystems' state records; 0 on failure.
void* PlatformAllocate(size_t bytes);
void PlatformFree(void* block);

// Time.
uint32_t PlatformTickCount();
void PlatformLocalTime(PlatformTime* time);
void PlatformSleep(uint32_t milliseconds);

// Message box without owner window; returns the button pressed (kIdOk...).
// With kMbUserIcon the program's own icon is shown.
int PlatformMessageBox(const char* text, const char* caption, uint32_t style);

// The text of the calling thread's last error; returns the length, 0 when
// the system has no text for it.
int PlatformLastErrorText(char* buffer, int size);

// The running program's file path; returns its length (0 on failure).
int PlatformModuleFileName(char* buffer, int size);

// Screen.
int PlatformScreenWidth();
int PlatformScreenHeight();

// Top-level windows.
uint32_t PlatformFindWindowByClass(const char* className);
bool PlatformIsWindowVisible(uint32_t window);
bool PlatformIsWindowMinimized(uint32_t window);
void PlatformShowWindow(uint32_t window, int showCommand);
void PlatformSetForegroundWindow(uint32_t window);

// Common Open (save false) or Save (save true) dialog. `buffer` holds the
// proposed name and receives the chosen path (at most size-1 characters).
// `filter` is pairs of NUL-terminated description and pattern, ended by an
// empty string; `filterIndex` (1-based) is the pair chosen before and after.
// Returns true when the user chose a file.
bool PlatformFileDialog(uint32_t owner, bool save, char* buffer, int size, const char* filter,
                        int* filterIndex);

// Registry. Paths are key paths below the root ("SOFTWARE\\Morvik").
// Query: `size` gives the room in `data` and receives the stored size.
int PlatformRegQuery(int root, const char* keyPath, const char* name, uint32_t* type, void* data,
                     uint32_t* size);
// Create a key (and the keys above it) when missing.
int PlatformRegCreateKey(int root, const char* keyPath);
// Set: opens the key, creating it when missing.
int PlatformRegSet(int root, const char* keyPath, const char* name, uint32_t type, const void* data,
                   uint32_t size);
// Delete a value: kRegNoKey when the key is missing, kRegFailed when the
// key exists but the value could not be deleted.
int PlatformRegDeleteValue(int root, const char* keyPath, const char* name);
// Delete a key (that has no subkeys) given by its full path.
int PlatformRegDeleteKey(int root, const char* keyPath);

// The main window, set when it is created; menu calls act on its menu bar.
void PlatformSetMainWindow(uint32_t window);
uint32_t PlatformMainWindow();
void PlatformEnableMenuCommand(uint32_t command, bool enabled);
void PlatformCheckMenuCommand(uint32_t command, bool checked);
void PlatformSetMainTitle(const char* title);
bool PlatformIsMainWindowVisible();
void PlatformShowMainWindow(int showCommand);
// Messages to the main window: sent (the call returns after its handling)
// or posted.
uint32_t PlatformSendMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam);
void PlatformPostMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam);

// Journal hooks: recording and playback through the journal protocol. The
// record passed to a procedure has the EventRecord layout (five 32-bit
// fields: message, paramL, paramH, time, hwnd).
enum : int { kHcAction = 0, kHcGetNext = 1, kHcSkip = 2, kHcSysModalOn = 4, kHcSysModalOff = 5 };
struct EventRecord;
typedef int32_t (*JournalProc)(int code, uint32_t wParam, EventRecord* event);
// Installs the playback (record false) or record procedure; returns the
// hook's handle, 0 when the system refuses it.
uint32_t PlatformInstallJournalHook(bool record, JournalProc procedure);
bool PlatformRemoveJournalHook(uint32_t hook);
int32_t PlatformCallNextHook(uint32_t hook, int code, uint32_t wParam, EventRecord* event);

// Keyboard input and state. Every key Morvik sends carries its marker, so
// its own hooks can tell it from the user's.
enum : uint32_t { kKeyExtended = 1, kKeyUp = 2 };
void PlatformKeybdEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags);
bool PlatformGetKeyboardState(uint8_t state[256]);
void PlatformSetKeyboardState(const uint8_t state[256]);

// The platform id, major and minor version and build of the system.
void PlatformVersion(int32_t* platformId, int32_t* major, int32_t* minor, int32_t* build);

// Programs and windows for script commands.
// Starts a command line (no application name, shown as the system chooses);
// false when it cannot be started. Returns once the new process is seen
// running or has already ended.
bool PlatformStartProcess(const char* commandLine);
// Calls `visit` for every top-level window, visible or not, in the
// system's order, with at most 127 characters of its title, until `visit`
// returns false.
typedef bool (*WindowVisitor)(uint32_t window, const char* title, void* context);
void PlatformEnumWindows(WindowVisitor visit, void* context);
// Restores a minimised window (or shows one without activating it), brings
// it to the top and gives it the foreground and the focus.
void PlatformActivateWindow(uint32_t window);
bool PlatformWindowRect(uint32_t window, int32_t* left, int32_t* top, int32_t* right,
                        int32_t* bottom);
uint32_t PlatformForegroundWindow();
bool PlatformIsMainWindowMinimized();

// Registry subkeys. The name of subkey `index` (0-based) of a key, at most
// size-1 characters: kRegNoKey when the key is missing, kRegFailed when
// there is no such subkey or its name does not fit.
int PlatformRegEnumKey(int root, const char* keyPath, uint32_t index, char* name, uint32_t size);

// Combo boxes of dialogs, named by the dialog and the control id.
void PlatformComboReset(uint32_t dialog, int control);
// Adds an entry at the end of the list.
void PlatformComboAdd(uint32_t dialog, int control, const char* text);
int PlatformComboCount(uint32_t dialog, int control);
// Length of entry `index`; -1 when there is none.
int PlatformComboTextLength(uint32_t dialog, int control, int index);
// Width in pixels of `text` drawn in the combo box's font.
int PlatformComboTextWidth(uint32_t dialog, int control, const char* text);
void PlatformComboSetDropWidth(uint32_t dialog, int control, int width);
// Width in pixels of a vertical scroll bar.
int PlatformScrollBarWidth();

// Items of a window's menu bar, by pop-up menu and position (0-based).
// Number of pop-ups; -1 when the window has no menu.
int PlatformMenuPopupCount(uint32_t window);
int PlatformMenuItemCount(uint32_t window, int popup);
// The item's command id; 0 for separators and sub-menus.
uint32_t PlatformMenuItemId(uint32_t window, int popup, int position);
// Inserts an enabled item at `position`: a text item, or a separator when
// the text is empty or the command 0. Returns non-zero on success.
int PlatformMenuInsertItem(uint32_t window, int popup, int position, uint32_t command,
                           const char* text);
// Deletes the item at `position`; returns non-zero on success.
int PlatformMenuDeleteItem(uint32_t window, int popup, int position);

// True when the window belongs to Morvik itself: the main window, the
// windows inside it, its menus.
bool PlatformIsOwnWindow(uint32_t window);

// Files beyond C stdio. Moves the file `source` to the name `target` in
// the same folder, replacing a file of that name in one step; false when
// that fails, and then both files are as they were.
bool PlatformReplaceFile(const char* source, const char* target);
