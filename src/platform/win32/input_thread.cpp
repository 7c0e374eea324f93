#include "platform/win32/input_thread.h"

#include <windows.h>

#include "platform/win32/journal_driver.h"
#include "platform/win32/win_input.h"

namespace {

constexpr UINT kUpdateHooks = WM_APP + 1;

DWORD gThreadId;
HANDLE gReady;
// What the hooks do; written by the main thread, read by the input thread.
volatile bool gWatchCancel;
RecordSink volatile gSink;

// The window a key goes to: the focus of the foreground window's thread.
HWND KeyTarget() {
  HWND foreground = GetForegroundWindow();
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info) &&
      info.hwndFocus != nullptr) {
    return info.hwndFocus;
  }
  return foreground;
}

uint32_t Handle(HWND window) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window)); }

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  const KBDLLHOOKSTRUCT* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
  if (code != HC_ACTION || key->dwExtraInfo == kMorvikInputMarker)
    return CallNextHookEx(nullptr, code, wParam, lParam);
  bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
  if (gWatchCancel && down && key->vkCode == VK_ESCAPE &&
      (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0) {
    // Ctrl+Esc ends the journal hook, as the system does for its own; the
    // Esc that ended it goes nowhere else.
    if (JournalDriverCancelFromInput()) return 1;
  }
  RecordSink sink = gSink;
  if (sink != nullptr) {
    uint32_t flags = 1 | ((key->flags & LLKHF_EXTENDED) ? 0x8000u : 0u);
    sink(EventRecord{static_cast<uint32_t>(wParam),
                     (key->vkCode & 0xFF) | (key->scanCode & 0xFF) << 8, flags, key->time,
                     Handle(KeyTarget())});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
  const MSLLHOOKSTRUCT* mouse = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
  RecordSink sink = gSink;
  if (code == HC_ACTION && sink != nullptr && mouse->dwExtraInfo != kMorvikInputMarker) {
    sink(EventRecord{static_cast<uint32_t>(wParam), static_cast<uint32_t>(mouse->pt.x),
                     static_cast<uint32_t>(mouse->pt.y), mouse->time,
                     Handle(WindowFromPoint(mouse->pt))});
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Update(HHOOK* keyboard, HHOOK* mouse) {
  bool wantKeyboard = gWatchCancel || gSink != nullptr;
  bool wantMouse = gSink != nullptr;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (wantKeyboard && *keyboard == nullptr)
    *keyboard = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, instance, 0);
  if (!wantKeyboard && *keyboard != nullptr) {
    UnhookWindowsHookEx(*keyboard);
    *keyboard = nullptr;
  }
  if (wantMouse && *mouse == nullptr)
    *mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, instance, 0);
  if (!wantMouse && *mouse != nullptr) {
    UnhookWindowsHookEx(*mouse);
    *mouse = nullptr;
  }
}

DWORD WINAPI InputThread(LPVOID) {
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the thread's queue exists from now on
  SetEvent(gReady);
  HHOOK keyboard = nullptr, mouse = nullptr;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == kUpdateHooks) Update(&keyboard, &mouse);
  }
  return 0;
}

void Tell() {
  if (gThreadId == 0) {
    gReady = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = CreateThread(nullptr, 0, InputThread, nullptr, 0, &gThreadId);
    if (thread == nullptr) return;
    CloseHandle(thread);
    WaitForSingleObject(gReady, 5000);
  }
  PostThreadMessageA(gThreadId, kUpdateHooks, 0, 0);
}

}  // namespace

void InputThreadWatchCancel(bool on) {
  gWatchCancel = on;
  Tell();
}

void InputThreadRecord(RecordSink deliver) {
  gSink = deliver;
  Tell();
}
