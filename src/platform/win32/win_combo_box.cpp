// Combo boxes of dialogs on Windows.
#include <windows.h>

#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

namespace {

HWND Combo(uint32_t dialog, int control) { return GetDlgItem(ToHwnd(dialog), control); }

}  // namespace

void PlatformComboReset(uint32_t dialog, int control) {
  SendMessageA(Combo(dialog, control), CB_RESETCONTENT, 0, 0);
}

void PlatformComboAdd(uint32_t dialog, int control, const char* text) {
  SendMessageA(Combo(dialog, control), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int PlatformComboCount(uint32_t dialog, int control) {
  LRESULT count = SendMessageA(Combo(dialog, control), CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

int PlatformComboTextLength(uint32_t dialog, int control, int index) {
  LRESULT length = SendMessageA(Combo(dialog, control), CB_GETLBTEXTLEN, index, 0);
  return length < 0 ? -1 : static_cast<int>(length);
}

int PlatformComboTextWidth(uint32_t dialog, int control, const char* text) {
  HWND box = Combo(dialog, control);
  if (box == nullptr) return 0;  // GetDC(nullptr) would measure on the screen
  HDC dc = GetDC(box);
  if (dc == nullptr) return 0;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &size);
  if (previous != nullptr) SelectObject(dc, previous);
  ReleaseDC(box, dc);
  return static_cast<int>(size.cx);
}

void PlatformComboSetDropWidth(uint32_t dialog, int control, int width) {
  SendMessageA(Combo(dialog, control), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

int PlatformScrollBarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }
