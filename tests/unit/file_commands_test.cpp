// New, Close, Open and Reload Current File, the save question they ask,
// the reopening of the last file at start-up and the question before the
// window closes.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/save_question.h"
#include "file_command_fixture.h"

namespace {

const char kOpenFilter[] = "Morvik Files (*.mvk;*.mvx)|*.mvk;*.mvx|All Files (*.*)|*.*";
const char kOneLineScript[] = "message=WM_KEYUP paramH=1 paramL=2 time=3\r\n";

// Runs New, Close or Open as the window does.
void RunCommand(uint32_t command, bool* skipOpenDialog) {
  if (command == ID_OPEN) {
    OpenRecordingFile(skipOpenDialog);
  } else {
    NewRecording(command);
  }
}

const char* CommandName(uint32_t command) {
  return command == ID_NEW ? "New" : command == ID_CLOSE ? "Close" : "Open";
}

// A changed recording of the file cur.mvk, and other.mvx to open.
class SaveQuestionTest : public FileCommandTest {
 protected:
  void SetUp() override {
    FileCommandTest::SetUp();
    SetEvents(kRecorded);
    SetFileName(Path("cur.mvk"));
    gRecording.changed = true;
    WriteWholeFile(Path("other.mvx"), kOneLineScript);
  }

  void ExpectQuestion(const std::string& name) {
    ASSERT_FALSE(gFake.messageBoxes.empty());
    EXPECT_EQ(gFake.messageBoxes[0].text, "Save changes to " + name + "?");
    EXPECT_EQ(gFake.messageBoxes[0].caption, "Confirm Action");
    EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbYesNoCancel | kMbIconExclamation);
  }

  // New and Close leave an empty recording; Open loads other.mvx.
  void ExpectCommandRan(uint32_t command) {
    if (command == ID_OPEN) {
      EXPECT_EQ(std::string(gRecording.fileName), Path("other.mvx"));
      EXPECT_EQ(gRecording.eventCount, 1);
    } else {
      EXPECT_STREQ(gRecording.fileName, "");
      EXPECT_EQ(gRecording.eventCount, 0);
    }
    EXPECT_FALSE(gRecording.changed);
  }
};

struct AnswerCase {
  uint32_t command;
  int answer;
};

void PrintTo(const AnswerCase& c, std::ostream* os) {
  *os << CommandName(c.command) << " answer " << c.answer;
}

class AnswerTest : public SaveQuestionTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(AnswerTest, CancelEndsTheCommandYesSendsSaveAsFirst) {
  const AnswerCase& c = GetParam();
  gFake.messageBoxAnswers.push_back(c.answer);
  Choose(Path("other.mvx"));

  RunCommand(c.command, &skipOpenDialog_);

