#include "settings/menu_edit.h"

#include "platform/platform.h"

int EditMenuItem(uint32_t window, uint32_t anchor, const char* text, uint32_t newId,
                 int operation) {
  const int popups = PlatformMenuPopupCount(window);
  if (popups < 0) return -1;
  for (int popup = 0; popup < popups; popup++) {
    const int items = PlatformMenuItemCount(window, popup);
    for (int position = 0; position < items; position++) {
      const uint32_t id = PlatformMenuItemId(window, popup, position);
      if (id == 0 || id != anchor) continue;  // separators never match
      if (operation == kMenuInsert) {
        return PlatformMenuInsertItem(window, popup, position + 1, newId, text);
      }
      return PlatformMenuDeleteItem(window, popup, position);
    }
  }
  return 0;
}
