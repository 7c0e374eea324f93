// A fixture for the tests of the recording files: an allocated recording,
// the fake platform, a private folder and helpers to write and load files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "recording/binary_format.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "settings/settings.h"
#include "shared/log.h"
#include "test_files.h"

constexpr uint32_t kEditScriptCommand = 1105;
constexpr uint32_t kStyle = kMbTaskModal;  // what MessageBoxStyle() gives in these tests

class RecordingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
    gSettings.messageBoxStyle = kStyle;
    ASSERT_TRUE(AllocateRecording());
    ASSERT_TRUE(folder_.ok());
  }
  void TearDown() override { ReleaseRecording(); }

  std::string Path(const std::string& name) const { return folder_.File(name); }

  void SetFileName(const std::string& path) {
    snprintf(gRecording.fileName, sizeof gRecording.fileName, "%s", path.c_str());
  }

  // Writes `bytes` to the file `name` in the folder and loads it.
  int Load(const std::string& name, const std::string& bytes) {
    WriteWholeFile(Path(name), bytes);
    SetFileName(Path(name));
    return LoadRecording();
  }

  // Logs at LOW into a file of the folder; returns its path.
  std::string LogToFile() {
    gSettings.log = kLogLow;
    snprintf(gSettings.logfile, sizeof gSettings.logfile, "%s", Path("morvik.log").c_str());
    return Path("morvik.log");
  }

  TempFolder folder_;
};

inline EventRecord Event(uint32_t message, uint32_t paramL, uint32_t paramH, uint32_t time,
                         uint32_t hwnd = 0) {
  return EventRecord{message, paramL, paramH, time, hwnd};
}

// The records as a .mvk file holds them.
inline std::string BinaryRecords(const std::vector<EventRecord>& events) {
  std::string bytes;
  for (const EventRecord& e : events) {
    for (uint32_t field : {e.message, e.paramL, e.paramH, e.time, e.hwnd}) {
      for (int i = 0; i < 4; i++) bytes += static_cast<char>((field >> (8 * i)) & 0xFF);
    }
  }
  return bytes;
}

// Puts `events` into the recording as its slots.
inline void SetEvents(const std::vector<EventRecord>& events) {
  ClearEvents();
  for (size_t i = 0; i < events.size(); i++) gRecording.events[i] = events[i];
  gRecording.eventCount = static_cast<int32_t>(events.size());
}

inline bool SameEvent(const EventRecord& a, const EventRecord& b) {
  return a.message == b.message && a.paramL == b.paramL && a.paramH == b.paramH &&
         a.time == b.time && a.hwnd == b.hwnd;
}

inline std::string Describe(const EventRecord& e) {
  return "{" + std::to_string(e.message) + ", L " + std::to_string(e.paramL) + ", H " +
         std::to_string(e.paramH) + ", t " + std::to_string(e.time) + ", w " +
         std::to_string(e.hwnd) + "}";
}
