// ListShortTypes: the ShortTypes read back from the registry into the
// ShortType list, the service's name table or a backup file.
#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "settings/drop_width.h"
#include "settings/list_text.h"
#include "settings/mapping_store.h"
#include "settings/reg_file.h"
#include "settings/registry.h"
#include "settings/shorttype_store.h"

namespace {

constexpr char kShortTypeKey[] = "SOFTWARE\\Morvik\\ShortType";
// Texts in the list are shown cut to this.
constexpr size_t kShownTextLength = 28;
// A subkey name and its text, each up to 255 characters, with the frame.
constexpr int kEntrySize = 2 * kSettingTextSize + 16;

void ReadShortTypeText(const char* name, char* text) {
  char path[2 * kSettingTextSize];
  snprintf(path, sizeof path, "%s\\%s\\Text", kShortTypeKey, name);
  ReadSetting(kRootCurrentUser, path, kSettingText, text, 0);
}

void AddListEntry(uint32_t dialog, int control, const char* name) {
  char text[kSettingTextSize + 4];
  ReadShortTypeText(name, text);
  CutForList(text, kShownTextLength);
  char entry[kEntrySize];
  snprintf(entry, sizeof entry, "%s = \"%s\"", name, text);
  LineBreaksToSpaces(entry);
  PlatformComboAdd(dialog, control, entry);
}

bool ExportShortType(const char* file, const char* name) {
  char key[2 * kSettingTextSize];
  snprintf(key, sizeof key, "Software\\Morvik\\ShortType\\%s", name);
  char text[kSettingTextSize];
  ReadShortTypeText(name, text);
  bool ok = WriteRegKeyLine(file, key);
  return WriteRegHexText(file, text) && ok;
}

// The service matches at most 7 typed keys, and a slot holds 7 characters
// and a terminator: longer names (only an imported file can make them)
// are left out rather than cut into another abbreviation.
void AddToNameTable(char* nameTable, int* filled, const char* name) {
  size_t length = strlen(name);
  if (nameTable == nullptr || length >= kShortTypeSlotSize) return;
  memcpy(nameTable + *filled * kShortTypeSlotSize, name, length);
  (*filled)++;
}

}  // namespace

bool ListShortTypes(int mode, uint32_t dialog, int control, char* nameTable, const char* file) {
  if (mode == kListIntoControl) {
    PlatformComboReset(dialog, control);
    PlatformComboAdd(dialog, control, "");
  }
  if (mode == kListTables && nameTable != nullptr) memset(nameTable, 0, kShortTypeTableSize);
  bool ok = true;
  char name[kSettingTextSize];
  int found = PlatformRegEnumKey(kRootCurrentUser, kShortTypeKey, 0, name, sizeof name);
  if (found != kRegNoKey) {
    if (mode == kListIntoFile) ok = WriteRegKeyLine(file, "Software\\Morvik\\ShortType");
    int filled = 0;
    for (uint32_t i = 0; i < kShortTypeSlots; i++) {
      if (i > 0) found = PlatformRegEnumKey(kRootCurrentUser, kShortTypeKey, i, name, sizeof name);
      if (found != kRegOk) break;
      name[sizeof name - 1] = '\0';
      if (mode == kListIntoControl) AddListEntry(dialog, control, name);
      if (mode == kListTables) AddToNameTable(nameTable, &filled, name);
      if (mode == kListIntoFile) ok = ExportShortType(file, name) && ok;
    }
  }
  if (mode == kListIntoControl) SetDropWidth(dialog, control, kListDropWidth);
  return ok;
}
