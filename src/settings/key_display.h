// The names under which Mapping keys are shown.
#pragma once

#include <cstdint>

// Room VirtualKeyToKeyName needs, terminator included.
constexpr int kKeyNameSize = 16;

// Writes the display name of `key` into `out` (at least 16 bytes), or an
// empty text for a key without a name (Shift, Ctrl and Alt among them).
void VirtualKeyToKeyName(uint8_t key, char* out);
