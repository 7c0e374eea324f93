// The one loader of recordings: .mvx text, .mvk binary, and the recording
// behind a self-playing program.
#pragma once

// Results of LoadRecording: 0 or more is the number of script commands read.
enum LoadResult : int {
  kLoadFormatError = -1,  // malformed line, unknown command, internal error
  kLoadMissing = -2,      // missing or empty file
  kLoadCannotOpen = -3,
  kLoadBinaryReadError = -4,
  kLoadTextReadError = -5,
};

#include <cstdint>

// Where the recording begins in the file `name`: behind the program image
// for a program (.exe), else at the start.
uint32_t RecordingOffset(const char* name);

// Reads the file named by gRecording.fileName into the recording, showing
// its own messages. On failure the event list is empty.
int LoadRecording();
