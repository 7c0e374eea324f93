// The message loop. While the emulated journal driver plays, the loop waits
// on its timer together with the message queue, so waits are timed to
// about a millisecond on the one thread that runs everything.
#include <windows.h>

#include "app/app_state.h"
#include "app/journal_cancel.h"
#include "platform/win32/journal_driver.h"

namespace {

void Process(MSG* msg) {
  if (msg->message == WM_CANCELJOURNAL && msg->hwnd == nullptr) {
    JournalDriverCancelled();
    OnCancelJournal();
  }
  if (gApp.accelerators != nullptr &&
      TranslateAcceleratorA(gApp.mainWindow, gApp.accelerators, msg))
    return;
  if (gApp.panel != nullptr && IsDialogMessageA(gApp.panel, msg)) return;
  TranslateMessage(msg);
  DispatchMessageA(msg);
}

// Waits for the driver's timer or a message; runs the driver when its
// timer fired. Returns false when the loop must end.
bool WaitWithDriver(HANDLE timer, int* exitCode) {
  DWORD woke = MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  if (woke == WAIT_OBJECT_0) {
    JournalDriverRun();
    return true;
  }
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      *exitCode = static_cast<int>(msg.wParam);
      return false;
    }
    Process(&msg);
    HANDLE current = JournalDriverTimer();
    if (current != nullptr && WaitForSingleObject(current, 0) == WAIT_OBJECT_0) JournalDriverRun();
  }
  return true;
}

}  // namespace

int RunMainLoop() {
  int exitCode = 0;
  for (;;) {
    HANDLE timer = JournalDriverTimer();
    if (timer != nullptr) {
      if (!WaitWithDriver(timer, &exitCode)) return exitCode;
      continue;
    }
    MSG msg;
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 0;
    Process(&msg);
  }
}
