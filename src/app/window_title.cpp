#include "app/window_title.h"

#include <cstdio>

#include "platform/platform.h"
#include "recording/recording.h"

void ShowNoFileTitle() { PlatformSetMainTitle("Morvik"); }

void ShowFileTitle() {
  char title[kFileNameSize + 16];
  snprintf(title, sizeof title, "Morvik - %s", ShownFileName());
  PlatformSetMainTitle(title);
}
