// The main window's procedure: creation, closing and the commands that
// exist so far.
#include <windows.h>

#include "app/app_state.h"
#include "app/command_state.h"
#include "app/file_commands.h"
#include "app/journal_cancel.h"
#include "app/save_as.h"
#include "app/tools_commands.h"
#include "app/window_title.h"
#include "platform/platform.h"
#include "platform/win32/win_handles.h"
#include "playback/playback_state.h"
#include "playback/scheduler.h"
#include "recorder/recorder.h"
#include "recording/recording.h"
#include "recording/self_playing.h"
#include "resource_ids.h"
#include "settings/backup.h"
#include "settings/recent_files.h"
#include "settings/settings.h"
#include "shared/log.h"

namespace {

constexpr char kLogQuestion[] =
    "The Morvik LOG is currently active.  This setting can negatively affect your computer's "
    "performance.\n\nDo you want to reset the log to OFF?";

bool AutoStartIsOn() {
  char path[kSettingTextSize];
  ReadSetting(kRootCurrentUser, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Morvik",
              kSettingText, path, 0);
  return path[0] != '\0';
}

LRESULT OnCreate(HWND window) {
  gApp.mainWindow = window;
  PlatformSetMainWindow(FromHwnd(window));
  if (gRunMode != kRunNormal) return 0;
  SetWindowTextA(window, "Morvik");
  RebuildRecentMenu(FromHwnd(window), true, true);
  SetCommandState(kStateEmpty);
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
      CutOffJournal("CANCELLED RECORDING: Morvik Exit called\r\n");
      SendMessageA(window, WM_CLOSE, 0, 0);
      return 0;
    case ID_PLAY:
    case ID_PLAY_MAPPING:
    case ID_PLAY_SERVICE_FILE:
      StartPlayback(LOWORD(wParam));
      return 0;
    case ID_START_RECORDING:
      StartRecording();
      return 0;
    case ID_STOP_RECORDING:
      StopRecording();
      return 0;
    case ID_CREATE_EXE:
      CreateExecutable();
      return 0;
    case ID_NEW:
    case ID_CLOSE:
      NewRecording(LOWORD(wParam));
      return 0;
    case ID_OPEN:
      OpenRecordingFile(&gApp.skipOpenDialog);
      return 0;
    case ID_RELOAD:
      ReloadCurrentFile();
      return 0;
    case ID_SAVE_AS:
      SaveAs();
      return 0;
    case ID_EDIT_SCRIPT:
      EditScriptFile();
      return 0;
    case ID_ACTION_COUNT:
      ShowActionCount();
      return 0;
    case ID_RESET_RECENT:
      ResetRecentFiles(FromHwnd(window));
      return 0;
    case ID_BACKUP_ALL:
    case ID_BACKUP_BASIC:
    case ID_BACKUP_MAPPINGS:
    case ID_BACKUP_SHORTTYPES:
      BackupSettings(LOWORD(wParam), SelectedTabNumber());
      return 0;
    default:
      if (LOWORD(wParam) >= ID_RECENT_1 && LOWORD(wParam) <= ID_RECENT_8) {
        OpenRecentFile(FromHwnd(window), LOWORD(wParam) - ID_RECENT_1 + 1, &gApp.skipOpenDialog);
        return 0;
      }
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Clicking the taskbar button of the window that a recording minimised
// gives it the focus, which stops the recording.
LRESULT OnSetFocus(HWND window, WPARAM wParam, LPARAM lParam) {
  bool recording = gPlayback.journalHook != 0 && !gPlayback.gbPlayingNow;
  if (recording && gSettings.minimize && IsWindowVisible(window)) {
    ShowFileTitle();
    SendMessageA(window, WM_COMMAND, ID_STOP_RECORDING, 0);
  }
  if (gApp.panel == nullptr) return DefWindowProcA(window, WM_SETFOCUS, wParam, lParam);
  SetFocus(gApp.panel);
  return 0;
}

}  // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window);
    case WM_COMMAND:
      return OnCommand(window, message, wParam, lParam);
    case WM_TIMER:
      if (wParam == ID_MAIN_TIMER && (gPlayback.journalHook != 0 || gRunMode != kRunNormal))
        PlaybackWatchdogTick();
      return 0;
    case WM_SETFOCUS:
      return OnSetFocus(window, wParam, lParam);
    case WM_CLOSE:
      CutOffJournal("CANCELLED RECORDING: Morvik Close called\r\n");
      if (!MayCloseMainWindow()) return 0;
      break;
    case WM_INITMENU:
      UpdateFileMenuStates();
      break;
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
