// The application shell's one state record.
#pragma once

#include <windows.h>

#include "app/command_line.h"

struct AppState {
  HINSTANCE instance;
  HWND mainWindow;
  HWND panel;  // the main panel, once it exists
  int showCommand;
  HACCEL accelerators;
  bool skipOpenDialog;
};

extern AppState gApp;

// The main window's procedure and the exit sequence it runs when the
// window is destroyed.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void Shutdown();

// The message loop; returns the exit code of WM_QUIT.
int RunMainLoop();

// The panel's selected tab plus 1, saved as LastTab at exit.
int SelectedTabNumber();
