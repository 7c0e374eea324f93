// The program's entry: run mode, single instance, state, settings, the main
// window, and the message loop.
#include <windows.h>

#include <cstring>

#include "app/app_state.h"
#include "app/file_commands.h"
#include "app/file_helpers.h"
#include "platform/platform.h"
#include "platform/win32/journal_driver.h"
#include "platform/win32/win_handles.h"
#include "playback/playback_state.h"
#include "recording/image_length.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "shared/log.h"

AppState gApp;

namespace {

constexpr char kClassName[] = "Morvik";
constexpr int kWindowWidth = 251;
constexpr int kWindowHeight = 235;

RunMode DecideOwnRunMode(const char* commandLine) {
  char path[kFileNameSize];
  PlatformModuleFileName(path, sizeof path);
  RunMode mode = DecideRunMode(FileSizeOf(path), ImageLength(), commandLine);
  if (mode == kRunSelfPlaying) strcpy(gRecording.fileName, path);
  return mode;
}

// A second Normal start brings the first window forward and ends.
bool ForwardToRunningInstance() {
  uint32_t existing = PlatformFindWindowByClass(kClassName);
  if (existing == 0 || gRunMode != kRunNormal) return false;
  if (!PlatformIsWindowVisible(existing)) {
    PlatformShowWindow(existing, kShowNormal);
  } else if (PlatformIsWindowMinimized(existing)) {
    PlatformShowWindow(existing, kShowRestore);
  }
  PlatformSetForegroundWindow(existing);
  return true;
}

bool RegisterMainClass() {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = gApp.instance;
  wc.hIcon = static_cast<HICON>(
      LoadImageA(gApp.instance, MAKEINTRESOURCEA(IDI_MORVIK), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  wc.hIconSm = static_cast<HICON>(LoadImageA(gApp.instance, MAKEINTRESOURCEA(IDI_MORVIK),
                                             IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_MAIN_MENU);
  wc.lpszClassName = kClassName;
  return RegisterClassExA(&wc) != 0;
}

// The stored position, or the system's default when it lies off screen.
void WindowPosition(int* x, int* y) {
  gSettings.left = ReadMorvikNumber("Left", -99);
  gSettings.top = ReadMorvikNumber("Top", 0);
  *x = gSettings.left;
  *y = gSettings.top;
  if (*x <= -5 || *x >= PlatformScreenWidth() || *y <= -5 || *y >= PlatformScreenHeight()) {
    *x = CW_USEDEFAULT;
    *y = CW_USEDEFAULT;
  }
}

HWND CreateMainWindow() {
  int x, y;
  WindowPosition(&x, &y);
  return CreateWindowExA(0, kClassName, "Morvik",
                         WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y,
                         kWindowWidth, kWindowHeight, nullptr, nullptr, gApp.instance, nullptr);
}

// A CommandLine or SelfPlaying run: take the file and options, load it and
// play it; false when the load failed (it showed its message).
bool StartInvisibleRun(const char* commandLine) {
  if (commandLine[0] != '\0') ApplyCommandLine(commandLine, gRecording.fileName);
  if (LoadRecording() < 0) return false;
  uint8_t keys[256] = {};
  PlatformSetKeyboardState(keys);
  gPlayback.loopsCompleted = 0;
  PostMessageA(gApp.mainWindow, WM_COMMAND, ID_PLAY, 0);
  return true;
}

void ShowMainWindow() {
  ShowWindow(gApp.mainWindow, gApp.showCommand);
  UpdateWindow(gApp.mainWindow);
  if (gSettings.topmost)
    SetWindowPos(gApp.mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace

int SelectedTabNumber() { return gSettings.lastTab; }

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int showCommand) {
  gApp.instance = instance;
  gApp.showCommand = showCommand;
  gRecording.fileName[0] = '\0';
  gRunMode = DecideOwnRunMode(commandLine);
  JournalDriverInit();
  if (ForwardToRunningInstance()) return 0;
  if (!AllocateRecording()) return 0;
  LoadSettings();
  // LastTab belongs to the main panel; until it exists the stored value is
  // kept as it is.
  gSettings.lastTab = ReadMorvikNumber("LastTab", 1);
  if (gSettings.log >= kLogHigh && commandLine[0] != '\0') {
    WriteLogLine(gSettings.logfile, "Command Line: [%s]", commandLine);
  }
  if (!RegisterMainClass()) return 0;
  gApp.mainWindow = CreateMainWindow();
  if (gApp.mainWindow == nullptr) return 0;
  // The action table and the stop key, as the main panel fills them when
  // it is created.
  ListMappings(kListTables, 0, 0, gMappings.action, nullptr, nullptr, nullptr);
  if (gRunMode != kRunNormal && !StartInvisibleRun(commandLine)) return 0;
  if (gRunMode == kRunNormal) ShowMainWindow();
  ReopenLastFile(&gApp.skipOpenDialog);
  gApp.accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
  return RunMainLoop();
}