  ExpectQuestion(Path("cur.mvk"));
  EXPECT_EQ(SentCommand(ID_SAVE_AS), c.answer == kIdYes);
  if (c.answer != kIdCancel) {
    ExpectCommandRan(c.command);
    return;
  }
  EXPECT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_TRUE(gFake.dialogCalls.empty());
  EXPECT_EQ(std::string(gRecording.fileName), Path("cur.mvk"));
  EXPECT_EQ(gRecording.eventCount, 3);
  EXPECT_TRUE(gRecording.changed);
  EXPECT_TRUE(gFake.titles.empty());
  EXPECT_TRUE(gFake.menuEnabled.empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, AnswerTest,
                         ::testing::Values(AnswerCase{ID_NEW, kIdYes}, AnswerCase{ID_NEW, kIdNo},
                                           AnswerCase{ID_NEW, kIdCancel},
                                           AnswerCase{ID_CLOSE, kIdYes},
                                           AnswerCase{ID_CLOSE, kIdNo},
                                           AnswerCase{ID_CLOSE, kIdCancel},
                                           AnswerCase{ID_OPEN, kIdYes}, AnswerCase{ID_OPEN, kIdNo},
                                           AnswerCase{ID_OPEN, kIdCancel}));

TEST_F(SaveQuestionTest, YesSavesBeforeTheRecordingIsDropped) {
  DispatchSentCommands();
  gFake.messageBoxAnswers = {kIdYes};
  Choose(Path("saved.mvk"));  // Save As's dialog

  NewRecording(ID_CLOSE);

  EXPECT_EQ(ReadWholeFile(Path("saved.mvk")), BinaryRecords(kRecorded));
  ExpectCommandRan(ID_CLOSE);
}

TEST_F(SaveQuestionTest, YesGoesOnWhenSaveAsIsCancelled) {
  DispatchSentCommands();
  gFake.messageBoxAnswers = {kIdYes};
  CancelDialog();             // Save As's dialog
  Choose(Path("other.mvx"));  // Open's dialog

  OpenRecordingFile(&skipOpenDialog_);

  ASSERT_EQ(gFake.dialogCalls.size(), 2u);
  EXPECT_TRUE(gFake.dialogCalls[0].save);
  EXPECT_FALSE(gFake.dialogCalls[1].save);
  ExpectCommandRan(ID_OPEN);
}

TEST_F(SaveQuestionTest, UntitledRecordingIsNamedSo) {
  SetFileName("");
  gFake.messageBoxAnswers = {kIdCancel};

  EXPECT_FALSE(AskToSaveChanges());

  ExpectQuestion("(Untitled)");
}

struct SilentCase {
  const char* name;
  bool changed;
  bool promptForSave;
  int eventCount;
};

void PrintTo(const SilentCase& c, std::ostream* os) { *os << c.name; }

class SilentTest : public SaveQuestionTest, public ::testing::WithParamInterface<SilentCase> {};

TEST_P(SilentTest, NoQuestionAndTheCommandRuns) {
  const SilentCase& c = GetParam();
  gRecording.changed = c.changed;
  gSettings.promptForSave = c.promptForSave;
  gRecording.eventCount = c.eventCount;
  gFake.messageBoxAnswers = {kIdCancel};

  NewRecording(ID_CLOSE);

  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_TRUE(gFake.sent.empty());
  ExpectCommandRan(ID_CLOSE);
}

INSTANTIATE_TEST_SUITE_P(Conditions, SilentTest,
                         ::testing::Values(SilentCase{"unchanged", false, true, 3},
                                           SilentCase{"prompt off", true, false, 3},
                                           SilentCase{"no actions", true, true, 0}));

struct CloseCase {
  RunMode mode;
  int answer;
  bool asked;
  bool closes;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << "mode " << c.mode << " answer " << c.answer;
}

class CloseWindowTest : public SaveQuestionTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseWindowTest, CancelKeepsTheWindowInNormalModeOnly) {
  const CloseCase& c = GetParam();
  gRunMode = c.mode;
  gFake.messageBoxAnswers = {c.answer};

  EXPECT_EQ(MayCloseMainWindow(), c.closes);

  EXPECT_EQ(gFake.messageBoxes.size(), c.asked ? 1u : 0u);
  EXPECT_EQ(SentCommand(ID_SAVE_AS), c.asked && c.answer == kIdYes);
}

INSTANTIATE_TEST_SUITE_P(Modes, CloseWindowTest,
                         ::testing::Values(CloseCase{kRunNormal, kIdCancel, true, false},
                                           CloseCase{kRunNormal, kIdNo, true, true},
                                           CloseCase{kRunNormal, kIdYes, true, true},
                                           CloseCase{kRunCommandLine, kIdCancel, false, true},
                                           CloseCase{kRunSelfPlaying, kIdCancel, false, true}));

struct EmptyCase {
  uint32_t command;
  bool promptForSave;
  bool hint;
};

void PrintTo(const EmptyCase& c, std::ostream* os) {
  *os << CommandName(c.command) << " prompt " << c.promptForSave;
}

