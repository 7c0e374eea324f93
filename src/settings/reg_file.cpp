#include "settings/reg_file.h"

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

}  // namespace

bool WriteRegKeyLine(const char* file, const char* key) {
  char line[kRegLineSize];
  int length = snprintf(line, sizeof line, "\r\n[HKEY_CURRENT_USER\\%s]", key);
  // A line that does not fit is not written at all: a cut one would name
  // another key.
  if (length < 0 || length >= kRegLineSize) return false;
  return WriteWholeLine(file, line);
}

bool WriteRegDword(const char* file, const char* name, uint32_t value) {
  char line[kRegLineSize];
  int length = snprintf(line, sizeof line, "\"%s\"=dword:%08x", name, value);
  if (length < 0 || length >= kRegLineSize) return false;
  return WriteWholeLine(file, line);
}

bool WriteRegString(const char* file, const char* name, const char* text) {
  char doubled[2 * kSettingTextSize];
  snprintf(doubled, sizeof doubled, "%s", text);
  ReplaceAllNoCase(doubled, sizeof doubled, "\\", "\\\\");
  char line[kRegLineSize];
  int length = snprintf(line, sizeof line, "\"%s\"=\"%s\"", name, doubled);
  if (length < 0 || length >= kRegLineSize) return false;
  return WriteWholeLine(file, line);
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
