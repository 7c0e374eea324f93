#include "recording/load_recording.h"

#include <cstdio>

#include "app/file_helpers.h"
#include "platform/platform.h"
#include "recording/file_messages.h"
#include "recording/image_length.h"
#include "recording/load_source.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/settings.h"
#include "shared/log.h"
#include "shared/nocase.h"

namespace {

constexpr char kAdviceExists[] = "Please verify that the file exists.";
constexpr char kAdviceNotOpen[] = "Please verify that the file is not already open.";

bool Logging() { return gSettings.log >= kLogLow; }

int InternalError() {
  if (Logging()) WriteLogLine(gSettings.logfile, "Unable to open file '%s'! (-3)", "");
  PlatformMessageBox("Internal error while loading Morvik file!\n\n(This should never occur)",
                     "Internal Error", MessageBoxStyle() | kMbIconStop);
  return kLoadFormatError;
}

// Binary when the name says so, or when one of the block's first four bytes
// is 0: every record's message has a zero high byte, and text holds no NUL.
// A block with nothing in it counts as binary: there is no text to edit.
bool IsBinary(const LoadSource* source, const char* name) {
  if (FindNoCase(name, ".mvk") >= 0) return true;
  if (source->offset >= source->size) return true;
  unsigned char head[4] = {0, 0, 0, 0};
  uint32_t wanted = source->size - source->offset < 4 ? source->size - source->offset : 4;
  // Bytes that cannot be read stay 0, so the binary branch reports them.
  if (fseek(source->file, static_cast<long>(source->offset), SEEK_SET) == 0) {
    size_t got = fread(head, 1, wanted, source->file);
    (void)got;
  }
  for (uint32_t i = 0; i < wanted; i++) {
    if (head[i] == 0) return true;
  }
  return false;
}

}  // namespace

uint32_t RecordingOffset(const char* name) {
  return FindNoCase(name, ".exe") >= 0 ? ImageLength() : 0;
}

void CloseLoadSource(LoadSource* source) {
  if (source->file != nullptr) fclose(source->file);
  source->file = nullptr;
}

void ReportUnreadable(LoadSource* source, int code, bool withError, const char* advice) {
  const char* name = gRecording.fileName;
  if (Logging()) {
    if (withError) LogLastError(gSettings.logfile);
    WriteLogLine(gSettings.logfile, "Unable to open file '%s'! (%d)", name, code);
  }
  CloseLoadSource(source);
  char text[512];
  snprintf(text, sizeof text, "Unable to open file '%s'! (%d)\n\n%s", name, code, advice);
  ShowFileError(text, "Error");
}

int LoadRecording() {
  const char* name = gRecording.fileName;
  if (name[0] == '\0') return InternalError();
  LoadSource source = {nullptr, FileSizeOf(name), 0};
  if (source.size < 1) {
    ReportUnreadable(&source, kLoadMissing, false, kAdviceExists);
    return kLoadMissing;
  }
  source.file = fopen(name, "rb");
  if (source.file == nullptr) {
    ReportUnreadable(&source, kLoadCannotOpen, true, kAdviceNotOpen);
    return kLoadCannotOpen;
  }
  gRecording.eventCount = 0;
  ClearEvents();
  source.offset = RecordingOffset(name);
  bool binary = IsBinary(&source, name);
  PlatformEnableMenuCommand(ID_EDIT_SCRIPT, !binary);
  int result = binary ? ReadBinaryBranch(&source) : ReadTextBranch(&source);
  CloseLoadSource(&source);
  // A failed load leaves nothing half-read behind the empty recording.
  if (result < 0) ClearEvents();
  return result;
}
