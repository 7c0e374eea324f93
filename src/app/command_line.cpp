#include "app/command_line.h"

#include <cstring>

#include "settings/settings.h"
#include "shared/nocase.h"

RunMode gRunMode = kRunNormal;

RunMode DecideRunMode(uint32_t programFileSize, uint32_t imageLength, const char* commandLine) {
  if (programFileSize > imageLength) return kRunSelfPlaying;
  if (commandLine != nullptr && commandLine[0] != '\0') return kRunCommandLine;
  return kRunNormal;
}

int32_t ReadOptionNumber(const char* commandLine, const char* option) {
  int at = FindNoCase(commandLine, option);
  if (at < 0) return 0;
  const char* p = commandLine + at + strlen(option);
  while (*p == ' ' || *p == '"' || *p == '=') p++;
  int64_t value = 0;
  for (int digits = 0; digits < 31 && *p >= '0' && *p <= '9'; digits++, p++) {
    value = value * 10 + (*p - '0');
    if (value > INT32_MAX) value = INT32_MAX;
  }
  return static_cast<int32_t>(value);
}

namespace {

void TakeFileName(const char* commandLine, char* fileName) {
  size_t length = 0;
  for (const char* p = commandLine; *p != '\0' && *p != '/'; p++) {
    if (*p == '"') continue;
    if (length < 255) fileName[length++] = *p;
  }
  while (length > 0 && (fileName[length - 1] == ' ' || fileName[length - 1] == '\t')) length--;
  fileName[length] = '\0';
  size_t lead = strspn(fileName, " \t");
  memmove(fileName, fileName + lead, length - lead + 1);
}

}  // namespace

void ParseCommandLine(const char* commandLine, CommandLineOptions* options) {
  *options = CommandLineOptions{};
  TakeFileName(commandLine, options->fileName);
  options->hasSpeed = FindNoCase(commandLine, "/SPEED") >= 0;
  if (options->hasSpeed) {
    int32_t speed = ReadOptionNumber(commandLine, "/SPEED");
    options->speed =
        static_cast<uint8_t>(speed >= kSpeedSlow && speed <= kSpeedFastest ? speed : kSpeedNormal);
  }
  options->hasContinuous = FindNoCase(commandLine, "/CONTINUOUS") >= 0;
  if (options->hasContinuous)
    options->continuous = ReadOptionNumber(commandLine, "/CONTINUOUS") != 0;
  options->hasRepeats = FindNoCase(commandLine, "/REPEATS") >= 0;
  if (options->hasRepeats) {
    int32_t repeats = ReadOptionNumber(commandLine, "/REPEATS");
    options->repeats = repeats >= 1 && repeats <= kMaxRepeats ? repeats : 1;
  }
}

void ApplyCommandLine(const char* commandLine, char* fileName) {
  CommandLineOptions options;
  ParseCommandLine(commandLine, &options);
  if (options.fileName[0] != '\0') strcpy(fileName, options.fileName);
  if (options.hasSpeed) gSettings.speed = options.speed;
  if (options.hasContinuous) gSettings.continuous = options.continuous;
  if (options.hasRepeats) gSettings.repeats = options.repeats;
}
