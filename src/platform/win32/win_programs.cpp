// Programs and windows for script commands.
#include <windows.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

bool PlatformStartProcess(const char* commandLine) {
  char line[1024];
  strncpy(line, commandLine, sizeof line - 1);
  line[sizeof line - 1] = '\0';
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWDEFAULT;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                      nullptr, &startup, &process)) {
    return false;
  }
  // One 10 ms step: either it times out (the process runs) or the process
  // has already ended; both mean it was started.
  WaitForSingleObject(process.hProcess, 10);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

namespace {

struct Enumeration {
  WindowVisitor visit;
  void* context;
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
  const Enumeration* e = reinterpret_cast<const Enumeration*>(data);
  char title[128] = {};
  GetWindowTextA(window, title, sizeof title);
  return e->visit(FromHwnd(window), title, e->context) ? TRUE : FALSE;
}

}  // namespace

void PlatformEnumWindows(WindowVisitor visit, void* context) {
  Enumeration e = {visit, context};
  EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&e));
}

void PlatformActivateWindow(uint32_t handle) {
  HWND window = ToHwnd(handle);
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  ShowWindow(window, placement.showCmd == SW_SHOWMINIMIZED ? SW_RESTORE : SW_SHOWNA);
  BringWindowToTop(window);
  SetForegroundWindow(window);
  SetFocus(window);
}

bool PlatformWindowRect(uint32_t window, int32_t* left, int32_t* top, int32_t* right,
                        int32_t* bottom) {
  RECT rect;
  if (!GetWindowRect(ToHwnd(window), &rect)) return false;
  *left = rect.left;
  *top = rect.top;
  *right = rect.right;
  *bottom = rect.bottom;
  return true;
}

uint32_t PlatformForegroundWindow() { return FromHwnd(GetForegroundWindow()); }

bool PlatformIsMainWindowMinimized() {
  WINDOWPLACEMENT placement = {};
  placement.length = sizeof placement;
  return GetWindowPlacement(ToHwnd(PlatformMainWindow()), &placement) &&
         placement.showCmd == SW_SHOWMINIMIZED;
}
