#include "app/save_as.h"

#include <cstdio>
#include <cstring>

#include "app/file_helpers.h"
#include "app/save_file.h"
#include "app/window_title.h"
#include "platform/platform.h"
#include "recording/file_messages.h"
#include "recording/recording.h"
#include "settings/settings.h"
#include "shared/nocase.h"

namespace {

constexpr char kSaveFilter[] =
    "Morvik Recording (*.mvk)\0*.mvk\0Morvik Editable Text Files (*.mvx)\0*.mvx\0All Files "
    "(*.*)\0*.*\0";
constexpr char kConflictMessage[] =
    "The Extension and File Type choices are not the same.\n\nPlease choose between .MVK or .MVX "
    "as a file format.";
constexpr char kProgramRefused[] =
    "To compile an executable program, please use the \"Create Executable Program (.EXE)\" "
    "command in the Tools Menu.\n\nYou cannot create an .EXE program with \"File Save\".";

// The dialog, shown again after each file-type conflict.
int ChooseSaveName(char* name) {
  for (;;) {
    int choice = ChooseFileName(PlatformMainWindow(), name, kFileNameSize, kSaveFilter, kChooseSave,
                                gSettings.lastFileType);
    if (choice != kChooseConflict) return choice;
    ShowFileError(kConflictMessage, "File Type Conflict");
  }
}

// Leaves the chosen name in gRecording.fileName; false when the user
// cancelled, and the name is then the one before.
bool ChooseTarget(const char* kept) {
  char* name = gRecording.fileName;
  for (;;) {
    if (name[0] == '\0') snprintf(name, kFileNameSize, "Morvik1");
    if (ChooseSaveName(name) == kChooseCancelled) break;
    if (FindNoCase(name, ".exe") >= 0) {
      ShowFileError(kProgramRefused, "Save Error");
      continue;
    }
    RememberFileType(name);
    if (FileSizeOf(name) == 0 || !gSettings.promptForSave || ConfirmReplace(name, "Save"))
      return true;
    memcpy(name, kept, kFileNameSize);
  }
  memcpy(name, kept, kFileNameSize);
  return false;
}

}  // namespace

void SaveAs() {
  Recording* r = &gRecording;
  if (r->eventCount < 1) {
    ShowFileError(kNoActionsMessage, "Save Error");
    return;
  }
  char kept[kFileNameSize];
  memcpy(kept, r->fileName, sizeof kept);
  // The chosen name always has an extension: ChooseFileName adds the
  // filter's, or ".mvk", to a name without '.'.
  if (!ChooseTarget(kept)) return;
  ListInRecentFiles(r->fileName);
  if (!WriteRecordingFile()) return;
  ShowFileTitle();
  r->changed = false;
}
