// Writes the recording in the .mvx text form.
#pragma once

#include <cstdio>

// Writes the header and one line per slot to an open, empty file, opened in
// binary mode (the lines carry their own CR LF). A slot that holds a script
// command is written as the command's line, so a script keeps its commands.
// On failure the file is closed and the message shown; on success the
// caller closes it.
bool WriteRecordingText(FILE* file);
