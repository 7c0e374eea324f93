// The exit sequence, run once when the main window is destroyed or the
// session ends.
#include <windows.h>

#include "app/app_state.h"
#include "app/journal_cancel.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/settings.h"

namespace {

bool gShutDown = false;

// The window's position as the user left it; a minimized window keeps the
// place it is restored to.
void NormalPosition(int32_t* left, int32_t* top) {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  RECT rect = {};
  if (IsIconic(gApp.mainWindow) && GetWindowPlacement(gApp.mainWindow, &placement)) {
    rect = placement.rcNormalPosition;
  } else {
    GetWindowRect(gApp.mainWindow, &rect);
  }
  *left = rect.left;
  *top = rect.top;
}

}  // namespace

void Shutdown() {
  if (gShutDown) return;
  gShutDown = true;
  CutOffJournal(nullptr);
  KillTimer(gApp.mainWindow, ID_MAIN_TIMER);
  ReleaseRecording();
  if (gRunMode == kRunNormal) {
    NormalPosition(&gSettings.left, &gSettings.top);
    SaveSettings(gSettings.left, gSettings.top, SelectedTabNumber());
  }
}
