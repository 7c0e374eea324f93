// Case-insensitive search and replace, used for keywords, tokens, file
// extensions and key names.
#pragma once

#include <cstddef>

// Position of the first occurrence of `part` in `text`, comparing lower-cased
// characters; -1 when there is none or either text is empty or missing.
int FindNoCase(const char* text, const char* part);

// Whether the two texts are equal when lower-cased.
bool EqualNoCase(const char* a, const char* b);

// Replaces every occurrence of `part` in `text` by `replacement`, in place,
// and returns the number of replacements (0 when any argument is missing).
// A replacement is never searched again. `capacity` is the size of the
// buffer that holds `text`: the result is cut to capacity-1 characters.
int ReplaceAllNoCase(char* text, size_t capacity, const char* part, const char* replacement);
