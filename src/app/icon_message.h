// A message box that shows the program's own icon.
#pragma once

#include <cstdint>

// Like a plain message box without owner, with the program's icon instead
// of a standard one: `style` plus the user-icon bit.
int ShowIconMessage(const char* text, const char* caption, uint32_t style);
