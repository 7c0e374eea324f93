// The run-mode decision and the command line of a CommandLine or
// SelfPlaying run.
#pragma once

#include <cstdint>

enum RunMode { kRunNormal = 0, kRunCommandLine = 1, kRunSelfPlaying = 2 };

// The run mode, decided once at start-up.
extern RunMode gRunMode;

// SelfPlaying when the program file is longer than the image; else
// CommandLine when the command line holds text, else Normal.
RunMode DecideRunMode(uint32_t programFileSize, uint32_t imageLength, const char* commandLine);

// The number after `option` (found case-insensitively), skipping blanks,
// double quotes and equals signs: at most 31 digits, saturated to 32 bits.
// 0 when the option or its digits are missing.
int32_t ReadOptionNumber(const char* commandLine, const char* option);

struct CommandLineOptions {
  char fileName[256];  // the text before the first '/', quotes left out
  bool hasSpeed, hasContinuous, hasRepeats;
  uint8_t speed;
  uint8_t continuous;
  int32_t repeats;
};

// Splits a non-empty command line into the file name and the options, each
// already normalised ("/SPEED" outside 1 to 4 gives 2, "/REPEATS" outside
// 1 to 2000000000 gives 1).
void ParseCommandLine(const char* commandLine, CommandLineOptions* options);

// Parses a non-empty command line into `fileName` (256 bytes) and gSettings.
// A command line that begins with an option leaves the name as it was, so
// a self-playing program keeps its own path.
void ApplyCommandLine(const char* commandLine, char* fileName);
