// A recording in memory, default settings with the log at HIGH in a private
// folder, and the fake platform acting as the main window: the Playback
// command sent between passes starts the next pass, as the real window
// procedure does.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/command_line.h"
#include "fake_journal_driver.h"
#include "fake_platform.h"
#include "playback/playback_state.h"
#include "playback/scheduler.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/settings.h"
#include "shared/log.h"
#include "test_files.h"

// A key or mouse event reduced to its message and virtual-key code (or x).
using KeyStep = std::pair<uint32_t, uint32_t>;

class PlaybackFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ASSERT_TRUE(folder_.ok());
    log_ = folder_.File("morvik.log");
    gSettings = Settings{};
    FakeSetText("SOFTWARE\\Morvik", "Logfile", log_);
    FakeSetNumber("SOFTWARE\\Morvik", "Log", 3);
    LoadSettings();
    gRunMode = kRunNormal;
    ASSERT_TRUE(AllocateRecording());
    gRecording.fileName[0] = '\0';
    gFake.mainWindow = 0x10;
    gFake.mainVisible = true;
    gFake.onSend = [](uint32_t message, uint32_t wParam, uint32_t) {
      if (message == kWindowCommand &&
          (wParam == ID_PLAY || wParam == ID_PLAY_MAPPING || wParam == ID_PLAY_SERVICE_FILE)) {
        StartPlayback(wParam);
      }
    };
  }

  void TearDown() override {
    gFake.onSend = nullptr;
    ReleaseRecording();
    gRunMode = kRunNormal;
  }

  // Appends a recorded event.
  void AddEvent(uint32_t message, uint32_t paramL, uint32_t time, uint32_t paramH = 0) {
    gRecording.events[gRecording.eventCount++] = EventRecord{message, paramL, paramH, time, 0};
  }

  // Appends a script command with its empty slot.
  void AddCommand(CommandCode code, const char* text) {
    Recording* r = &gRecording;
    int i = r->commandCount++;
    r->code[i] = code;
    snprintf(r->text[i], kCommandTextSize, "%s", text);
    r->eventIndex[i] = r->eventCount;
    r->events[r->eventCount++] = EventRecord{};
  }

  // Plays the recording from the Playback command to its end.
  FakeDriverRun Play(uint32_t command = ID_PLAY) {
    FakeDriverRun run;
    StartPlayback(command);
    RunFakeDriver(&run);
    return run;
  }

  // The log's lines without their CR LF.
  std::vector<std::string> LogLines() const {
    std::string text = ReadWholeFile(log_);
    std::vector<std::string> lines;
    if (text == "<missing>") return lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
      lines.push_back(text.substr(start, end - start));
    }
    return lines;
  }

  bool Logged(const std::string& line) const {
    for (const std::string& l : LogLines()) {
      if (l == line) return true;
    }
    return false;
  }

  int CountLogged(const std::string& prefix) const {
    int n = 0;
    for (const std::string& l : LogLines()) n += l.compare(0, prefix.size(), prefix) == 0;
    return n;
  }

  static std::vector<KeyStep> Steps(const std::vector<EventRecord>& events) {
    std::vector<KeyStep> steps;
    for (const EventRecord& e : events) steps.push_back({e.message, e.paramL});
    return steps;
  }

  // The text that typed key events produce on the US layout (the
  // characters the tests use).
  static std::string TypedText(const std::vector<EventRecord>& events) {
    std::string text;
    bool shift = false;
    for (const EventRecord& e : events) {
      if (e.paramL == 16) {
        shift = e.message == kWmKeyDown;
        continue;
      }
      if (e.message != kWmKeyDown && e.message != kWmSysKeyDown) continue;
      uint32_t k = e.paramL;
      if (k >= '0' && k <= '9')
        text += static_cast<char>(k);
      else if (k >= 'A' && k <= 'Z')
        text += static_cast<char>(shift ? k : k + 32);
      else if (k == 186)
        text += shift ? ':' : ';';
      else if (k == 191)
        text += shift ? '?' : '/';
      else if (k == 32)
        text += ' ';
      else if (k == 9)
        text += '\t';
      else if (k == 13)
        text += '\n';
      else
        text += '#';
    }
    return text;
  }

  TempFolder folder_;
  std::string log_;
};
