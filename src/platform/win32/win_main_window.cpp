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
  EnableMenuItem(GetMenu(ToHwnd(gMainWindow)), command,
                 MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PlatformCheckMenuCommand(uint32_t command, bool checked) {
  CheckMenuItem(GetMenu(ToHwnd(gMainWindow)), command,
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void PlatformSetMainTitle(const char* title) { SetWindowTextA(ToHwnd(gMainWindow), title); }

bool PlatformIsMainWindowVisible() { return IsWindowVisible(ToHwnd(gMainWindow)) != 0; }

void PlatformShowMainWindow(int showCommand) { ShowWindow(ToHwnd(gMainWindow), showCommand); }

uint32_t PlatformSendMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam) {
  return static_cast<uint32_t>(SendMessageA(ToHwnd(gMainWindow), message, wParam, lParam));
}

void PlatformPostMainWindow(uint32_t message, uint32_t wParam, uint32_t lParam) {
  PostMessageA(ToHwnd(gMainWindow), message, wParam, lParam);
}

bool PlatformIsOwnWindow(uint32_t window) {
  DWORD process = 0;
  GetWindowThreadProcessId(ToHwnd(window), &process);
  return window != 0 && process == GetCurrentProcessId();
}
