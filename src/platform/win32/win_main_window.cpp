// The main window and its menu bar.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

namespace {
uint32_t gMainWindow;
}

void PlatformSetMainWindow(uint32_t window) { gMainWindow = window; }

uint32_t PlatformMainWindow() { return gMainWindow; }

void PlatformEnableMenuCommand(uint32_t command, bool enabled) {
  EnableMenuItem(GetMenu(ToHwnd(gMainWindow)), command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PlatformCheckMenuCommand(uint32_t command, bool checked) {
  CheckMenuItem(GetMenu(ToHwnd(gMainWindow)), command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
