// Create Executable Program: the dialog, the overwrite question, the copy
// of the program with the recording appended as text or binary, and the
// failures.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "recording/self_playing.h"
#include "recording_files.h"

namespace {

using namespace std::string_literals;

class CreateExecutableTest : public RecordingFileTest {
 protected:
  void SetUp() override {
    RecordingFileTest::SetUp();
    WriteWholeFile(Path("Morvik.exe"), kProgram);
    gFake.moduleFileName = Path("Morvik.exe");
    gFake.imageLength = static_cast<uint32_t>(kProgram.size());
    gFake.mainWindow = 42;
    gSettings.promptForSave = 0;
  }

  void Choose(const std::string& path, int filterIndex = 0) {
    gFake.dialogAnswers.push_back({true, path, filterIndex});
  }

  void ExpectSuccessMessage(const std::string& program) {
    ASSERT_FALSE(gFake.messageBoxes.empty());
    const FakeMessageBox& box = gFake.messageBoxes.back();
    EXPECT_EQ(box.text, "The file \"" + program + "\" was successfully created.");
    EXPECT_EQ(box.caption, "Create Executable");
    EXPECT_EQ(box.style, kStyle | kMbUserIcon);
  }

  const std::string kProgram = "MZ\x90\x00 stand-in program "s + std::string(100, 'p');
  const std::vector<EventRecord> kRecorded = {Event(kWmKeyUp, 0x41, 1, 10), Event(0, 0, 0, 0),
                                              Event(kMsgEndMarker, 0, 0, 30)};
};

TEST_F(CreateExecutableTest, NoRecordingShowsItsMessageOnly) {
  CreateExecutable();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "There are no actions currently recorded.\n\nPress the blue \"Start Recording\" "
            "button to begin saving actions.");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Save Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
  EXPECT_TRUE(gFake.dialogCalls.empty());
}

struct ProposalCase {
  const char* fileName;
  const char* proposal;
};

void PrintTo(const ProposalCase& c, std::ostream* os) { *os << c.fileName; }

class ProposalTest : public CreateExecutableTest,
                     public ::testing::WithParamInterface<ProposalCase> {};

TEST_P(ProposalTest, ProposesTheNameWithExe) {
  SetEvents(kRecorded);
  SetFileName(GetParam().fileName);

  CreateExecutable();  // the dialog is cancelled

  ASSERT_EQ(gFake.dialogCalls.size(), 1u);
  EXPECT_TRUE(gFake.dialogCalls[0].save);
  EXPECT_EQ(gFake.dialogCalls[0].proposal, GetParam().proposal);
  EXPECT_EQ(gFake.dialogCalls[0].filter, "Program Files (*.exe)|*.exe|All Files (*.*)|*.*");
  EXPECT_EQ(gFake.dialogCalls[0].filterIndex, 1);
  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_STREQ(gRecording.fileName, GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProposalTest,
    ::testing::Values(ProposalCase{"C:\\Recordings\\demo.mvx", "C:\\Recordings\\demo.exe"},
                      ProposalCase{"C:\\Recordings\\demo.v2.mvk", "C:\\Recordings\\demo.exe"},
                      // A dot in a folder name stays where it is.
                      ProposalCase{"C:\\Users\\jane.doe\\demo.mvk",
                                   "C:\\Users\\jane.doe\\demo.exe"},
                      ProposalCase{"/home/jane.doe/rec", "/home/jane.doe/rec.exe"},
                      ProposalCase{"", ".exe"}));

TEST_F(CreateExecutableTest, RecordedEventsAreAppendedAsBinaryRecords) {
  SetEvents(kRecorded);
  SetFileName(Path("rec.mvk"));
  gRecording.changed = true;
  Choose(Path("player"));  // the dialog adds ".exe"

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("player.exe")), kProgram + BinaryRecords(kRecorded));
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  ExpectSuccessMessage(Path("player.exe"));
  EXPECT_FALSE(gRecording.changed);
  EXPECT_EQ(std::string(gRecording.fileName), Path("rec.mvk"));
}

TEST_F(CreateExecutableTest, ChosenNameIsCutAtItsFirstDot) {
  SetEvents(kRecorded);
  // A recording extension under the program filter is a conflict, which
  // counts as a choice.
  Choose(Path("player.v2.mvk"));

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("player.exe")), kProgram + BinaryRecords(kRecorded));
  ExpectSuccessMessage(Path("player.exe"));
}

TEST_F(CreateExecutableTest, ScriptIsAppendedAsTheFileOnDisk) {
  const std::string script =
      "; script\r\nSTART notepad.exe\r\nmessage=WM_KEYUP paramH=1 paramL=2\r\n";
  ASSERT_EQ(Load("script.mvx", script + "\0; after the NUL"s), 1);
  gRecording.events[1].paramL = 99;  // changes since the load are not in the program
  Choose(Path("script.exe"));

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("script.exe")), kProgram + script);
  ExpectSuccessMessage(Path("script.exe"));
}

