#include "shared/start_program.h"

#include "platform/platform.h"

bool StartProgram(const char* commandLine) { return PlatformStartProcess(commandLine); }
