// The common Open and Save dialogs.
#include <windows.h>
// commdlg.h needs the types windows.h declares.
#include <commdlg.h>

#include <cstdio>

#include "platform/platform.h"
#include "platform/win32/win_handles.h"

bool PlatformFileDialog(uint32_t owner, bool save, char* buffer, int size, const char* filter,
                        int* filterIndex) {
  char file[MAX_PATH] = {};
  snprintf(file, sizeof file, "%s", buffer);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = ToHwnd(owner);
  dialog.lpstrFilter = filter;
  dialog.nFilterIndex = static_cast<DWORD>(*filterIndex);
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.Flags = OFN_LONGNAMES | OFN_HIDEREADONLY | OFN_EXPLORER;
  BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!chosen) return false;
  snprintf(buffer, static_cast<size_t>(size), "%s", file);
  *filterIndex = static_cast<int>(dialog.nFilterIndex);
  return true;
}
