// The File menu's commands of the recent-file list.
#include <cstdio>
#include <cstring>

#include "app/file_commands.h"
#include "app/file_helpers.h"
#include "platform/platform.h"
#include "recording/recording.h"
#include "settings/menu_edit.h"
#include "settings/recent_files.h"
#include "settings/registry.h"
#include "settings/settings.h"

namespace {

constexpr char kResetQuestion[] =
    "This command will remove all of the previous links to recent files.\n\nAre you sure that you "
    "want to proceed?";
constexpr char kNotFoundQuestion[] =
    "Unable to open recent file %s!\n\nDo you want to remove it from the recent file list menu?";

}  // namespace

void ResetRecentFiles(uint32_t window) {
  int answer = PlatformMessageBox(kResetQuestion, "Reset Recent Files",
                                  kMbYesNo | kMbIconQuestion | MessageBoxStyle());
  if (answer != kIdYes) return;
  // All eight, whatever RecentListSize shows.
  for (int n = 1; n <= kRecentSlots; n++) {
    EditMenuItem(window, kRecentCommandBase + n, "", 0, kMenuDelete);
    char name[kSlotNameSize];
    RecentSlotName(n, name);
    DeleteMorvikSetting(name);
  }
}

void OpenRecentFile(uint32_t window, int slot, bool* skipOpenDialog) {
  if (slot < 1 || slot > kRecentSlots) return;
  char name[kSlotNameSize];
  RecentSlotName(slot, name);
  char path[kFileNameSize];
  ReadMorvikText(name, path);
  if (path[0] != '\0' && FileSizeOf(path) > 0) {
    RequestOpen(path, skipOpenDialog);
    return;
  }
  char* fileName = gRecording.fileName;
  strcpy(fileName, path);
  char question[sizeof kNotFoundQuestion + kFileNameSize];
  snprintf(question, sizeof question, kNotFoundQuestion, fileName);
  int answer =
      PlatformMessageBox(question, fileName, kMbYesNo | kMbIconQuestion | MessageBoxStyle());
  if (answer == kIdYes) {
    RemoveRecentFile(fileName);
    RebuildRecentMenu(window, true, true);
  }
  fileName[0] = '\0';
  PlatformSetMainTitle("Morvik");
}
