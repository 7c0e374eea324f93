#include "settings/recent_files.h"

#include <cstdio>
#include <cstring>

#include "settings/menu_edit.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "shared/nocase.h"

namespace {

constexpr char kUntitled[] = "(Untitled)";

typedef char RecentList[kRecentSlots][kSettingTextSize];

void ReadRecentList(RecentList list) {
  for (int i = 0; i < kRecentSlots; i++) {
    char name[kSlotNameSize];
    RecentSlotName(i + 1, name);
    ReadMorvikText(name, list[i]);
  }
}

void WriteRecentList(const RecentList list) {
  for (int i = 0; i < kRecentSlots; i++) {
    char name[kSlotNameSize];
    RecentSlotName(i + 1, name);
    WriteMorvikText(name, list[i]);
  }
}

}  // namespace

void RecentSlotName(int slot, char* name) { snprintf(name, kSlotNameSize, "File%d", slot); }

void AddRecentFile(const char* path) {
  // An empty first slot would hide the whole list from the menu.
  if (path == nullptr || path[0] == '\0') return;
  RecentList list;
  ReadRecentList(list);
  if (EqualNoCase(path, list[0]) || EqualNoCase(path, kUntitled)) return;
  int found = kRecentSlots - 1;  // the oldest entry drops off
  for (int i = 1; i < kRecentSlots; i++) {
    if (EqualNoCase(path, list[i])) {
      found = i;
      break;
    }
  }
  for (int i = found; i > 0; i--) memcpy(list[i], list[i - 1], kSettingTextSize);
  snprintf(list[0], kSettingTextSize, "%s", path);
  WriteRecentList(list);
}

void RemoveRecentFile(const char* path) {
  if (path == nullptr || EqualNoCase(path, kUntitled)) return;
  RecentList list;
  ReadRecentList(list);
  for (int i = 0; i < kRecentSlots; i++) {
    if (!EqualNoCase(path, list[i])) continue;
    for (int j = i; j < kRecentSlots - 1; j++) memcpy(list[j], list[j + 1], kSettingTextSize);
    list[kRecentSlots - 1][0] = '\0';
    WriteRecentList(list);
    return;
  }
}

void RebuildRecentMenu(uint32_t window, bool remove, bool insert) {
  if (gSettings.recentListSize > kRecentSlots) gSettings.recentListSize = kRecentSlots;
  const int shown = gSettings.recentListSize;
  for (int n = 1; remove && n <= shown; n++) {
    EditMenuItem(window, kRecentCommandBase + n, "", 0, kMenuDelete);
  }
  for (int n = 1; insert && n <= shown; n++) {
    char name[kSlotNameSize];
    char path[kSettingTextSize];
    RecentSlotName(n, name);
    ReadMorvikText(name, path);
    if (path[0] == '\0') continue;
    // Each entry follows the one before; after an empty slot that anchor
    // is missing, so the menu ends at the first gap.
    const uint32_t anchor = n == 1 ? kResetRecentCommand : kRecentCommandBase + n - 1;
    EditMenuItem(window, anchor, path, kRecentCommandBase + n, kMenuInsert);
  }
}