class NewCloseTest : public FileCommandTest, public ::testing::WithParamInterface<EmptyCase> {};

TEST_P(NewCloseTest, LeavesAnEmptyUntitledRecording) {
  const EmptyCase& c = GetParam();
  gSettings.promptForSave = c.promptForSave;
  SetEvents(kRecorded);
  SetFileName(Path("cur.mvx"));
  gRecording.commandCount = 1;

  NewRecording(c.command);

  EXPECT_EQ(gRecording.eventCount, 0);
  for (int i = 0; i < 3; i++) EXPECT_TRUE(SameEvent(gRecording.events[i], Event(0, 0, 0, 0)));
  EXPECT_STREQ(gRecording.fileName, "");
  EXPECT_FALSE(gRecording.changed);
  EXPECT_EQ(gRecording.commandCount, 1);  // the script list is left as it is
  EXPECT_EQ(gFake.titles, std::vector<std::string>{"Morvik"});
  EXPECT_EQ(gFake.menuEnabled, kEmptyMenu);
  if (!c.hint) {
    EXPECT_TRUE(gFake.messageBoxes.empty());
    return;
  }
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "Press the blue \"Start Recording\" button to begin saving actions.");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "New Recording");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbUserIcon);
}

INSTANTIATE_TEST_SUITE_P(Commands, NewCloseTest,
                         ::testing::Values(EmptyCase{ID_NEW, true, true},
                                           EmptyCase{ID_NEW, false, false},
                                           EmptyCase{ID_CLOSE, true, false}));

class OpenTest : public FileCommandTest {
 protected:
  void SetUp() override {
    FileCommandTest::SetUp();
    gSettings.promptForSave = 0;
  }
};

struct OpenCase {
  const char* file;
  bool binary;
  int lastFileType;
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.file; }

class OpenChosenTest : public OpenTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenChosenTest, LoadsTheChosenFile) {
  const OpenCase& c = GetParam();
  WriteWholeFile(Path(c.file), c.binary ? BinaryRecords(kRecorded) : kOneLineScript);
  SetFileName(Path("prev.mvk"));
  gRecording.changed = true;
  gSettings.lastFileType = static_cast<uint8_t>(3 - c.lastFileType);
  Choose(Path(c.file));

  OpenRecordingFile(&skipOpenDialog_);

  ASSERT_EQ(gFake.dialogCalls.size(), 1u);
  EXPECT_FALSE(gFake.dialogCalls[0].save);
  EXPECT_EQ(gFake.dialogCalls[0].proposal, Path("prev.mvk"));
  EXPECT_EQ(gFake.dialogCalls[0].filter, kOpenFilter);
  EXPECT_EQ(gFake.dialogCalls[0].filterIndex, 1);
  EXPECT_EQ(gRecording.eventCount, c.binary ? 3 : 1);
  EXPECT_EQ(std::string(gRecording.fileName), Path(c.file));
  EXPECT_EQ(gFake.titles, std::vector<std::string>{"Morvik - " + Path(c.file)});
  EXPECT_FALSE(gRecording.changed);
  EXPECT_EQ(gSettings.lastFileType, c.lastFileType);
  EXPECT_EQ(FakeText(kMorvikKeyPath, "File1"), Path(c.file));
  std::map<uint32_t, bool> menu = kLoadedMenu;
  menu[ID_EDIT_SCRIPT] = !c.binary;
  EXPECT_EQ(gFake.menuEnabled, menu);
  EXPECT_TRUE(gFake.sent.empty());
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, OpenChosenTest,
                         ::testing::Values(OpenCase{"rec.mvk", true, 1},
                                           OpenCase{"Script.MVX", false, 2}));

