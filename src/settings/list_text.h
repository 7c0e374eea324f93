// The texts of Mapping and ShortType list entries.
#pragma once

#include <cstddef>

// Cuts `text` to `shown` characters followed by "..." when it is at least
// that long; the buffer must hold shown + 4 bytes.
void CutForList(char* text, size_t shown);

// A list entry is one line: CR and LF become spaces.
void LineBreaksToSpaces(char* entry);
