// Combo boxes of dialogs: lists of texts kept by dialog and control.
#include "fake_platform.h"

namespace {

std::vector<std::string>& Entries(uint32_t dialog, int control) {
  return gFake.comboTexts[{dialog, control}];
}

}  // namespace

void PlatformComboReset(uint32_t dialog, int control) { Entries(dialog, control).clear(); }

void PlatformComboAdd(uint32_t dialog, int control, const char* text) {
  Entries(dialog, control).push_back(text);
}

int PlatformComboCount(uint32_t dialog, int control) {
  return static_cast<int>(Entries(dialog, control).size());
}

int PlatformComboTextLength(uint32_t dialog, int control, int index) {
  const std::vector<std::string>& entries = Entries(dialog, control);
  if (index < 0 || index >= static_cast<int>(entries.size())) return -1;
  return static_cast<int>(entries[static_cast<size_t>(index)].size());
}

int PlatformComboTextWidth(uint32_t, int, const char* text) {
  return static_cast<int>(std::string(text).size()) * gFake.textCharWidth;
}

void PlatformComboSetDropWidth(uint32_t dialog, int control, int width) {
  gFake.comboDropWidths[{dialog, control}] = width;
}

int PlatformScrollBarWidth() { return gFake.scrollBarWidth; }
