// Items of a window's menu bar on Windows, by pop-up and position.
#include <windows.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

namespace {

HMENU Popup(uint32_t window, int popup) {
  HMENU bar = GetMenu(ToHwnd(window));
  return bar != nullptr ? GetSubMenu(bar, popup) : nullptr;
}

}  // namespace

int PlatformMenuPopupCount(uint32_t window) {
  HMENU bar = GetMenu(ToHwnd(window));
  return bar != nullptr ? GetMenuItemCount(bar) : -1;
}

int PlatformMenuItemCount(uint32_t window, int popup) {
  HMENU menu = Popup(window, popup);
  int count = menu != nullptr ? GetMenuItemCount(menu) : 0;
  return count < 0 ? 0 : count;
}

uint32_t PlatformMenuItemId(uint32_t window, int popup, int position) {
  HMENU menu = Popup(window, popup);
  if (menu == nullptr) return 0;
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return 0;
  // A sub-menu's id is its handle, which must never match a command.
  if (info.hSubMenu != nullptr || (info.fType & MFT_SEPARATOR) != 0) return 0;
  return info.wID;
}

int PlatformMenuInsertItem(uint32_t window, int popup, int position, uint32_t command,
                           const char* text) {
  HMENU menu = Popup(window, popup);
  if (menu == nullptr) return 0;
  const bool separator = command == 0 || text == nullptr || text[0] == '\0';
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA;
  info.fType = separator ? MFT_SEPARATOR : MFT_STRING;
  info.fState = MFS_ENABLED;
  info.wID = command;
  if (!separator) {
    info.dwTypeData = const_cast<char*>(text);
    info.cch = static_cast<UINT>(strlen(text));
  }
  return InsertMenuItemA(menu, static_cast<UINT>(position), TRUE, &info) ? 1 : 0;
}

int PlatformMenuDeleteItem(uint32_t window, int popup, int position) {
  HMENU menu = Popup(window, popup);
  if (menu == nullptr) return 0;
  return DeleteMenu(menu, static_cast<UINT>(position), MF_BYPOSITION) ? 1 : 0;
}
