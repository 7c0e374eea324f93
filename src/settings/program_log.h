// The main program's log: a line is written when the log level set in the
// settings reaches the line's level.
#pragma once

#include "shared/log.h"

void LogLine(int level, const char* format, ...);

// The system's text for the last error, at the given level.
void LogError(int level);
