#include "app/tools_commands.h"

#include <cstdio>

#include "app/file_helpers.h"
#include "platform/platform.h"
#include "recording/file_messages.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/settings.h"
#include "shared/start_program.h"

void EditScriptFile() {
  char editor[kSettingTextSize];
  ReadEditor(editor);
  const char* name = gRecording.fileName;
  char commandLine[kSettingTextSize + kFileNameSize + 2];
  snprintf(commandLine, sizeof commandLine, "%s %s", editor, name);
  if (StartProgram(commandLine)) return;
  char text[kSettingTextSize + kFileNameSize + 32];
  snprintf(text, sizeof text, "Unable to edit %s with \"%s\"", name, editor);
  ShowFileError(text, "Edit Error");
}

void ShowActionCount() {
  const Recording* r = &gRecording;
  char text[kFileNameSize + 64];
  if (r->eventCount != 0) {
    snprintf(text, sizeof text, "Total number of actions in %s: %d",
             r->fileName[0] != '\0' ? r->fileName : "the current recording", r->eventCount);
  } else {
    snprintf(text, sizeof text, "%s", kNoActionsMessage);
  }
  PlatformMessageBox(text, "Total Commands", MessageBoxStyle() | kMbIconInformation);
}

void UpdateFileMenuStates() {
  if (FileSizeOf(gRecording.fileName) == 0) PlatformEnableMenuCommand(ID_EDIT_SCRIPT, false);
  PlatformEnableMenuCommand(ID_VIEW_LOG, FileSizeOf(gSettings.logfile) > 0);
}
