// Top-level window search and activation on Windows.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

uint32_t PlatformFindWindowByClass(const char* className) {
  return FromHwnd(FindWindowA(className, nullptr));
}

bool PlatformIsWindowVisible(uint32_t window) { return IsWindowVisible(ToHwnd(window)) != 0; }

bool PlatformIsWindowMinimized(uint32_t window) { return IsIconic(ToHwnd(window)) != 0; }

void PlatformShowWindow(uint32_t window, int showCommand) {
  ShowWindow(ToHwnd(window), showCommand);
}

void PlatformSetForegroundWindow(uint32_t window) { SetForegroundWindow(ToHwnd(window)); }
