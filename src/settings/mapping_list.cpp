// ListMappings: the Mappings read back from the registry into the key
// tables and the Mapping list of the Keyboard tab.
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "platform/platform.h"
#include "settings/drop_width.h"
#include "settings/key_display.h"
#include "settings/list_text.h"
#include "settings/mapping_store.h"
#include "settings/registry.h"
#include "settings/settings.h"
#include "shared/log.h"

namespace {

// Longest entry: three modifiers, a key name and an action text.
constexpr int kEntrySize = 160;
// Texts of the typing, launch and play actions are shown cut to this.
constexpr size_t kShownTextLength = 23;

void Append(char* entry, const char* text) {
  size_t used = strlen(entry);
  snprintf(entry + used, kEntrySize - used, "%s", text);
}

// Adds the modifier's prefix when the Mapping needs it, and marks it in
// the modifier's table when one is given.
void AddModifier(int key, const char* value, const char* prefix, uint8_t* table, char* entry) {
  if (ReadMappingNumber(key, value) == 0) return;
  Append(entry, prefix);
  if (table != nullptr) table[key] = 1;
}

// The entry's right side: the quoted text of a typing, launch or play
// Mapping, else the action's display text.
void AppendAction(int key, uint8_t action, char* entry) {
  if (action < kActionTypeText || action > kActionPlayFile) {
    Append(entry, kMappingActionTexts[action]);
    return;
  }
  char text[kSettingTextSize + 4];
  ReadMappingText(key, text);
  CutForList(text, kShownTextLength);
  Append(entry, "\"");
  Append(entry, text);
  Append(entry, "\"");
  LineBreaksToSpaces(entry);
}

}  // namespace

void ListMappings(int mode, uint32_t dialog, int control, uint8_t* actionTable,
                  uint8_t* controlTable, uint8_t* shiftTable, uint8_t* altTable) {
  gMappings.stopKey = 0;
  for (uint8_t* table : {actionTable, controlTable, shiftTable, altTable}) {
    if (table != nullptr) memset(table, 0, kKeyTableSize);
  }
  if (mode == kListIntoControl) {
    PlatformComboReset(dialog, control);
    PlatformComboAdd(dialog, control, "");
  }
  for (int key = 0; key < kMappingKeys; key++) {
    // Only the low byte of a stored Action counts here.
    const uint8_t action = static_cast<uint8_t>(ReadMappingNumber(key, "Action"));
    if (action < kActionStartRecording || action > kActionReplaceTimeNumber) continue;
    if (actionTable != nullptr) actionTable[key] = action;
    char entry[kEntrySize] = "";
    AddModifier(key, "Control", "Ctrl + ", controlTable, entry);
    AddModifier(key, "Shift", "Shift + ", shiftTable, entry);
    AddModifier(key, "Alt", "Alt + ", altTable, entry);
    char name[kKeyNameSize];
    VirtualKeyToKeyName(static_cast<uint8_t>(key), name);
    Append(entry, name);
    // Keys are read upwards, so the highest Stop Recording key wins.
    if (action == kActionStopRecording) gMappings.stopKey = static_cast<uint32_t>(key);
    Append(entry, " = ");
    AppendAction(key, action, entry);
    if (mode != kListIntoControl) continue;
    PlatformComboAdd(dialog, control, entry);
    if (gSettings.log >= kLogHigh) {
      WriteLogLine(gSettings.logfile, "Adding Mapping for key %d: Action %d: \"%s\"", key, action,
                   entry);
    }
  }
  if (mode == kListIntoControl) SetDropWidth(dialog, control, kListDropWidth);
}