TEST_F(OpenTest, CancelledDialogChangesNothing) {
  SetEvents(kRecorded);
  SetFileName(Path("prev.mvk"));
  CancelDialog();

  OpenRecordingFile(&skipOpenDialog_);

  EXPECT_EQ(std::string(gRecording.fileName), Path("prev.mvk"));
  EXPECT_EQ(gRecording.eventCount, 3);
  EXPECT_TRUE(gFake.titles.empty());
  EXPECT_TRUE(gFake.menuEnabled.empty());
  EXPECT_EQ(FakeValue(kMorvikKeyPath, "File1"), nullptr);
  EXPECT_EQ(gSettings.lastFileType, 1);
}

TEST_F(OpenTest, SkippedDialogOpensTheFileNameOnce) {
  WriteWholeFile(Path("recent.mvx"), kOneLineScript);
  SetFileName(Path("recent.mvx"));
  skipOpenDialog_ = true;

  OpenRecordingFile(&skipOpenDialog_);

  EXPECT_TRUE(gFake.dialogCalls.empty());
  EXPECT_FALSE(skipOpenDialog_);
  EXPECT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gFake.titles, std::vector<std::string>{"Morvik - " + Path("recent.mvx")});
}

TEST_F(OpenTest, CancelledQuestionForgetsTheSkippedDialog) {
  gSettings.promptForSave = 1;
  SetEvents(kRecorded);
  gRecording.changed = true;
  skipOpenDialog_ = true;
  gFake.messageBoxAnswers = {kIdCancel};

  OpenRecordingFile(&skipOpenDialog_);

  EXPECT_FALSE(skipOpenDialog_);
  EXPECT_EQ(gRecording.eventCount, 3);
}

// A recent file or the start-up reload asks Open for another file: the
// save question is about the recording in memory, under its own name, and
// a Cancel leaves that name alone.
TEST_F(OpenTest, RequestedOpenAsksAboutTheRecordingInMemory) {
  gSettings.promptForSave = 1;
  SetEvents(kRecorded);
  SetFileName(Path("current.mvk"));
  gRecording.changed = true;
  WriteWholeFile(Path("other.mvx"), kOneLineScript);
  DispatchSentCommands();

  gFake.messageBoxAnswers = {kIdCancel};
  RequestOpen(Path("other.mvx").c_str(), &skipOpenDialog_);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Save changes to " + Path("current.mvk") + "?");
  EXPECT_EQ(std::string(gRecording.fileName), Path("current.mvk"));
  EXPECT_EQ(gRecording.eventCount, 3);
  EXPECT_FALSE(skipOpenDialog_);

  gFake.messageBoxAnswers = {kIdNo};
  RequestOpen(Path("other.mvx").c_str(), &skipOpenDialog_);
  EXPECT_EQ(std::string(gRecording.fileName), Path("other.mvx"));
  EXPECT_EQ(gRecording.eventCount, 1);
  EXPECT_TRUE(gFake.dialogCalls.empty());
}

TEST_F(OpenTest, FailedLoadKeepsTitleAndStateButTakesTheName) {
  SetEvents(kRecorded);
  SetFileName(Path("prev.mvk"));
  gRecording.changed = true;
  Choose(Path("missing.mvk"));

  OpenRecordingFile(&skipOpenDialog_);

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to open file '" + Path("missing.mvk") +
                                            "'! (-2)\n\nPlease verify that the file exists.");
  EXPECT_TRUE(gFake.titles.empty());
  EXPECT_TRUE(gFake.menuEnabled.empty());
  EXPECT_TRUE(gRecording.changed);
  EXPECT_EQ(std::string(gRecording.fileName), Path("missing.mvk"));
  EXPECT_EQ(FakeText(kMorvikKeyPath, "File1"), Path("missing.mvk"));
}

class PlayImmediatelyTest : public OpenTest, public ::testing::WithParamInterface<bool> {};

