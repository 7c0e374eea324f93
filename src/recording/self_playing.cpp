#include "recording/self_playing.h"

#include <cstdio>
#include <cstring>

#include "app/file_helpers.h"
#include "app/icon_message.h"
#include "platform/platform.h"
#include "recording/binary_format.h"
#include "recording/file_messages.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "settings/settings.h"
#include "shared/nocase.h"

namespace {

constexpr char kProgramFilter[] = "Program Files (*.exe)\0*.exe\0All Files (*.*)\0*.*\0";
constexpr int kDialogNameSize = 260;
constexpr int kProgramNameSize = kDialogNameSize + 4;
constexpr int kOwnPathSize = 513;
constexpr size_t kCopyChunk = 64 * 1024;

enum AppendResult { kAppended, kAppendStopped, kAppendFailed };

// `name` cut before the first '.' of its file name, with ".exe" appended.
// A '.' in a folder name is kept: cutting there would name another folder.
void ProgramName(const char* name, char* program, size_t size) {
  const char* base = name;
  for (const char* p = name; *p != '\0'; p++) {
    if (*p == '\\' || *p == '/') base = p + 1;
  }
  const char* dot = strchr(base, '.');
  int length = static_cast<int>(dot != nullptr ? dot - name : strlen(name));
  snprintf(program, size, "%.*s.exe", length, name);
}

bool CopyBytes(FILE* from, FILE* to) {
  static unsigned char chunk[kCopyChunk];
  for (size_t got; (got = fread(chunk, 1, sizeof chunk, from)) > 0;) {
    if (fwrite(chunk, 1, got, to) != got) return false;
  }
  return ferror(from) == 0;
}

// Copies the running program's file to `program`, replacing it.
bool CopyOwnProgram(const char* program) {
  char own[kOwnPathSize];
  if (PlatformModuleFileName(own, sizeof own) == 0) return false;
  // Opening the program itself for writing would empty it before the copy.
  if (EqualNoCase(own, program)) return false;
  FILE* from = fopen(own, "rb");
  if (from == nullptr) return false;
  FILE* to = fopen(program, "wb");
  bool copied = to != nullptr && CopyBytes(from, to);
  if (to != nullptr && fclose(to) != 0) copied = false;
  fclose(from);
  return copied;
}

// Reads `length` bytes of `name` from `offset` into `text`; a file that got
// shorter since its size was taken is read as far as it goes.
bool ReadPart(const char* name, uint64_t offset, char* text, size_t length) {
  FILE* f = fopen(name, "rb");
  if (f == nullptr) return false;
  bool read = fseek(f, static_cast<long>(offset), SEEK_SET) == 0;
  if (read && fread(text, 1, length, f) < length) read = ferror(f) == 0;
  fclose(f);
  return read;
}

// The script file's text, from where its recording begins (behind the
// program image when it is a program itself), in a zeroed block one byte
// longer; nullptr after the message when that fails.
char* ReadScriptText() {
  const char* name = gRecording.fileName;
  uint64_t size = FileSizeOf(name);
  uint64_t offset = RecordingOffset(name);
  uint64_t length = size > offset ? size - offset : 0;
  char* text = nullptr;
  if (length < SIZE_MAX) {
    text = static_cast<char*>(PlatformAllocate(static_cast<size_t>(length) + 1));
  }
  if (text == nullptr) {
    ShowFileError("Unable to allocate memory", "Internal Error");
    return nullptr;
  }
  memset(text, 0, static_cast<size_t>(length) + 1);
  if (!ReadPart(name, offset, text, static_cast<size_t>(length))) {
    ShowFileError("Unable to read file", name);
    PlatformFree(text);
    return nullptr;
  }
  return text;
}

// Appends the text up to its first NUL to the new program.
bool AppendText(const char* program, const char* text) {
  FILE* f = fopen(program, "r+b");
  if (f == nullptr) return false;
  size_t length = strlen(text);
  bool written = fseek(f, 0, SEEK_END) == 0 && fwrite(text, 1, length, f) == length;
  return fclose(f) == 0 && written;
}

bool AppendBinary(const char* program) {
  FILE* f = fopen(program, "r+b");
  if (f == nullptr) return false;
  bool written = AppendEvents(f, gRecording.eventCount);
  return fclose(f) == 0 && written;
}

// A recording that begins with a script command came from a script file,
// which holds the commands: that file is appended as it is on disk. Any
// other recording is appended as binary records.
int AppendRecording(const char* program) {
  const Recording* r = &gRecording;
  if (r->events[0].message != kMsgEmpty || r->fileName[0] == '\0') {
    return AppendBinary(program) ? kAppended : kAppendFailed;
  }
  char* text = ReadScriptText();
  if (text == nullptr) return kAppendStopped;
  bool written = AppendText(program, text);
  PlatformFree(text);
  return written ? kAppended : kAppendFailed;
}

}  // namespace

void CreateExecutable() {
  if (gRecording.eventCount < 1) {
    ShowFileError(kNoActionsMessage, "Save Error");
    return;
  }
  char chosen[kProgramNameSize];
  ProgramName(gRecording.fileName, chosen, sizeof chosen);
  int choice =
      ChooseFileName(PlatformMainWindow(), chosen, kDialogNameSize, kProgramFilter, kChooseSave, 1);
  if (choice == kChooseCancelled || chosen[0] == '\0') return;
  char program[kProgramNameSize];
  ProgramName(chosen, program, sizeof program);
  if (FileSizeOf(program) > 0 && !ConfirmReplace(program, "Create .EXE")) return;
  int result = CopyOwnProgram(program) ? AppendRecording(program) : kAppendFailed;
  if (result == kAppendStopped) return;
  if (result == kAppendFailed) {
    ShowSaveFailure(program);
    return;
  }
  gRecording.changed = false;
  char text[kProgramNameSize + 64];
  snprintf(text, sizeof text, "The file \"%s\" was successfully created.", program);
  ShowIconMessage(text, "Create Executable", MessageBoxStyle());
}
