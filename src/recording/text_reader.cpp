// The text branch of the loader: one slot per event or command line.
#include <cstdio>
#include <cstring>

#include "recording/file_messages.h"
#include "recording/line_reader.h"
#include "recording/load_recording.h"
#include "recording/load_source.h"
#include "recording/recording.h"
#include "recording/text_lines.h"
#include "settings/settings.h"
#include "shared/log.h"

namespace {

constexpr int kShownCommandLength = 224;

enum LineOutcome { kGoOn, kStopReading };

struct TextLoad {
  LineReader reader;
  TextLine line;
  int slots;
  int commands;
  bool inComment;
};

TextLoad gText;

// The line with the end it was read with.
void LineAsRead(const TextLine* line, char* out, size_t size) {
  snprintf(out, size, "%s%s", line->text, line->end);
}

int MalformedEvent(LoadSource* source, const TextLine* line, int result) {
  CloseLoadSource(source);
  char caption[kMaxLineLength + 3];
  LineAsRead(line, caption, sizeof caption);
  ShowFileError(result == kEventMissingParamH
                    ? "Improperly formatted EVENT command (missing paramH)"
                    : "Improperly formatted EVENT command (missing paramL)",
                caption);
  return kLoadFormatError;
}

int UnknownCommand(LoadSource* source, const TextLine* line) {
  CloseLoadSource(source);
  if (gSettings.log >= kLogLow) {
    WriteLogLine(gSettings.logfile,
                 "ERROR: Unknown or incorrectly formatted command in '%s': \"%s\"",
                 gRecording.fileName, line->text);
  }
  char text[kShownCommandLength + 64];
  snprintf(text, sizeof text, "Unknown or incorrectly formatted command #%d:\n\n\"%.*s\"",
           gText.commands + 1, kShownCommandLength, line->text);
  ShowFileError(text, "Script Error");
  return kLoadFormatError;
}

void TooManyCommands(const TextLine* line) {
  char text[128];
  snprintf(text, sizeof text,
           "Too many script commands!\n\nThe maximum number of script commands is %d",
           kMaxCommands);
  char caption[kMaxLineLength + 3];
  LineAsRead(line, caption, sizeof caption);
  ShowFileError(text, caption);
}

// Reads one event or command line into the next slot. Returns kGoOn,
// kStopReading, or a failed LoadResult.
int TakeLine(LoadSource* source, TextLoad* t) {
  const char* line = t->line.text + strspn(t->line.text, " \t");
  LineKind kind = ClassifyLine(line, &t->inComment);
  if (kind == kLineIgnored) return kGoOn;
  Recording* r = &gRecording;
  if (kind == kLineEvent) {
    int read = ReadEventLine(line, &r->events[t->slots]);
    if (read != kEventRead) return MalformedEvent(source, &t->line, read);
    t->slots++;
    return kGoOn;
  }
  if (t->commands == kMaxCommands) {
    TooManyCommands(&t->line);
    return kStopReading;
  }
  int code = ReadCommandLine(line, r->text[t->commands]);
  if (code == kCommandNone) return UnknownCommand(source, &t->line);
  r->code[t->commands] = code;
  r->eventIndex[t->commands] = t->slots;
  t->commands++;
  t->slots++;
  return kGoOn;
}

}  // namespace

int ReadTextBranch(LoadSource* source) {
  TextLoad* t = &gText;
  StartLineReader(&t->reader, source->file, source->offset, source->size);
  t->slots = 0;
  t->commands = 0;
  t->inComment = false;
  while (t->slots < kMaxStoredEvents) {
    int got = ReadLine(&t->reader, &t->line);
    if (got == 0) break;
    if (got < 0) {
      ReportUnreadable(source, kLoadTextReadError, true,
                       "Please verify that the file has not changed.");
      return kLoadTextReadError;
    }
    int outcome = TakeLine(source, t);
    if (outcome < 0) return outcome;
    if (outcome == kStopReading) break;
  }
  gRecording.eventCount = t->slots;
  gRecording.commandCount = t->commands;
  return t->commands;
}
