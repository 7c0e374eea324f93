#include "app/file_commands.h"

#include "app/command_line.h"
#include "app/command_state.h"
#include "app/file_helpers.h"
#include "app/icon_message.h"
#include "app/save_question.h"
#include "app/window_title.h"
#include "platform/platform.h"
#include "playback/playback_state.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/recent_files.h"
#include "settings/settings.h"
#include "shared/nocase.h"

namespace {

constexpr char kOpenFilter[] = "Morvik Files (*.mvk;*.mvx)\0*.mvk;*.mvx\0All Files (*.*)\0*.*\0";

// The Open dialog with the current file name as proposal; false when the
// user cancelled it.
bool ChooseFileToOpen() {
  char* name = gRecording.fileName;
  if (ChooseFileName(PlatformMainWindow(), name, kFileNameSize, kOpenFilter, kChooseOpen, 1) ==
      kChooseCancelled) {
    return false;
  }
  gSettings.lastFileType = FindNoCase(name, ".mvx") >= 0 ? 2 : 1;
  return true;
}

}  // namespace

void NewRecording(uint32_t command) {
  if (!AskToSaveChanges()) return;
  SetCommandState(kStateEmpty);
  ClearEvents();
  gRecording.fileName[0] = '\0';
  gRecording.changed = false;
  gRecording.eventCount = 0;
  ShowNoFileTitle();
  if (command == ID_NEW && gSettings.promptForSave) {
    ShowIconMessage("Press the blue \"Start Recording\" button to begin saving actions.",
                    "New Recording", MessageBoxStyle());
  }
}

void OpenRecordingFile(bool* skipOpenDialog) {
  if (!AskToSaveChanges()) {
    // Otherwise the next Open would load the file without asking.
    *skipOpenDialog = false;
    return;
  }
  if (!*skipOpenDialog && !ChooseFileToOpen()) return;
  *skipOpenDialog = false;
  AddRecentFile(gRecording.fileName);
  RebuildRecentMenu(PlatformMainWindow(), true, true);
  if (LoadRecording() < 0) return;
  ShowFileTitle();
  SetCommandState(kStateLoaded);
  gRecording.changed = false;
  if (gSettings.playImmediately) {
    gPlayback.loopsCompleted = 0;
    PlatformSendMainWindow(kWindowCommand, ID_PLAY, 0);
  }
}

void ReloadCurrentFile() {
  if (gRecording.fileName[0] != '\0') LoadRecording();
}

void ReopenLastFile(bool* skipOpenDialog) {
  if (!gSettings.reload || gRunMode != kRunNormal) return;
  ReadMorvikText("File1", gRecording.fileName);
  if (gRecording.fileName[0] == '\0' || FileSizeOf(gRecording.fileName) == 0) return;
  *skipOpenDialog = true;
  PlatformSendMainWindow(kWindowCommand, ID_OPEN, 0);
}

bool MayCloseMainWindow() { return gRunMode != kRunNormal || AskToSaveChanges(); }
