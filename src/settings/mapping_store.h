// The Mappings: a key, with or without Ctrl, Shift and Alt, bound to an
// action. The registry holds them, one key per Mapping under
// SOFTWARE\Morvik\Mappings\<key code>; ListMappings condenses them into the
// key tables that the recorder, playback and the Keyboard Service read.
#pragma once

#include <cstdint>

enum MappingAction : uint8_t {
  kActionNone = 0,
  kActionStartRecording = 1,
  kActionStopRecording = 2,
  kActionPlayback = 3,
  kActionActivate = 4,
  kActionTypeText = 5,
  kActionLaunch = 6,
  kActionPlayFile = 7,
  kActionReplaceLoop = 8,
  kActionReplaceRandom = 9,
  kActionReplaceTime = 10,
  kActionReplaceDateTime = 11,
  kActionReplaceTimeNumber = 12,
};
constexpr int kMappingActionCount = 13;

// The display text of each action, as the Action list and the Mapping list
// show it.
extern const char* const kMappingActionTexts[kMappingActionCount];

constexpr int kKeyTableSize = 256;
// Key codes 0 to 254 can carry a Mapping; 255 is never read.
constexpr int kMappingKeys = 255;

// The key tables, by virtual-key code, as of the last ListMappings.
struct MappingStore {
  uint8_t action[kKeyTableSize];   // the MappingAction on the key, 0 for none
  uint8_t control[kKeyTableSize];  // 1 when the Mapping on the key needs Ctrl
  uint8_t shift[kKeyTableSize];
  uint8_t alt[kKeyTableSize];
  uint32_t stopKey;  // the key of the Stop Recording Mapping, 0 for none
};

extern MappingStore gMappings;

// Zeroes the four tables and the stop key.
void ResetMappingTables();

// How the listings deliver: into a dialog's combo box (which also fills the
// tables given), into the tables only, or into a backup file.
enum ListMode { kListIntoControl = 1, kListTables = 2, kListIntoFile = 3 };

// Drop-down width the listings allow their combo boxes.
constexpr int kListDropWidth = 200;

// Reads the Mappings of keys 0 to 254. Zeroes and refills each table given
// (any may be null) and sets gMappings.stopKey; in mode 1 also refills the
// combo box `control` of `dialog` with an empty entry and one entry per
// Mapping, such as "Ctrl + Shift + F7 = Start Recording".
void ListMappings(int mode, uint32_t dialog, int control, uint8_t* actionTable,
                  uint8_t* controlTable, uint8_t* shiftTable, uint8_t* altTable);

// Appends the Mapping section of a backup to `file`: every key whose
// Action is not 0. Returns false when a line could not be written.
bool ExportMappings(const char* file);

// A value of the Mapping on `key`: a number (0 when missing) or its Text
// (a 256-byte buffer, empty when missing).
int32_t ReadMappingNumber(int key, const char* name);
void ReadMappingText(int key, char* text);
