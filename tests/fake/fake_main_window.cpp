#include "fake_platform.h"

void PlatformSetMainWindow(uint32_t window) { gFake.mainWindow = window; }
uint32_t PlatformMainWindow() { return gFake.mainWindow; }
void PlatformEnableMenuCommand(uint32_t command, bool enabled) {
  gFake.menuEnabled[command] = enabled;
}
void PlatformCheckMenuCommand(uint32_t command, bool checked) {
  gFake.menuChecked[command] = checked;
}
void PlatformSetMainTitle(const char* title) { gFake.titles.push_back(title); }
bool PlatformIsMainWindowVisible() { return gFake.mainVisible; }
void PlatformShowMainWindow(int showCommand) { gFake.mainShowCommands.push_back(showCommand); }

uint32_t PlatformSendMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam) {
  gFake.sent.push_back({message, wParam, lParam});
  if (gFake.onSend) gFake.onSend(message, wParam, lParam);
  return 0;
}

void PlatformPostMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam) {
  gFake.posted.push_back({message, wParam, lParam});
}

bool PlatformIsOwnWindow(uint32_t window) {
  for (uint32_t own : gFake.ownWindows) {
    if (own == window) return true;
  }
  return false;
}