TEST_F(CreateExecutableTest, ScriptWithACommandLaterIsAppendedInBinary) {
  ASSERT_EQ(Load("later.mvx", "message=WM_KEYUP paramH=1 paramL=2 time=3\r\nWAIT 1\r\n"), 1);
  Choose(Path("later.exe"));

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("later.exe")),
            kProgram + BinaryRecords({Event(kWmKeyUp, 2, 1, 3), Event(0, 0, 0, 0)}));
}

TEST_F(CreateExecutableTest, ProgramsPlayBackWhatWasPacked) {
  // The recorded one begins with WM_KEYUP, whose low byte is not 0.
  SetEvents(kRecorded);
  Choose(Path("binary.exe"));
  CreateExecutable();
  ASSERT_EQ(Load("script.mvx", "START calc.exe\r\nmessage=WM_KEYUP paramH=1 paramL=2\r\n"), 1);
  Choose(Path("text.exe"));
  CreateExecutable();

  SetFileName(Path("binary.exe"));
  EXPECT_EQ(LoadRecording(), 0);
  ASSERT_EQ(gRecording.eventCount, 3);
  for (int i = 0; i < 3; i++) EXPECT_TRUE(SameEvent(gRecording.events[i], kRecorded[i])) << i;

  SetFileName(Path("text.exe"));
  EXPECT_EQ(LoadRecording(), 1);
  EXPECT_EQ(gRecording.eventCount, 2);
  EXPECT_STREQ(gRecording.text[0], "calc.exe");
}

TEST_F(CreateExecutableTest, ScriptInsideAProgramIsTakenFromBehindTheImage) {
  const std::string script = "START notepad.exe\r\n";
  ASSERT_EQ(Load("old.exe", kProgram + script), 1);
  Choose(Path("new.exe"));

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("new.exe")), kProgram + script);
}

TEST_F(CreateExecutableTest, ExistingFileIsReplacedOnlyAfterYes) {
  SetEvents(kRecorded);
  WriteWholeFile(Path("old.exe"), "old contents");
  Choose(Path("old.exe"));
  gFake.messageBoxAnswers.push_back(kIdNo);

  CreateExecutable();  // PromptForSave is off, and still it asks

  EXPECT_EQ(ReadWholeFile(Path("old.exe")), "old contents");
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            Path("old.exe") + "\nThis file already exists.\nReplace existing file?");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Create .EXE");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbYesNo | kMbIconQuestion);

  Choose(Path("old.exe"));
  gFake.messageBoxAnswers.push_back(kIdYes);
  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("old.exe")), kProgram + BinaryRecords(kRecorded));
  ExpectSuccessMessage(Path("old.exe"));
}

TEST_F(CreateExecutableTest, FailedCopyIsReportedAndNothingIsAppended) {
  SetEvents(kRecorded);
  gRecording.changed = true;
  gFake.moduleFileName = Path("gone.exe");
  Choose(Path("player.exe"));

  CreateExecutable();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to save file '" + Path("player.exe") + "'!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
  EXPECT_FALSE(FileExists(Path("player.exe")));
  EXPECT_TRUE(gRecording.changed);
}

TEST_F(CreateExecutableTest, ProgramIsNeverCopiedOntoItself) {
  SetEvents(kRecorded);
  Choose(Path("Morvik.exe"));
  gFake.messageBoxAnswers.push_back(kIdYes);

  CreateExecutable();

  EXPECT_EQ(ReadWholeFile(Path("Morvik.exe")), kProgram);
  EXPECT_EQ(gFake.messageBoxes.back().text, "Unable to save file '" + Path("Morvik.exe") + "'!");
}

TEST_F(CreateExecutableTest, UnreadableScriptStopsAfterTheCopy) {
  ASSERT_EQ(Load("script.mvx", "START x\r\n"), 1);
  std::remove(Path("script.mvx").c_str());
  gRecording.changed = true;
  Choose(Path("script.exe"));

  CreateExecutable();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to read file");
  EXPECT_EQ(gFake.messageBoxes[0].caption, Path("script.mvx"));
  EXPECT_EQ(ReadWholeFile(Path("script.exe")), kProgram);  // the copy stays
  EXPECT_TRUE(gRecording.changed);
}

TEST_F(CreateExecutableTest, MissingScriptBufferStops) {
  ASSERT_EQ(Load("script.mvx", "START x\r\n"), 1);
  Choose(Path("script.exe"));
  gFake.failAllocation = gFake.allocations + 1;

  CreateExecutable();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to allocate memory");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Internal Error");
}

}  // namespace
