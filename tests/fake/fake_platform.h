// A scripted fake of the platform seam for the unit tests: it records every
// call and answers from a script the test sets up.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct FakeMessageBox {
  std::string text;
  std::string caption;
  uint32_t style;
};

struct FakeRegValue {
  uint32_t type;
  std::vector<unsigned char> data;
};

struct FakeRegKey {
  std::string path;                            // as first created, for listing
  std::map<std::string, FakeRegValue> values;  // by lower-cased name
  std::map<std::string, std::string> names;    // lower-cased name -> name as written
};

struct FakeDialogAnswer {
  bool chosen;
  std::string path;
  int filterIndex;  // 0 keeps the index the caller proposed
};

struct FakeDialogCall {
  bool save;
  std::string proposal;
  std::string filter;  // the pairs joined with '|'
  int filterIndex;
};

struct FakeMessage {
  uint32_t message, wParam, lParam;
};

struct FakeKeyEvent {
  uint8_t virtualKey, scanCode;
  uint32_t flags;
};

struct FakeTopWindow {
  uint32_t handle;
  std::string title;
  int32_t left, top, right, bottom;
};

struct FakeMenuItem {
  uint32_t command;
  std::string text;
};

struct FakeWindow {
  uint32_t handle;
  std::string className;
  bool visible;
  bool minimized;
};

struct FakePlatform {
  // Message boxes shown, and the answers to give (kIdOk when none is queued).
  std::vector<FakeMessageBox> messageBoxes;
  std::deque<int> messageBoxAnswers;
  // Memory: the allocation with this 1-based number fails (0: none fails).
  // Blocks handed out are filled with kFakeGarbage, so code that relies on
  // fresh memory being zero shows it.
  int failAllocation;
  int allocations;
  uint32_t tickCount;
  PlatformTime localTime;
  std::string lastErrorText;
  std::string moduleFileName;
  // What ImageLength() answers: the length of the program image.
  uint32_t imageLength;
  int screenWidth, screenHeight;
  // Registry: keys by lower-cased "root\\path".
  std::map<std::string, FakeRegKey> registry;
  std::deque<FakeDialogAnswer> dialogAnswers;
  std::vector<FakeDialogCall> dialogCalls;
  std::vector<FakeWindow> windows;
  std::vector<std::string> windowCalls;  // "show 5 9", "foreground 5"
  // The main window and the states its menu commands were given.
  uint32_t mainWindow;
  std::map<uint32_t, bool> menuEnabled;
  std::map<uint32_t, bool> menuChecked;
  std::vector<std::string> titles;
  bool mainVisible;
  std::vector<int> mainShowCommands;
  std::vector<FakeMessage> sent, posted;
  // Runs for every message sent to the main window, so a test can act as
  // the window procedure.
  std::function<void(uint32_t, uint32_t, uint32_t)> onSend;
  // Journal hooks: the one installed (0: none) and its procedure.
  uint32_t journalHook;
  bool journalRecord;
  JournalProc journalProc;
  uint32_t nextJournalHook;
  bool refuseJournalHook;  // the next installation fails
  int journalRemovals;
  int callNextHook;  // calls passed on
  std::vector<FakeKeyEvent> keyEvents;
  uint8_t keyboardState[256];
  bool keyboardStateSet;
  int32_t platformId, majorVersion, minorVersion, build;
  // Programs started, and whether starting them works.
  std::vector<std::string> startedPrograms;
  bool failStartProgram;
  // Windows seen by the window search, in order, with their rectangles.
  std::vector<FakeTopWindow> topWindows;
  // Searches made; after this many the window list is changed by
  // `appearAfterSearches` (0: never).
  int windowSearches;
  int appearAfterSearches;
  FakeTopWindow appearing;
  std::vector<uint32_t> activated;
  uint32_t foregroundWindow;
  bool mainMinimized;
  std::vector<uint32_t> ownWindows;  // windows of Morvik itself
  // Combo boxes by (dialog, control): their entries, and the drop-down
  // width last set. Text measures textCharWidth pixels a character.
  std::map<std::pair<uint32_t, int>, std::vector<std::string>> comboTexts;
  std::map<std::pair<uint32_t, int>, int> comboDropWidths;
  int textCharWidth = 6;
  int scrollBarWidth = 17;
  // The menu bar of menuWindow (other windows have none): its pop-ups with
  // their items. Separators and sub-menus have command 0.
  uint32_t menuWindow;
  std::vector<std::vector<FakeMenuItem>> menuBar;
};

extern FakePlatform gFake;

constexpr unsigned char kFakeGarbage = 0xA5;

// Empties every script and record and sets the defaults.
void ResetFakePlatform();

// Registry helpers for the tests (path below HKEY_CURRENT_USER unless a
// root is given).
void FakeSetNumber(const std::string& keyPath, const std::string& name, uint32_t value);
void FakeSetText(const std::string& keyPath, const std::string& name, const std::string& text,
                 uint32_t type = kRegSz);
bool FakeHasKey(const std::string& keyPath, int root = kRootCurrentUser);
// The stored value, or nullptr.
const FakeRegValue* FakeValue(const std::string& keyPath, const std::string& name,
                              int root = kRootCurrentUser);
uint32_t FakeNumber(const std::string& keyPath, const std::string& name);
std::string FakeText(const std::string& keyPath, const std::string& name);
// The names of the key's values as they were written, sorted.
std::vector<std::string> FakeValueNames(const std::string& keyPath, int root = kRootCurrentUser);
