// The end-to-end tests' probe: finds Morvik's windows and reads or drives
// them as a person would see them. Each command prints what it found on
// stdout and exits 0, or exits 1 when what it waited for did not come.
//
//   probe wait-window CLASS [TIMEOUT_MS]   a visible top-level window of CLASS
//   probe window CLASS                     title, visible, minimized, rect, foreground
//   probe count CLASS                      number of top-level windows of CLASS
//   probe menu CLASS                       the menu bar with every item and its state
//   probe close CLASS                      posts WM_CLOSE
//   probe command CLASS ID                 posts WM_COMMAND ID
//   probe show CLASS SHOWCMD               ShowWindow (6 minimizes, 0 hides)
//   probe foreground                       class and title of the foreground window
//   probe msgbox [TIMEOUT_MS] [BUTTON_ID]  a message box: its caption and text; presses BUTTON_ID
//   probe target TITLE LOG [X Y W H]       a target window: logs every key, character and
//                                          mouse message it receives, with a time stamp
//   probe keys-down                        the keys the system holds down (empty: none)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string WindowText(HWND window) {
  char text[1024] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// Escapes line breaks and tabs so a text stays on one output line.
std::string OneLine(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out;
}

struct Search {
  const char* className;
  HWND found;
  int count;
  bool visibleOnly;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  Search* search = reinterpret_cast<Search*>(data);
  if (_stricmp(ClassOf(window).c_str(), search->className) != 0) return TRUE;
  if (search->visibleOnly && !IsWindowVisible(window)) return TRUE;
  search->count++;
  if (search->found == nullptr) search->found = window;
  return TRUE;
}

Search Find(const char* className, bool visibleOnly) {
  Search search = {className, nullptr, 0, visibleOnly};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search;
}

HWND WaitFor(const char* className, DWORD timeout, bool visibleOnly) {
  DWORD start = GetTickCount();
  for (;;) {
    HWND window = Find(className, visibleOnly).found;
    if (window != nullptr || GetTickCount() - start >= timeout) return window;
    Sleep(50);
  }
}

void PrintWindow(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  printf("hwnd=%p\ntitle=%s\nvisible=%d\nminimized=%d\nforeground=%d\nrect=%ld,%ld,%ld,%ld\n",
         static_cast<void*>(window), WindowText(window).c_str(), IsWindowVisible(window) ? 1 : 0,
         IsIconic(window) ? 1 : 0, GetForegroundWindow() == window ? 1 : 0, rect.left, rect.top,
         rect.right, rect.bottom);
}

// Reads the menu inside the window's own process through probe_hook.dll,
// which writes it to probe_menu.txt beside the probe.
int MenuCommand(HWND window) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  char* slash = strrchr(path, '\\');
  std::string folder(path, slash ? static_cast<size_t>(slash - path + 1) : 0);
  std::string dump = folder + "probe_menu.txt";
  DeleteFileA(dump.c_str());
  HMODULE hook = LoadLibraryA((folder + "probe_hook.dll").c_str());
  HOOKPROC proc = hook ? reinterpret_cast<HOOKPROC>(
                             reinterpret_cast<void*>(GetProcAddress(hook, "ProbeGetMessageProc")))
                       : nullptr;
  if (proc == nullptr) {
    printf("probe_hook.dll not found\n");
    return 1;
  }
  HHOOK installed =
      SetWindowsHookExA(WH_GETMESSAGE, proc, hook, GetWindowThreadProcessId(window, nullptr));
  PostMessageA(window, RegisterWindowMessageA("MorvikProbeDumpMenu"), 0, 0);
  FILE* in = nullptr;
  for (int i = 0; i < 100 && in == nullptr; i++) {
    Sleep(50);
    in = fopen(dump.c_str(), "rb");
  }
  if (installed != nullptr) UnhookWindowsHookEx(installed);
  if (in == nullptr) {
    printf("no menu dump\n");
    return 1;
  }
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, in)) > 0) fwrite(buffer, 1, n, stdout);
  fclose(in);
  return 0;
}

struct Box {
  HWND window;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM data) {
  if (ClassOf(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  if (GetDlgItem(window, 0xFFFF) == nullptr) return TRUE;  // not a message box
  reinterpret_cast<Box*>(data)->window = window;
  return FALSE;
}

int MessageBoxCommand(DWORD timeout, int button) {
  DWORD start = GetTickCount();
  Box box = {nullptr};
  while (box.window == nullptr) {
    EnumWindows(MatchBox, reinterpret_cast<LPARAM>(&box));
    if (box.window != nullptr) break;
    if (GetTickCount() - start >= timeout) {
      printf("no message box\n");
      return 1;
    }
    Sleep(50);
  }
  DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(box.window, GWL_EXSTYLE));
  printf("caption=%s\ntext=%s\ntopmost=%d\n", OneLine(WindowText(box.window)).c_str(),
         OneLine(WindowText(GetDlgItem(box.window, 0xFFFF))).c_str(),
         (exStyle & WS_EX_TOPMOST) ? 1 : 0);
  for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
    if (GetDlgItem(box.window, id) != nullptr) printf("button=%d\n", id);
  }
  if (button != 0) PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  return 0;
}

