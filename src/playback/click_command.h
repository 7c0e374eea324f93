// CLICK: a left click at a position relative to the window of the last GOTO.
#pragma once

#include <cstdint>

// X is the digits at the very start of the text, Y the next run of digits
// (at most 8 digits each; missing gives 0).
void ParseClickText(const char* text, int32_t* x, int32_t* y);

void RunClick(const char* text);
