// Expanding a TYPE command's text into key events during playback.
#pragma once

#include <cstdint>

// Inserts the events of `text` at `position`. Special-key tokens insert,
// count and shift the commands themselves and give 0; plain text gives the
// number of events inserted, which the caller adds to eventCount before it
// shifts the later commands.
int32_t ExpandTypeCommand(int32_t position, const char* text);

// Replaces the text tokens ({enter}, {date}, {random}...) in `text`, a
// buffer of `capacity` bytes.
void ReplaceTextTokens(char* text, int capacity);
