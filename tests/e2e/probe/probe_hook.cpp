// Loaded by the probe into the process of a window it inspects: menus live
// in the memory of the process that owns them, so they are read there.
// On the registered message "MorvikProbeDumpMenu" the hook writes the
// window's menu bar, with every item's id and state, to probe_menu.txt
// beside this library.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

HMODULE gModule;

void WriteText(FILE* out, const char* text) {
  for (const char* p = text; *p != '\0'; p++) {
    if (*p == '\t')
      fputs("\\t", out);
    else
      fputc(*p, out);
  }
}

void DumpMenu(FILE* out, HMENU menu, int depth) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; i++) {
    char text[256] = {};
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    fprintf(out, "%*s", depth * 2, "");
    if (info.fType & MFT_SEPARATOR) {
      fputs("-\n", out);
      continue;
    }
    WriteText(out, text);
    if (info.hSubMenu == nullptr) fprintf(out, " [%u]", info.wID);
    if (info.fState & MFS_GRAYED) fputs(" grayed", out);
    if (info.fState & MFS_CHECKED) fputs(" checked", out);
    fputc('\n', out);
    if (info.hSubMenu != nullptr) DumpMenu(out, info.hSubMenu, depth + 1);
  }
}

void DumpPath(char* path, size_t size, const char* name) {
  GetModuleFileNameA(gModule, path, static_cast<DWORD>(size));
  char* slash = strrchr(path, '\\');
  snprintf(slash ? slash + 1 : path, size - static_cast<size_t>(slash ? slash + 1 - path : 0), "%s",
           name);
}

void DumpWindowMenu(HWND window) {
  char partial[MAX_PATH], final[MAX_PATH];
  DumpPath(partial, sizeof partial, "probe_menu.tmp");
  DumpPath(final, sizeof final, "probe_menu.txt");
  FILE* out = fopen(partial, "wb");
  if (out == nullptr) return;
  DumpMenu(out, GetMenu(window), 0);
  fclose(out);
  MoveFileExA(partial, final, MOVEFILE_REPLACE_EXISTING);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    ProbeGetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  static UINT dumpMessage = RegisterWindowMessageA("MorvikProbeDumpMenu");
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && msg->message == dumpMessage)
    DumpWindowMenu(msg->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) gModule = instance;
  return TRUE;
}
