#include "recording/recording.h"

#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "playback/playback_state.h"
#include "settings/mapping_store.h"

Recording gRecording;

const char* const kCommandWords[6] = {"", "START", "GOTO", "TYPE", "WAIT", "CLICK"};

const char* const kNoActionsMessage =
    "There are no actions currently recorded.\n\nPress the blue \"Start Recording\" button to "
    "begin saving actions.";

namespace {

constexpr size_t kEventBytes = sizeof(EventRecord) * kEventSlots;
constexpr size_t kIndexBytes = sizeof(int32_t) * kCommandSlots;

// Boxes shown before the settings are read carry no style of their own.
bool AllocationFailure(const char* text, const char* caption) {
  PlatformMessageBox(text, caption, kMbOk | kMbIconExclamation);
  return false;
}

void* Zeroed(size_t bytes) {
  void* block = PlatformAllocate(bytes);
  if (block != nullptr) memset(block, 0, bytes);
  return block;
}

template <typename T>
void FreeBlock(T*& block) {
  if (block != nullptr) PlatformFree(block);
  block = nullptr;
}

}  // namespace

bool AllocateRecording() {
  Recording* r = &gRecording;
  r->events = static_cast<EventRecord*>(Zeroed(kEventBytes));
  if (r->events == nullptr) return AllocationFailure("Event Memory Failure!", "Failure");
  r->originalEvents = static_cast<EventRecord*>(Zeroed(kEventBytes));
  if (r->originalEvents == nullptr) return AllocationFailure("Event Memory Failure!", "Failure");
  r->eventIndex = static_cast<int32_t*>(Zeroed(kIndexBytes));
  r->originalEventIndex = static_cast<int32_t*>(Zeroed(kIndexBytes));
  r->code = static_cast<int32_t*>(Zeroed(kIndexBytes));
  if (r->eventIndex == nullptr || r->originalEventIndex == nullptr || r->code == nullptr) {
    return AllocationFailure("Integer Memory Failure!", "Failure");
  }
  ResetMappingTables();
  for (int i = 0; i < kCommandSlots; i++) {
    r->text[i] = static_cast<char*>(Zeroed(kCommandTextSize));
    if (r->text[i] == nullptr) {
      return AllocationFailure("Script Memory Allocation Failure!", "Memory Error");
    }
  }
  srand(PlatformTickCount());
  // The copy is as empty as the fresh blocks: nothing to restore before the
  // first playback.
  r->eventCount = 0;
  r->cursor = 0;
  r->originalCount = 0;
  r->commandCount = 0;
  r->changed = false;
  ResetPlaybackState();
  return true;
}

void ReleaseRecording() {
  Recording* r = &gRecording;
  FreeBlock(r->events);
  FreeBlock(r->originalEvents);
  FreeBlock(r->eventIndex);
  FreeBlock(r->originalEventIndex);
  FreeBlock(r->code);
  for (char*& text : r->text) FreeBlock(text);
}

void ClearEvents() { memset(gRecording.events, 0, kEventBytes); }

void SaveOriginal() {
  Recording* r = &gRecording;
  r->originalCount = r->eventCount;
  memcpy(r->originalEvents, r->events, sizeof(EventRecord) * static_cast<size_t>(r->eventCount));
  for (int i = 0; i < r->commandCount; i++) r->originalEventIndex[i] = r->eventIndex[i];
}

void RestoreOriginal() {
  Recording* r = &gRecording;
  memset(r->events, 0, kEventBytes);
  memcpy(r->events, r->originalEvents, sizeof(EventRecord) * static_cast<size_t>(r->originalCount));
  r->eventCount = r->originalCount;
  for (int i = 0; i < r->commandCount; i++) r->eventIndex[i] = r->originalEventIndex[i];
}

const char* ShownFileName() {
  return gRecording.fileName[0] != '\0' ? gRecording.fileName : "(Untitled)";
}

const char* CommandWordOf(int32_t code) {
  return kCommandWords[code > kCommandNone && code <= kCommandClick ? code : kCommandNone];
}
