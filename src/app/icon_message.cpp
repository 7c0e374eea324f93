#include "app/icon_message.h"

#include "platform/platform.h"

int ShowIconMessage(const char* text, const char* caption, uint32_t style) {
  return PlatformMessageBox(text, caption, style | kMbUserIcon);
}
