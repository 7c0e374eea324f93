#include "settings/mapping_store.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "settings/registry.h"

MappingStore gMappings;

const char* const kMappingActionTexts[kMappingActionCount] = {
    "",
    "Start Recording",
    "Stop Recording",
    "Playback",
    "Activate the Morvik window",
    "   (Type the text below:)",
    "   (Launch the program below:)",
    "   (Play the recorded file below:)",
    "Replace with play loop # during playback",
    "Replace with random number during playback",
    "Replace with time during playback",
    "Replace with date & time during playback",
    "Replace with time/number during playback",
};

namespace {

void MappingValuePath(int key, const char* name, char* path, size_t size) {
  snprintf(path, size, "SOFTWARE\\Morvik\\Mappings\\%d\\%s", key, name);
}

}  // namespace

void ResetMappingTables() { memset(&gMappings, 0, sizeof gMappings); }

int32_t ReadMappingNumber(int key, const char* name) {
  char path[kSettingTextSize];
  MappingValuePath(key, name, path, sizeof path);
  return ReadSetting(kRootCurrentUser, path, kSettingNumber, nullptr, 0);
}

void ReadMappingText(int key, char* text) {
  char path[kSettingTextSize];
  MappingValuePath(key, "Text", path, sizeof path);
  ReadSetting(kRootCurrentUser, path, kSettingText, text, 0);
}
