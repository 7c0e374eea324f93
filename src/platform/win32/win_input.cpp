#include "platform/win32/win_input.h"

#include "platform/platform.h"

namespace {

bool IsExtendedKey(uint8_t vk) {
  switch (vk) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
    case VK_RCONTROL:
    case VK_RMENU:
    case VK_LWIN:
    case VK_RWIN:
    case VK_APPS:
    case VK_SNAPSHOT:
      return true;
  }
  return false;
}

// Absolute coordinates over the whole virtual desktop, 0 to 65535.
LONG Normalised(LONG value, int origin, int extent) {
  if (extent <= 1) return 0;
  return static_cast<LONG>(((static_cast<LONGLONG>(value - origin) * 65535) + (extent - 1) / 2) /
                           (extent - 1));
}

void SendMouse(const EventRecord& event, DWORD buttonFlags, DWORD data) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  input.mi.dx =
      Normalised(static_cast<LONG>(event.paramL), left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
  input.mi.dy =
      Normalised(static_cast<LONG>(event.paramH), top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
  input.mi.mouseData = data;
  input.mi.dwFlags =
      MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | buttonFlags;
  input.mi.dwExtraInfo = kMorvikInputMarker;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void SendKey(uint8_t virtualKey, uint8_t scanCode, bool up, bool extended) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan =
      scanCode != 0 ? scanCode : static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) |
                     (extended || IsExtendedKey(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
  input.ki.dwExtraInfo = kMorvikInputMarker;
  SendInput(1, &input, sizeof input);
}

void SendEventRecord(const EventRecord& event) {
  uint8_t vk = static_cast<uint8_t>(event.paramL);
  uint8_t scan = static_cast<uint8_t>(event.paramL >> 8);
  bool extended = (event.paramH & 0x8000) != 0;
  switch (event.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      SendKey(vk, scan, false, extended);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      SendKey(vk, scan, true, extended);
      break;
    case WM_MOUSEMOVE:
      SendMouse(event, 0, 0);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SendMouse(event, MOUSEEVENTF_LEFTDOWN, 0);
      break;
    case WM_LBUTTONUP:
      SendMouse(event, MOUSEEVENTF_LEFTUP, 0);
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      SendMouse(event, MOUSEEVENTF_RIGHTDOWN, 0);
      break;
    case WM_RBUTTONUP:
      SendMouse(event, MOUSEEVENTF_RIGHTUP, 0);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      SendMouse(event, MOUSEEVENTF_MIDDLEDOWN, 0);
      break;
    case WM_MBUTTONUP:
      SendMouse(event, MOUSEEVENTF_MIDDLEUP, 0);
      break;
  }
}

void PlatformKeybdEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  SendKey(virtualKey, scanCode, (flags & kKeyUp) != 0, (flags & kKeyExtended) != 0);
}

bool PlatformGetKeyboardState(uint8_t state[256]) { return GetKeyboardState(state) != 0; }

void PlatformSetKeyboardState(const uint8_t state[256]) {
  SetKeyboardState(const_cast<BYTE*>(state));
}

void PlatformVersion(int32_t* platformId, int32_t* major, int32_t* minor, int32_t* build) {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  *platformId = static_cast<int32_t>(info.dwPlatformId);
  *major = static_cast<int32_t>(info.dwMajorVersion);
  *minor = static_cast<int32_t>(info.dwMinorVersion);
  *build = static_cast<int32_t>(info.dwBuildNumber);
}
