// The US keyboard layout as the program types text: which key, and whether
// Shift, gives each character.
#pragma once

#include <cstdint>

// The virtual-key code that types `character`; *needsShift tells whether
// Shift must be held with it. Characters the layout does not know (other
// control characters, codes 127 to 255) give their own code without Shift.
uint8_t CharToVirtualKey(char character, bool* needsShift);
