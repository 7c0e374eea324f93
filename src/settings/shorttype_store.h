// The ShortTypes: abbreviations the Keyboard Service replaces by a text as
// they are typed. The registry holds them, one key per abbreviation under
// SOFTWARE\Morvik\ShortType\<abbreviation> with its `Text`.
#pragma once

#include <cstdint>

// The name table handed to the Keyboard Service: 64 slots of 8 bytes, each
// an abbreviation of at most 7 characters and zero bytes after it.
constexpr int kShortTypeSlots = 64;
constexpr int kShortTypeSlotSize = 8;
constexpr int kShortTypeTableSize = kShortTypeSlots * kShortTypeSlotSize;

// Reads the first 64 ShortTypes in the registry's order. Mode 1 (ListMode)
// refills the combo box `control` of `dialog` with an empty entry and one
// entry per ShortType, such as "brb = \"be right back\""; mode 2 fills
// `nameTable` (512 bytes), packed from slot 0, leaving out names too long
// for a slot; mode 3 appends the ShortType section of a backup to `file`.
// Returns false when a line of the backup could not be written.
bool ListShortTypes(int mode, uint32_t dialog, int control, char* nameTable, const char* file);
