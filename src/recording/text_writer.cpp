#include "recording/text_writer.h"

#include <cstring>

#include "platform/platform.h"
#include "recording/file_messages.h"
#include "recording/recording.h"

namespace {

constexpr size_t kWorkBufferSize = 2048;

constexpr const char* kHeader[] = {
    "; This file was created by Morvik ",
    "; You may edit it, but keep the format the same as you see below.",
    "; You may add comments by using ';' at the start of a line.",
    "; Each line represents an EVENT structure, or may be one of the Morvik commands (see help "
    "file reference)",
    "; ",
    "; Examples:",
    ";        START notepad.exe",
    ";        WAIT 1 second",
    ";        GOTO Untitled - Notepad",
    ";        TYPE Here is text that is being typed by Morvik",
    "; ",
    "; You can mix the EVENT structure lines with Morvik commands, such as:",
    ";        message=WM_MOUSEMOVE paramH=288 paramL=420 time=13024638",
    ";        START NOTEPAD.EXE",
    ";        GOTO Untitled - Notepad",
    ";        message=WM_MOUSEMOVE paramH=267 paramL=420 time=13024758",
    "; ",
    "; You may put 0 for the TIME component in each line.",
    "; Remember that Morvik is primarly a mouse and keyboard recorder, and does not rely on "
    "scripts.",
    "; Start of the real recording:",
};

struct MessageLine {
  uint32_t message;
  const char* name;
};

constexpr MessageLine kMessageLines[] = {
    {kWmKeyDown, "WM_KEYDOWN"},     {kWmKeyUp, "WM_KEYUP"},
    {kWmChar, "WM_CHAR"},           {kWmSysKeyDown, "WM_SYSKEYDOWN"},
    {kWmSysKeyUp, "WM_SYSKEYUP"},   {kWmCommand, "WM_COMMAND"},
    {kWmMouseMove, "WM_MOUSEMOVE"}, {kWmLButtonDown, "WM_LBUTTONDOWN"},
    {kWmLButtonUp, "WM_LBUTTONUP"},
};

int32_t Signed(uint32_t value) { return static_cast<int32_t>(value); }

void FormatEvent(const EventRecord* e, char* line) {
  for (const MessageLine& entry : kMessageLines) {
    if (entry.message != e->message) continue;
    snprintf(line, kWorkBufferSize, "message=%s paramH=%d paramL=%d time=%d\r\n", entry.name,
             Signed(e->paramH), Signed(e->paramL), Signed(e->time));
    return;
  }
  snprintf(line, kWorkBufferSize, "message=%d paramH=%d paramL=%d time=%d\r\n", Signed(e->message),
           Signed(e->paramH), Signed(e->paramL), Signed(e->time));
}

// The command at `slot`, found by walking *next forward: commands lie in
// rising slot order. -1 when no command has that slot.
int CommandAt(int slot, int* next) {
  const Recording* r = &gRecording;
  while (*next < r->commandCount && r->eventIndex[*next] < slot) (*next)++;
  if (*next >= r->commandCount || r->eventIndex[*next] != slot) return -1;
  int code = r->code[*next];
  return code > kCommandNone && code <= kCommandClick ? *next : -1;
}

void FormatSlot(int slot, int* nextCommand, char* line) {
  const EventRecord* e = &gRecording.events[slot];
  int command = e->message == kMsgEmpty ? CommandAt(slot, nextCommand) : -1;
  if (command < 0) {
    FormatEvent(e, line);
    return;
  }
  snprintf(line, kWorkBufferSize, "%s %s\r\n", kCommandWords[gRecording.code[command]],
           gRecording.text[command]);
}

bool WriteAll(FILE* file, char* line) {
  if (fseek(file, 0, SEEK_END) != 0) return false;
  for (const char* text : kHeader) {
    if (fputs(text, file) < 0 || fputs("\r\n", file) < 0) return false;
  }
  int nextCommand = 0;
  for (int slot = 0; slot < gRecording.eventCount; slot++) {
    FormatSlot(slot, &nextCommand, line);
    size_t length = strlen(line);
    if (fwrite(line, 1, length, file) != length) return false;
  }
  return fflush(file) == 0;
}

}  // namespace

bool WriteRecordingText(FILE* file) {
  char* line = static_cast<char*>(PlatformAllocate(kWorkBufferSize));
  if (line == nullptr) {
    fclose(file);
    ShowFileError("Memory Allocation Failure", "Memory Error");
    return false;
  }
  bool written = WriteAll(file, line);
  PlatformFree(line);
  if (!written) {
    fclose(file);
    ShowSaveFailure(gRecording.fileName);
  }
  return written;
}
