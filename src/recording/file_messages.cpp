#include "recording/file_messages.h"

#include <cstdio>

#include "platform/platform.h"
#include "settings/settings.h"

void ShowFileError(const char* text, const char* caption) {
  PlatformMessageBox(text, caption, MessageBoxStyle() | kMbIconExclamation);
}

void ShowSaveFailure(const char* name) {
  char text[400];
  snprintf(text, sizeof text, "Unable to save file '%s'!", name);
  ShowFileError(text, "Error");
}
