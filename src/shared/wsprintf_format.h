// A formatter with the platform's wsprintf rules: flags '-', '#', '0',
// width, precision, sizes 'l' and 'h' (both read a 32-bit value) and the
// types c C d i u x X s S p and %%. There is no floating point.
#pragma once

#include <cstdarg>

// Writes at most size-1 characters and a terminating NUL; returns the
// number of characters written.
int FormatWsprintf(char* out, int size, const char* format, va_list args);

// The same, with the arguments given directly.
int Wsprintf(char* out, int size, const char* format, ...);
