// What the loader fuzz targets share: a recording and quiet settings set up
// once, the input written to a file of the given extension and loaded, and
// the checks every load must pass. A failed check traps.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_platform.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "settings/settings.h"
#include "shared/log.h"

inline void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// A file of this process, in memory when the system offers a folder there.
inline std::string FuzzFile(const char* extension) {
  const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(folder) + "/morvik-fuzz-" + std::to_string(getpid()) + extension;
}

// The files a run wrote, removed when the fuzzer ends.
inline void RemoveFuzzFiles() {
  for (const char* extension : {".mvx", ".mvk", ".exe", ".saved.mvx", ".saved.mvk"}) {
    remove(FuzzFile(extension).c_str());
  }
}

inline void SetUpLoaderOnce() {
  static bool ready = false;
  if (ready) return;
  atexit(RemoveFuzzFiles);
  ResetFakePlatform();
  Check(AllocateRecording());
  gSettings = Settings{};
  gSettings.messageBoxStyle = kMbTaskModal;
  // Log at LOW, so the failure lines are formatted too, into nothing.
  gSettings.log = kLogLow;
  snprintf(gSettings.logfile, sizeof gSettings.logfile, "/dev/null");
  ready = true;
}

inline bool WriteBytes(const std::string& path, const void* data, size_t size) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  bool written = fwrite(data, 1, size, f) == size;
  return fclose(f) == 0 && written;
}

// The invariants of a load's result and the recording it leaves. A file
// that is missing, empty or cannot be opened leaves the recording as it
// was; any other failure leaves it empty.
inline void CheckLoad(int result, int32_t countBefore) {
  const Recording* r = &gRecording;
  if (result < 0) {
    Check(result >= kLoadTextReadError && gFake.messageBoxes.size() == 1);
    if (result == kLoadMissing || result == kLoadCannotOpen) {
      Check(r->eventCount == countBefore);
      return;
    }
    Check(r->eventCount == 0 && r->events[0].message == 0 && r->events[1].message == 0);
    return;
  }
  Check(result == r->commandCount && result <= kMaxCommands);
  // Only the 2048th command ends a load with a message and success.
  Check(gFake.messageBoxes.size() <= (result == kMaxCommands ? 1u : 0u));
  Check(r->eventCount >= 0 && r->eventCount <= kMaxStoredEvents);
  Check(r->events[r->eventCount].message == 0 && r->events[r->eventCount + 1].message == 0);
  for (int i = 0; i < r->commandCount; i++) {
    Check(r->eventIndex[i] >= 0 && r->eventIndex[i] < r->eventCount);
    Check(i == 0 || r->eventIndex[i] > r->eventIndex[i - 1]);
    Check(r->events[r->eventIndex[i]].message == 0);
    Check(r->code[i] >= kCommandStart && r->code[i] <= kCommandClick);
    Check(strlen(r->text[i]) < kCommandTextSize);
  }
}

// Writes `data` to the fuzz file with `extension`, loads it and checks the
// result. Returns the result.
inline int LoadFuzzInput(const uint8_t* data, size_t size, const char* extension) {
  SetUpLoaderOnce();
  gFake.messageBoxes.clear();
  std::string path = FuzzFile(extension);
  if (!WriteBytes(path, data, size)) return kLoadCannotOpen;
  snprintf(gRecording.fileName, sizeof gRecording.fileName, "%s", path.c_str());
  int32_t countBefore = gRecording.eventCount;
  int result = LoadRecording();
  CheckLoad(result, countBefore);
  return result;
}
