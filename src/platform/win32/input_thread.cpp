#include "platform/win32/input_thread.h"

#include <windows.h>

#include "platform/win32/journal_driver.h"
#include "platform/win32/win_input.h"

namespace {

constexpr UINT kWatchOn = WM_APP + 1;
constexpr UINT kWatchOff = WM_APP + 2;

DWORD gThreadId;
HANDLE gReady;

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  bool ours = key != nullptr && key->dwExtraInfo == kMorvikInputMarker;
  if (code == HC_ACTION && !ours && (wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN) &&
      key->vkCode == VK_ESCAPE && (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) {
    // Ctrl+Esc ends the journal hook, as the system does for its own; the
    // Esc that ended it goes nowhere else.
    if (JournalDriverCancelFromInput()) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

DWORD WINAPI InputThread(LPVOID) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from now on
  SetEvent(gReady);
  HHOOK hook = nullptr;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == kWatchOn && hook == nullptr) {
      hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    } else if (msg.message == kWatchOff && hook != nullptr) {
      UnhookWindowsHookEx(hook);
      hook = nullptr;
    }
  }
  return 0;
}

}  // namespace

void InputThreadWatchCancel(bool on) {
  if (gThreadId == 0) {
    gReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, InputThread, nullptr, 0, &gThreadId);
    if (thread == nullptr) return;
    CloseHandle(thread);
    WaitForSingleObject(gReady, 5000);
  }
  PostThreadMessageA(gThreadId, on ? kWatchOn : kWatchOff, 0, 0);
}
