#include "app/file_commands.h"

#include <cstdio>
#include <cstring>

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
#include "settings/settings.h"

namespace {

// The path that a recent-file command or the start-up reload asked Open to
// take without its dialog.
char gPendingOpen[kFileNameSize];

constexpr char kOpenFilter[] = "Morvik Files (*.mvk;*.mvx)\0*.mvk;*.mvx\0All Files (*.*)\0*.*\0";

// The Open dialog with the current file name as proposal; false when the
// user cancelled it.
bool ChooseFileToOpen() {
  char* name = gRecording.fileName;
  if (ChooseFileName(PlatformMainWindow(), name, kFileNameSize, kOpenFilter, kChooseOpen, 1) ==
      kChooseCancelled) {
    return false;
  }
  RememberFileType(name);
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

void RequestOpen(const char* path, bool* skipOpenDialog) {
  snprintf(gPendingOpen, sizeof gPendingOpen, "%s", path);
  *skipOpenDialog = true;
  PlatformSendMainWindow(kWindowCommand, ID_OPEN, 0);
}

const char* PendingOpenPath() { return gPendingOpen; }

void OpenRecordingFile(bool* skipOpenDialog) {
  bool asked = AskToSaveChanges();
  bool skip = *skipOpenDialog;
  // Otherwise the next Open would load the file without asking.
  *skipOpenDialog = false;
  if (!asked) {
    gPendingOpen[0] = '\0';
    return;
  }
  if (skip && gPendingOpen[0] != '\0') strcpy(gRecording.fileName, gPendingOpen);
  gPendingOpen[0] = '\0';
  if (!skip && !ChooseFileToOpen()) return;
  ListInRecentFiles(gRecording.fileName);
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
  char path[kFileNameSize];
  ReadMorvikText("File1", path);
  if (path[0] == '\0' || FileSizeOf(path) == 0) return;
  RequestOpen(path, skipOpenDialog);
}

bool MayCloseMainWindow() { return gRunMode != kRunNormal || AskToSaveChanges(); }
