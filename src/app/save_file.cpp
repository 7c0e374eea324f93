#include "app/save_file.h"

#include <cstdio>

#include "platform/platform.h"
#include "recording/binary_format.h"
#include "recording/file_messages.h"
#include "recording/recording.h"
#include "recording/text_writer.h"
#include "resource_ids.h"
#include "shared/nocase.h"

namespace {

constexpr int kTempNameSize = kFileNameSize + 16;
constexpr uint32_t kTempAttempts = 64;

// A name that no file has yet, in the folder of `target`: replacing works
// in one step only within one volume.
bool TempNameBeside(const char* target, char* temp) {
  int folder = 0;
  for (int i = 0; target[i] != '\0'; i++) {
    if (target[i] == '\\' || target[i] == '/') folder = i + 1;
  }
  uint32_t seed = PlatformTickCount();
  for (uint32_t i = 0; i < kTempAttempts; i++) {
    snprintf(temp, kTempNameSize, "%.*s~mvk%04X.tmp", folder, target, (seed + i) & 0xFFFF);
    FILE* existing = fopen(temp, "rb");
    if (existing == nullptr) return true;
    fclose(existing);
  }
  return false;
}

// Writes the recording in the format its name asks for; on failure the
// writer has closed the file and shown its message.
bool WriteInFormat(FILE* file, const char* target) {
  if (FindNoCase(target, ".mvk") >= 0) return WriteRecordingBinary(file) == kBinaryWritten;
  PlatformEnableMenuCommand(ID_EDIT_SCRIPT, true);
  return WriteRecordingText(file);
}

}  // namespace

bool WriteRecordingFile() {
  const char* target = gRecording.fileName;
  char temp[kTempNameSize];
  FILE* file = TempNameBeside(target, temp) ? fopen(temp, "w+b") : nullptr;
  if (file == nullptr) {
    ShowSaveFailure(target);
    return false;
  }
  if (!WriteInFormat(file, target)) {
    remove(temp);
    return false;
  }
  bool closed = fclose(file) == 0;
  if (!closed || !PlatformReplaceFile(temp, target)) {
    remove(temp);
    ShowSaveFailure(target);
    return false;
  }
  return true;
}
