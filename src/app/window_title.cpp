#include "app/window_title.h"

#include <cstdio>

#include "platform/platform.h"
#include "recording/recording.h"

void ShowNoFileTitle() { PlatformSetMainTitle("Morvik"); }

void ShowFileTitle() {
  char title[kFileNameSize + 16];
  const char* name = gRecording.fileName[0] != '\0' ? gRecording.fileName : "(Untitled)";
  snprintf(title, sizeof title, "Morvik - %s", name);
  PlatformSetMainTitle(title);
}
