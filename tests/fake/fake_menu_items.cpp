// The menu bar of one window, as pop-ups of items.
#include "fake_platform.h"

namespace {

std::vector<FakeMenuItem>* Popup(uint32_t window, int popup) {
  if (window != gFake.menuWindow || popup < 0 || popup >= static_cast<int>(gFake.menuBar.size()))
    return nullptr;
  return &gFake.menuBar[static_cast<size_t>(popup)];
}

bool Inside(const std::vector<FakeMenuItem>* items, int position, int extra) {
  return items != nullptr && position >= 0 && position < static_cast<int>(items->size()) + extra;
}

}  // namespace

int PlatformMenuPopupCount(uint32_t window) {
  if (window == 0 || window != gFake.menuWindow) return -1;
  return static_cast<int>(gFake.menuBar.size());
}

int PlatformMenuItemCount(uint32_t window, int popup) {
  std::vector<FakeMenuItem>* items = Popup(window, popup);
  return items == nullptr ? 0 : static_cast<int>(items->size());
}

uint32_t PlatformMenuItemId(uint32_t window, int popup, int position) {
  std::vector<FakeMenuItem>* items = Popup(window, popup);
  if (!Inside(items, position, 0)) return 0;
  return (*items)[static_cast<size_t>(position)].command;
}

int PlatformMenuInsertItem(uint32_t window, int popup, int position, uint32_t command,
                           const char* text) {
  std::vector<FakeMenuItem>* items = Popup(window, popup);
  if (!Inside(items, position, 1)) return 0;
  FakeMenuItem item{command, text};
  if (command == 0 || item.text.empty()) item = FakeMenuItem{0, ""};
  items->insert(items->begin() + position, item);
  return 1;
}

int PlatformMenuDeleteItem(uint32_t window, int popup, int position) {
  std::vector<FakeMenuItem>* items = Popup(window, popup);
  if (!Inside(items, position, 0)) return 0;
  items->erase(items->begin() + position);
  return 1;
}
