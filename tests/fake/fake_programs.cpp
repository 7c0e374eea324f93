#include "fake_platform.h"

bool PlatformStartProcess(const char* commandLine) {
  gFake.startedPrograms.push_back(commandLine);
  return !gFake.failStartProgram;
}

void PlatformEnumWindows(WindowVisitor visit, void* context) {
  gFake.windowSearches++;
  if (gFake.appearAfterSearches != 0 && gFake.windowSearches > gFake.appearAfterSearches) {
    gFake.topWindows.push_back(gFake.appearing);
    gFake.appearAfterSearches = 0;
  }
  for (const FakeTopWindow& w : gFake.topWindows) {
    if (!visit(w.handle, w.title.substr(0, 127).c_str(), context)) return;
  }
}

void PlatformActivateWindow(uint32_t window) { gFake.activated.push_back(window); }

bool PlatformWindowRect(uint32_t window, int32_t* left, int32_t* top, int32_t* right,
                        int32_t* bottom) {
  for (const FakeTopWindow& w : gFake.topWindows) {
    if (w.handle != window) continue;
    *left = w.left;
    *top = w.top;
    *right = w.right;
    *bottom = w.bottom;
    return true;
  }
  return false;
}

uint32_t PlatformForegroundWindow() { return gFake.foregroundWindow; }
bool PlatformIsMainWindowMinimized() { return gFake.mainMinimized; }
