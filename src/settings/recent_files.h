// The recent-file list: the last eight recordings opened or saved, kept in
// the registry values File1 (most recent) to File8 and listed after "Reset
// Recent Files" in the File menu.
#pragma once

#include <cstdint>

constexpr int kRecentSlots = 8;
// Slot n of the list is the menu command 1740 + n.
constexpr uint32_t kRecentCommandBase = 1740;
constexpr uint32_t kResetRecentCommand = 1068;
constexpr uint32_t kOpenCommand = 1051;

// The registry value of slot 1 to 8: "File1" to "File8".
constexpr int kSlotNameSize = 16;
void RecentSlotName(int slot, char* name);

// Puts `path` at the front of the list; an entry of the same name (in any
// case) moves up, else the oldest drops off. Nothing changes for the name
// already first, for "(Untitled)" and for an empty path.
void AddRecentFile(const char* path);

// Removes the first entry equal to `path` (in any case); the entries after
// it move up.
void RemoveRecentFile(const char* path);

// Removes the menu entries of the first RecentListSize slots, then inserts
// entries for them, as the flags ask. The menu stops at the first empty
// slot. A RecentListSize above 8 becomes 8.
void RebuildRecentMenu(uint32_t window, bool remove, bool insert);

// Command 1068: after the user agrees, removes all eight entries from the
// menu and the registry.
void ResetRecentFiles(uint32_t window);

// Commands 1741 to 1748 (`slot` 1 to 8): makes the slot's file the
// recording's file name, sets *skipOpenDialog and sends Open. A missing or
// empty file is reported instead, and removed from the list when the user
// agrees.
void OpenRecentFile(uint32_t window, int slot, bool* skipOpenDialog);
