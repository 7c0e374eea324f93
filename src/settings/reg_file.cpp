#include "settings/reg_file.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "settings/registry.h"
#include "shared/log.h"
#include "shared/nocase.h"

namespace {

// Room for the longest line: a name and a 255-character text whose
// backslashes are all doubled.
constexpr int kRegLineSize = 1024;
constexpr int kHexBytesPerLine = 21;

// Formats one line and appends it. A line that does not fit is not written
// at all: a cut one would name another key or hold another value.
__attribute__((format(printf, 2, 3))) bool WriteFittingLine(const char* file, const char* format,
                                                            ...) {
  char line[kRegLineSize];
  va_list args;
  va_start(args, format);
  int length = vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length < 0 || length >= kRegLineSize) return false;
  return WriteWholeLine(file, line);
}

}  // namespace

bool WriteRegKeyLine(const char* file, const char* key) {
  return WriteFittingLine(file, "\r\n[HKEY_CURRENT_USER\\%s]", key);
}

bool WriteRegDword(const char* file, const char* name, uint32_t value) {
  return WriteFittingLine(file, "\"%s\"=dword:%08x", name, value);
}

bool WriteRegString(const char* file, const char* name, const char* text) {
  char doubled[2 * kSettingTextSize];
  snprintf(doubled, sizeof doubled, "%s", text);
  ReplaceAllNoCase(doubled, sizeof doubled, "\\", "\\\\");
  return WriteFittingLine(file, "\"%s\"=\"%s\"", name, doubled);
}

bool WriteRegHexText(const char* file, const char* text) {
  if (file == nullptr || file[0] == '\0') return false;
  FILE* f = fopen(file, "ab");
  if (f == nullptr) return false;
  bool ok = fputs("\"Text\"=hex(2):", f) >= 0;
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
  int onLine = 0;
  for (size_t i = 0; ok; i++) {
    const bool last = bytes[i] == 0;
    ok = fprintf(f, last ? "%02x" : "%02x,", bytes[i]) > 0;
    if (last) break;
    if (++onLine >= kHexBytesPerLine) {
      ok = ok && fputs("\\\r\n  ", f) >= 0;
      onLine = 0;
    }
  }
  ok = fputs("\r\n", f) >= 0 && ok;
  return fclose(f) == 0 && ok;
}
