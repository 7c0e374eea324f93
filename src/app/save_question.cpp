#include "app/save_question.h"

#include <cstdio>

#include "platform/platform.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/settings.h"

bool AskToSaveChanges() {
  const Recording* r = &gRecording;
  if (!r->changed || !gSettings.promptForSave || r->eventCount <= 0) return true;
  char question[kFileNameSize + 32];
  snprintf(question, sizeof question, "Save changes to %s?", ShownFileName());
  int answer = PlatformMessageBox(question, "Confirm Action",
                                  MessageBoxStyle() | kMbYesNoCancel | kMbIconExclamation);
  if (answer == kIdCancel) return false;
  if (answer == kIdYes) PlatformSendMainWindow(kWindowCommand, ID_SAVE_AS, 0);
  return true;
}
