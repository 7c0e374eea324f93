// The message loop: accelerators of the main window, the panel's dialog
// navigation, then ordinary dispatch.
#include <windows.h>

#include "app/app_state.h"

int RunMainLoop() {
  MSG msg;
  for (;;) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (gApp.accelerators != nullptr && TranslateAcceleratorA(gApp.mainWindow, gApp.accelerators, &msg)) continue;
    if (gApp.panel != nullptr && IsDialogMessageA(gApp.panel, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
