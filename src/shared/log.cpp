#include "shared/log.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "shared/wsprintf_format.h"

void WriteLogLineV(const char* file, const char* format, va_list args) {
  char line[kLogLineMax + 1];
  int length = FormatWsprintf(line, sizeof line, format, args);
  if (file == nullptr || file[0] == '\0') return;
  // Append mode puts every write at the current end, so lines written by
  // other processes in between are never overwritten.
  FILE* f = fopen(file, "ab");
  if (f == nullptr) return;
  fwrite(line, 1, static_cast<size_t>(length), f);
  fwrite("\r\n", 1, 2, f);
  fclose(f);
}

void WriteLogLine(const char* file, const char* format, ...) {
  va_list args;
  va_start(args, format);
  WriteLogLineV(file, format, args);
  va_end(args);
}

bool WriteWholeLine(const char* file, const char* text) {
  if (file == nullptr || file[0] == '\0') return false;
  FILE* f = fopen(file, "ab");
  if (f == nullptr) return false;
  size_t length = strlen(text);
  bool written = fwrite(text, 1, length, f) == length && fwrite("\r\n", 1, 2, f) == 2;
  return fclose(f) == 0 && written;
}

void LogLastError(const char* file) {
  char text[1025];
  if (PlatformLastErrorText(text, sizeof text) > 0) {
    WriteLogLine(file, "%s", text);
  } else {
    WriteLogLine(file, "Unable to display error.");
  }
}
