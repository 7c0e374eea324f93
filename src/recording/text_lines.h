// The lines of the .mvx text format: what kind a line is, and the event or
// script command it holds.
#pragma once

#include "recording/recording.h"

enum LineKind { kLineIgnored, kLineEvent, kLineCommand };

// The kind of a line whose leading spaces and tabs are skipped. A line with
// "/*" opens a comment block (even when it also holds "*/"); inside a block
// every line is ignored, and the first one with "*/" closes it.
LineKind ClassifyLine(const char* line, bool* inComment);

enum EventLineResult { kEventRead, kEventMissingParamH, kEventMissingParamL };

// Reads "message=" (any case) and then, each after the value before it,
// "paramH=", "paramL=" and the optional "time=" (exact case). A value runs
// to the next space.
int ReadEventLine(const char* line, EventRecord* event);

// The CommandCode of a command line (kCommandNone when its word names no
// command) and its argument in `text` (kCommandTextSize bytes).
int ReadCommandLine(const char* line, char* text);

// A decimal number with leading blanks and a sign, read up to `end` or
// the first other character; saturated to 32 bits; 0 without digits.
int32_t ReadSignedNumber(const char* p, const char* end);
