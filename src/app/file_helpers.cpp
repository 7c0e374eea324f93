#include "app/file_helpers.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "settings/recent_files.h"
#include "settings/settings.h"
#include "shared/nocase.h"

uint32_t FileSizeOf(const char* path) {
  if (path == nullptr || path[0] == '\0') return 0;
  // Only regular files have a size: a folder is no recording, log or
  // program, whatever the system reports for it.
  struct stat info;
  if (stat(path, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) return 0;
  if (static_cast<uint64_t>(info.st_size) > UINT32_MAX) return UINT32_MAX;
  return static_cast<uint32_t>(info.st_size);
}

int GetField(const char* text, char separator, int index, char* out, int size) {
  if (size > 0) out[0] = '\0';
  if (text == nullptr || text[0] == '\0' || index < 0) return 0;
  const char* p = text;
  for (int field = 0; field < index; field++) {
    const char* end = separator == '\0' ? p + strlen(p) : strchr(p, separator);
    if (end == nullptr) return index + 1;  // fewer fields: the result is empty
    p = end + 1;
    if (separator == '\0' && *p == '\0') return index + 1;
  }
  size_t length = 0;
  while (p[length] != '\0' && p[length] != separator) length++;
  if (size <= 0) return index + 1;
  if (length > static_cast<size_t>(size - 1)) length = static_cast<size_t>(size - 1);
  memcpy(out, p, length);
  out[length] = '\0';
  return index + 1;
}

namespace {

// The extension of the filter pair the user chose: "" for "*.*", else the
// pattern without its leading '*'.
void FilterExtension(const char* filter, int pair, char* extension, int size) {
  char pattern[260];
  GetField(filter, '\0', 2 * pair - 1, pattern, sizeof pattern);
  extension[0] = '\0';
  if (strcmp(pattern, "*.*") == 0) return;
  snprintf(extension, static_cast<size_t>(size), "%s", pattern[0] == '*' ? pattern + 1 : pattern);
}

void Append(char* name, int nameSize, const char* extension) {
  size_t length = strlen(name);
  snprintf(name + length, static_cast<size_t>(nameSize) - length, "%s", extension);
}

}  // namespace

int ChooseFileName(uint32_t owner, char* name, int nameSize, const char* filter, int mode,
                   int filterIndex) {
  char path[260];
  snprintf(path, sizeof path, "%s", name);
  int chosenIndex = filterIndex;
  if (!PlatformFileDialog(owner, mode == kChooseSave, path, sizeof path, filter, &chosenIndex)) {
    return kChooseCancelled;
  }
  // The dialog allows longer paths than `name` holds. A cut path would name
  // another file, so a path that does not fit is refused like a cancel.
  size_t room = nameSize > 0 ? static_cast<size_t>(nameSize) - 1 : 0;
  size_t length = strlen(path);
  if (length > room) return kChooseCancelled;
  if (mode != kChooseSave) {
    memcpy(name, path, length + 1);
    return kChooseChosen;
  }
  char extension[260];
  FilterExtension(filter, chosenIndex, extension, sizeof extension);
  bool recording = FindNoCase(path, ".mvk") >= 0 || FindNoCase(path, ".mvx") >= 0;
  bool conflict = recording && extension[0] != '\0' && FindNoCase(path, extension) < 0;
  const char* added = "";
  if (!conflict && strchr(path, '.') == nullptr) added = extension[0] ? extension : ".mvk";
  if (length + strlen(added) > room) return kChooseCancelled;
  memcpy(name, path, length + 1);
  if (conflict) return kChooseConflict;
  Append(name, nameSize, added);
  return kChooseChosen;
}

void RememberFileType(const char* name) {
  gSettings.lastFileType = FindNoCase(name, ".mvx") >= 0 ? 2 : 1;
}

void ListInRecentFiles(const char* path) {
  AddRecentFile(path);
  RebuildRecentMenu(PlatformMainWindow(), true, true);
}

bool ConfirmReplace(const char* path, const char* caption) {
  char question[336];  // a program path of up to 264 characters and the question
  snprintf(question, sizeof question, "%s\nThis file already exists.\nReplace existing file?",
           path);
  return PlatformMessageBox(question, caption, MessageBoxStyle() | kMbYesNo | kMbIconQuestion) ==
         kIdYes;
}
