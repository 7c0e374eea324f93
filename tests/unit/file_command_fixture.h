// A fixture for the main window's file commands: the recording fixture
// with a main window, the defaults of a Normal run, and a window procedure
// stand-in for the commands they send.
#pragma once

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/file_commands.h"
#include "app/save_as.h"
#include "playback/playback_state.h"
#include "recording_files.h"
#include "resource_ids.h"

const char kMorvikKeyPath[] = "SOFTWARE\\Morvik";

class FileCommandTest : public RecordingFileTest {
 protected:
  void SetUp() override {
    RecordingFileTest::SetUp();
    // A '.' in the folder would change how the dialog names files.
    ASSERT_EQ(folder_.path().find('.'), std::string::npos)
        << "the temporary folder's path must not contain '.'";
    gFake.mainWindow = 42;
    gRecording.fileName[0] = '\0';
    gRecording.changed = false;
    gSettings.lastFileType = 1;
    gSettings.promptForSave = 1;
    gRunMode = kRunNormal;
  }
  void TearDown() override {
    gRunMode = kRunNormal;
    RecordingFileTest::TearDown();
  }

  // Handles Save As and Open when they are sent, as the window does.
  void DispatchSentCommands() {
    gFake.onSend = [this](uint32_t message, uint32_t command, uint32_t) {
      if (message != kWindowCommand) return;
      if (command == ID_SAVE_AS) SaveAs();
      if (command == ID_OPEN) OpenRecordingFile(&skipOpenDialog_);
    };
  }

  void Choose(const std::string& path, int filterIndex = 0) {
    gFake.dialogAnswers.push_back({true, path, filterIndex});
  }
  void CancelDialog() { gFake.dialogAnswers.push_back({false, "", 0}); }

  // The files below the folder, by their paths relative to it, sorted.
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_.path())) {
      if (entry.is_regular_file())
        files.push_back(std::filesystem::relative(entry.path(), folder_.path()).string());
    }
    std::sort(files.begin(), files.end());
    return files;
  }

  bool SentCommand(uint32_t command) const {
    for (const FakeMessage& m : gFake.sent) {
      if (m.message == kWindowCommand && m.wParam == command && m.lParam == 0) return true;
    }
    return false;
  }

  bool skipOpenDialog_ = false;
  const std::vector<EventRecord> kRecorded = {Event(kWmKeyDown, 0x41, 1, 10, 5),
                                              Event(kWmKeyUp, 0x41, 1, 20, 5),
                                              Event(kMsgEndMarker, 0, 0, 30)};
};

// The menu states of the Empty and Loaded command states.
const std::map<uint32_t, bool> kEmptyMenu = {{ID_START_RECORDING, true}, {ID_OPEN, true},
                                             {ID_STOP_RECORDING, false}, {ID_NEW, false},
                                             {ID_PLAY, false},           {ID_EDIT_SCRIPT, false},
                                             {ID_CLOSE, false},          {ID_SAVE_AS, false},
                                             {ID_CREATE_EXE, false},     {ID_RELOAD, false}};
const std::map<uint32_t, bool> kLoadedMenu = {{ID_START_RECORDING, true},
                                              {ID_OPEN, true},
                                              {ID_STOP_RECORDING, false},
                                              {ID_NEW, true},
                                              {ID_PLAY, true},
                                              {ID_CLOSE, true},
                                              {ID_SAVE_AS, true},
                                              {ID_CREATE_EXE, true},
                                              {ID_RELOAD, true}};
