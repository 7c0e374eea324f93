// ExportMappings: the Mapping section of a backup file.
#include <cstdio>
#include <initializer_list>

#include "settings/mapping_store.h"
#include "settings/reg_file.h"
#include "settings/registry.h"

bool ExportMappings(const char* file) {
  bool ok = WriteRegKeyLine(file, "Software\\Morvik\\Mappings");
  for (int key = 0; key < kMappingKeys; key++) {
    // Unlike the listing, every non-zero Action is kept, whatever its code.
    const int32_t action = ReadMappingNumber(key, "Action");
    if (action == 0) continue;
    char subkey[64];
    snprintf(subkey, sizeof subkey, "Software\\Morvik\\Mappings\\%d", key);
    ok = WriteRegKeyLine(file, subkey) && ok;
    ok = WriteRegDword(file, "Action", static_cast<uint32_t>(action)) && ok;
    for (const char* modifier : {"Control", "Shift", "Alt"}) {
      ok = WriteRegDword(file, modifier, static_cast<uint32_t>(ReadMappingNumber(key, modifier))) &&
           ok;
    }
    char text[kSettingTextSize];
    ReadMappingText(key, text);
    ok = WriteRegHexText(file, text) && ok;
  }
  return ok;
}
