// Backups of the settings, Mappings and ShortTypes as REGEDIT4 files,
// which the system's registry editor imports.
#pragma once

#include <cstdint>

enum BackupCommand : uint32_t {
  kBackupAll = 1142,
  kBackupMappings = 1143,
  kBackupShortTypes = 1144,
  kBackupBasic = 1146,
};

// Runs a backup command: asks for the file (and before replacing one),
// writes "REGEDIT4" and the command's sections, and reports the result.
// `lastTab` is the main panel's selected tab plus 1.
void BackupSettings(uint32_t command, int32_t lastTab);

// Appends the basic section: the settings as they are in memory, the
// values read from the registry each time, and File1 to File8. `left` and
// `top` are the main window's position.
bool WriteBasicSection(const char* file, int32_t left, int32_t top, int32_t lastTab);
