// Small helpers of the main window's commands, shared by several subsystems.
#pragma once

#include <cstdint>

// Size in bytes of the file at `path`; 0 when it does not exist (an empty
// file counts as missing).
uint32_t FileSizeOf(const char* path);

// Copies field `index` (0-based) of `text`, whose fields are separated by
// `separator`, into `out` (size bytes). With separator NUL the text ends
// with two NULs. Returns index + 1, or 0 for an empty text or a negative
// index.
int GetField(const char* text, char separator, int index, char* out, int size);

// Asks "<path> This file already exists. Replace existing file?" under
// `caption`; true when the user answers Yes.
bool ConfirmReplace(const char* path, const char* caption);

// LastFileType follows a chosen name: 2 for a .mvx, 1 for anything else.
void RememberFileType(const char* name);

// Puts `path` first in the recent-file list and rebuilds the File menu.
void ListInRecentFiles(const char* path);

enum ChooseMode { kChooseOpen = 1, kChooseSave = 2 };
enum ChooseResult { kChooseCancelled = 0, kChooseChosen = 1, kChooseConflict = 2 };

// Shows the Open or Save dialog with `name` (nameSize bytes) as proposal.
// In Save mode, a recording extension that differs from the chosen filter's
// gives kChooseConflict, and a name without '.' gets the filter's extension
// (".mvk" for "*.*").
int ChooseFileName(uint32_t owner, char* name, int nameSize, const char* filter, int mode,
                   int filterIndex);