// The target window: an edit control that logs what reaches it.
FILE* gTargetLog;
WNDPROC gEditProc;
LARGE_INTEGER gFrequency;

void LogInput(const char* kind, long a, long b) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  long long micros = now.QuadPart * 1000000 / gFrequency.QuadPart;
  fprintf(gTargetLog, "%lld %s %ld %ld\n", micros, kind, a, b);
  fflush(gTargetLog);
}

LRESULT CALLBACK TargetEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  POINT screen = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      LogInput("down", static_cast<long>(wParam), (lParam >> 16) & 0xFF);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      LogInput("up", static_cast<long>(wParam), (lParam >> 16) & 0xFF);
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      LogInput("char", static_cast<long>(wParam), 0);
      break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      ClientToScreen(window, &screen);
      LogInput(message == WM_MOUSEMOVE     ? "move"
               : message == WM_LBUTTONDOWN ? "ldown"
                                           : "lup",
               screen.x, screen.y);
      break;
  }
  return CallWindowProcA(gEditProc, window, message, wParam, lParam);
}

LRESULT CALLBACK TargetFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  if (message == WM_SETFOCUS) SetFocus(GetWindow(window, GW_CHILD));
  return DefWindowProcA(window, message, wParam, lParam);
}

int TargetCommand(int argc, char** argv) {
  gTargetLog = fopen(argv[3], "ab");
  if (gTargetLog == nullptr) return 1;
  QueryPerformanceFrequency(&gFrequency);
  int x = argc > 4 ? atoi(argv[4]) : 300, y = argc > 5 ? atoi(argv[5]) : 200;
  int w = argc > 6 ? atoi(argv[6]) : 420, h = argc > 7 ? atoi(argv[7]) : 300;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = TargetFrameProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "MorvikProbeTarget";
  RegisterClassA(&wc);
  HWND frame = CreateWindowExA(0, "MorvikProbeTarget", argv[2], WS_OVERLAPPEDWINDOW | WS_VISIBLE, x,
                               y, w, h, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  RECT client;
  GetClientRect(frame, &client);
  HWND edit = CreateWindowExA(
      0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0,
      client.right, client.bottom, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
  gEditProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TargetEditProc)));
  SetForegroundWindow(frame);
  SetFocus(edit);
  MSG msg;
  while (IsWindow(frame) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  fclose(gTargetLog);
  return 0;
}

int KeysDownCommand() {
  for (int vk = 1; vk < 256; vk++) {
    if (GetAsyncKeyState(vk) & 0x8000) printf("%d\n", vk);
  }
  return 0;
}

int Usage() {
  fprintf(stderr,
          "usage: probe wait-window|window|count|menu|close|command|show|foreground|msgbox ...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  std::string command = argv[1];
  if (command == "foreground") {
    HWND window = GetForegroundWindow();
    printf("class=%s\ntitle=%s\n", ClassOf(window).c_str(), WindowText(window).c_str());
    return 0;
  }
  if (command == "keys-down") return KeysDownCommand();
  if (command == "target" && argc > 3) return TargetCommand(argc, argv);
  if (command == "msgbox") {
    return MessageBoxCommand(argc > 2 ? strtoul(argv[2], nullptr, 10) : 5000,
                             argc > 3 ? atoi(argv[3]) : 0);
  }
  if (argc < 3) return Usage();
  const char* className = argv[2];
  if (command == "count") {
    printf("%d\n", Find(className, false).count);
    return 0;
  }
  if (command == "wait-window") {
    HWND window = WaitFor(className, argc > 3 ? strtoul(argv[3], nullptr, 10) : 10000, true);
    if (window == nullptr) return 1;
    PrintWindow(window);
    return 0;
  }
  HWND window = Find(className, false).found;
  if (window == nullptr) {
    printf("no window of class %s\n", className);
    return 1;
  }
  if (command == "window")
    PrintWindow(window);
  else if (command == "menu")
    return MenuCommand(window);
  else if (command == "close")
    PostMessageA(window, WM_CLOSE, 0, 0);
  else if (command == "command" && argc > 3)
    PostMessageA(window, WM_COMMAND, atoi(argv[3]), 0);
  else if (command == "show" && argc > 3)
    ShowWindow(window, atoi(argv[3]));
  else
    return Usage();
  return 0;
}
