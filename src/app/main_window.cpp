// The main window's procedure: creation, closing and the commands that
// exist so far.
#include <windows.h>

#include "app/app_state.h"
#include "platform/platform.h"
#include "platform/win32/win_handles.h"
#include "resource_ids.h"
#include "settings/settings.h"
#include "shared/log.h"

namespace {

constexpr char kLogQuestion[] =
    "The Morvik LOG is currently active.  This setting can negatively affect your computer's "
    "performance.\n\nDo you want to reset the log to OFF?";

bool AutoStartIsOn() {
  char path[kSettingTextSize];
  ReadSetting(kRootCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Morvik", kSettingText, path, 0);
  return path[0] != '\0';
}

LRESULT OnCreate(HWND window) {
  gApp.mainWindow = window;
  PlatformSetMainWindow(FromHwnd(window));
  if (gApp.runMode != kRunNormal) return 0;
  SetWindowTextA(window, "Morvik");
  PlatformCheckMenuCommand(ID_SHOW_TABS, gSettings.showTabs != 0);
  PlatformCheckMenuCommand(ID_AUTOSTART, AutoStartIsOn());
  if (gSettings.log >= kLogMedium && gSettings.promptForSave) {
    int answer = PlatformMessageBox(kLogQuestion, "Confirm Morvik Log Setting",
                                    kMbYesNo | kMbIconInformation | MessageBoxStyle());
    if (answer == kIdYes) gSettings.log = kLogOff;
  }
  SetTimer(window, ID_MAIN_TIMER, 500, nullptr);
  return 0;
}

LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_EXIT:
      SendMessageA(window, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window);
    case WM_COMMAND:
      return OnCommand(window, message, wParam, lParam);
    case WM_DESTROY:
      Shutdown();
      PostQuitMessage(0);
      return 0;
    case WM_ENDSESSION:
      // Only a session that really ends releases the state; otherwise the
      // program goes on with it.
      if (wParam) Shutdown();
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