TEST_P(PlayImmediatelyTest, PlaysFromTheFirstPassRightAfterTheLoad) {
  gSettings.playImmediately = GetParam();
  gPlayback.loopsCompleted = 5;
  WriteWholeFile(Path("rec.mvk"), BinaryRecords(kRecorded));
  Choose(Path("rec.mvk"));
  int countAtPlay = -1;
  gFake.onSend = [&countAtPlay](uint32_t message, uint32_t command, uint32_t) {
    if (message == kWindowCommand && command == ID_PLAY) countAtPlay = gRecording.eventCount;
  };

  OpenRecordingFile(&skipOpenDialog_);

  if (!GetParam()) {
    EXPECT_TRUE(gFake.sent.empty());
    EXPECT_EQ(gPlayback.loopsCompleted, 5);
    return;
  }
  ASSERT_EQ(gFake.sent.size(), 1u);
  EXPECT_TRUE(SentCommand(ID_PLAY));
  EXPECT_EQ(countAtPlay, 3);
  EXPECT_EQ(gPlayback.loopsCompleted, 0);
}

INSTANTIATE_TEST_SUITE_P(OnOff, PlayImmediatelyTest, ::testing::Bool());

TEST_F(OpenTest, ReloadReadsTheFileAgainAndNothingElse) {
  WriteWholeFile(Path("rec.mvk"), BinaryRecords(kRecorded));
  SetFileName(Path("rec.mvk"));
  gRecording.changed = true;
  WriteWholeFile(Path("rec.mvk"), BinaryRecords({Event(kWmKeyDown, 0x42, 1, 7)}));

  ReloadCurrentFile();

  EXPECT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gRecording.events[0].paramL, 0x42u);
  EXPECT_TRUE(gRecording.changed);
  EXPECT_TRUE(gFake.titles.empty());
  EXPECT_EQ(gFake.menuEnabled.count(ID_PLAY), 0u);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(OpenTest, ReloadWithoutFileNameDoesNothing) {
  SetEvents(kRecorded);

  ReloadCurrentFile();

  EXPECT_EQ(gRecording.eventCount, 3);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

enum LastFile { kStored, kStoredMissing, kStoredEmpty, kNotStored };

struct ReopenCase {
  const char* name;
  bool reload;
  RunMode mode;
  LastFile lastFile;
  bool opens;
};

void PrintTo(const ReopenCase& c, std::ostream* os) { *os << c.name; }

class ReopenTest : public OpenTest, public ::testing::WithParamInterface<ReopenCase> {};

TEST_P(ReopenTest, OpensTheMostRecentFileWithoutTheDialog) {
  const ReopenCase& c = GetParam();
  gSettings.reload = c.reload;
  gRunMode = c.mode;
  if (c.lastFile != kNotStored) FakeSetText(kMorvikKeyPath, "File1", Path("last.mvk"));
  if (c.lastFile == kStored) WriteWholeFile(Path("last.mvk"), BinaryRecords(kRecorded));
  if (c.lastFile == kStoredEmpty) WriteWholeFile(Path("last.mvk"), "");
  DispatchSentCommands();

  ReopenLastFile(&skipOpenDialog_);

  EXPECT_EQ(SentCommand(ID_OPEN), c.opens);
  EXPECT_FALSE(skipOpenDialog_);
  EXPECT_TRUE(gFake.dialogCalls.empty());
  EXPECT_EQ(gRecording.eventCount, c.opens ? 3 : 0);
  EXPECT_EQ(gFake.titles, c.opens ? std::vector<std::string>{"Morvik - " + Path("last.mvk")}
                                  : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReopenTest,
    ::testing::Values(ReopenCase{"stored", true, kRunNormal, kStored, true},
                      ReopenCase{"reload off", false, kRunNormal, kStored, false},
                      ReopenCase{"command line", true, kRunCommandLine, kStored, false},
                      ReopenCase{"missing file", true, kRunNormal, kStoredMissing, false},
                      ReopenCase{"empty file", true, kRunNormal, kStoredEmpty, false},
                      ReopenCase{"nothing stored", true, kRunNormal, kNotStored, false}));

}  // namespace
