#include "fake_platform.h"

void PlatformSetMainWindow(uint32_t window) { gFake.mainWindow = window; }
uint32_t PlatformMainWindow() { return gFake.mainWindow; }
void PlatformEnableMenuCommand(uint32_t command, bool enabled) { gFake.menuEnabled[command] = enabled; }
void PlatformCheckMenuCommand(uint32_t command, bool checked) { gFake.menuChecked[command] = checked; }
