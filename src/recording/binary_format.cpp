#include "recording/binary_format.h"

#include "platform/platform.h"
#include "recording/file_messages.h"
#include "recording/load_recording.h"
#include "recording/load_source.h"
#include "resource_ids.h"

namespace {

constexpr int kChunkRecords = 256;

void PutWord(unsigned char* p, uint32_t value) {
  for (int i = 0; i < 4; i++) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t GetWord(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool HasEmptySlot() {
  for (int i = 0; i < gRecording.eventCount; i++) {
    if (gRecording.events[i].message == kMsgEmpty) return true;
  }
  return false;
}

}  // namespace

void EncodeEvent(const EventRecord* event, unsigned char* bytes) {
  PutWord(bytes, event->message);
  PutWord(bytes + 4, event->paramL);
  PutWord(bytes + 8, event->paramH);
  PutWord(bytes + 12, event->time);
  PutWord(bytes + 16, event->hwnd);
}

void DecodeEvent(const unsigned char* bytes, EventRecord* event) {
  *event = EventRecord{GetWord(bytes), GetWord(bytes + 4), GetWord(bytes + 8), GetWord(bytes + 12),
                       GetWord(bytes + 16)};
}

bool AppendEvents(FILE* file, int count) {
  unsigned char chunk[kChunkRecords * kRecordBytes];
  if (fseek(file, 0, SEEK_END) != 0) return false;
  for (int done = 0; done < count;) {
    int n = count - done < kChunkRecords ? count - done : kChunkRecords;
    for (int i = 0; i < n; i++) EncodeEvent(&gRecording.events[done + i], chunk + i * kRecordBytes);
    size_t bytes = static_cast<size_t>(n) * kRecordBytes;
    if (fwrite(chunk, 1, bytes, file) != bytes) return false;
    done += n;
  }
  return fflush(file) == 0;
}

int WriteRecordingBinary(FILE* file) {
  PlatformEnableMenuCommand(ID_EDIT_SCRIPT, false);
  if (HasEmptySlot()) {
    fclose(file);
    ShowFileError(
        "This file cannot be saved in the \"MVK\" binary format since it appears to contain script "
        "commands or empty messages.\n\nTry re-saving it in the \"MVX\" text format.",
        "Error");
    return kBinaryRefused;
  }
  if (!AppendEvents(file, gRecording.eventCount)) {
    fclose(file);
    ShowSaveFailure(gRecording.fileName);
    return kBinaryWriteFailed;
  }
  return kBinaryWritten;
}

int ReadBinaryBranch(LoadSource* source) {
  unsigned char chunk[kChunkRecords * kRecordBytes];
  uint32_t left = source->size - source->offset;
  if (source->offset >= source->size) left = 0;
  if (left > static_cast<uint32_t>(kMaxStoredEvents) * kRecordBytes) {
    left = static_cast<uint32_t>(kMaxStoredEvents) * kRecordBytes;
  }
  int count = 0;
  bool ok = left == 0 || fseek(source->file, static_cast<long>(source->offset), SEEK_SET) == 0;
  while (ok && left > 0) {
    size_t wanted = left < sizeof chunk ? left : sizeof chunk;
    size_t got = fread(chunk, 1, wanted, source->file);
    for (size_t at = 0; at + kRecordBytes <= got; at += kRecordBytes) {
      DecodeEvent(chunk + at, &gRecording.events[count++]);
    }
    // A short read, or a last record shorter than 20 bytes.
    ok = got == wanted && got % kRecordBytes == 0;
    left -= static_cast<uint32_t>(wanted);
  }
  if (!ok) {
    ReportUnreadable(source, kLoadBinaryReadError, true,
                     "Please verify that the file has not changed.");
    return kLoadBinaryReadError;
  }
  gRecording.eventCount = count;
  gRecording.commandCount = 0;
  return 0;
}
