#include "settings/program_log.h"

#include <cstdarg>

#include "settings/settings.h"

void LogLine(int level, const char* format, ...) {
  if (gSettings.log < level) return;
  va_list args;
  va_start(args, format);
  WriteLogLineV(gSettings.logfile, format, args);
  va_end(args);
}

void LogError(int level) {
  if (gSettings.log >= level) LogLastError(gSettings.logfile);
}
