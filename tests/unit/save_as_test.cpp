// Save As: the dialog loop with its proposal, conflicts, refusals and the
// overwrite question, and writing through a new file that replaces the old
// one only when everything was written.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "file_command_fixture.h"
#include "shared/nocase.h"

namespace {

const char kSaveFilter[] =
    "Morvik Recording (*.mvk)|*.mvk|Morvik Editable Text Files (*.mvx)|*.mvx|All Files "
    "(*.*)|*.*";
const char kTextHeaderStart[] = "; This file was created by Morvik \r\n";
const char kLastTextLine[] = "message=15 paramH=0 paramL=0 time=30\r\n";

class SaveAsTest : public FileCommandTest {
 protected:
  void SetUp() override {
    FileCommandTest::SetUp();
    SetEvents(kRecorded);
    gRecording.changed = true;
  }

  void ExpectOneBox(const std::string& text, const std::string& caption, uint32_t style) {
    ASSERT_EQ(gFake.messageBoxes.size(), 1u);
    EXPECT_EQ(gFake.messageBoxes[0].text, text);
    EXPECT_EQ(gFake.messageBoxes[0].caption, caption);
    EXPECT_EQ(gFake.messageBoxes[0].style, style);
  }

  void ExpectSavedAs(const std::string& path) {
    EXPECT_EQ(std::string(gRecording.fileName), path);
    ASSERT_FALSE(gFake.titles.empty());
    EXPECT_EQ(gFake.titles.back(), "Morvik - " + path);
    EXPECT_FALSE(gRecording.changed);
    EXPECT_EQ(FakeText(kMorvikKeyPath, "File1"), path);
  }

  void ExpectNothingSaved() {
    EXPECT_TRUE(gFake.titles.empty());
    EXPECT_TRUE(gRecording.changed);
  }
};

TEST_F(SaveAsTest, NoRecordingShowsItsMessageOnly) {
  gRecording.eventCount = 0;

  SaveAs();

  ExpectOneBox(kNoActionsMessage, "Save Error", kStyle | kMbIconExclamation);
  EXPECT_TRUE(gFake.dialogCalls.empty());
}

struct NamingCase {
  const char* fileName;  // before, below the folder; "" for a new recording
  int lastFileType;
  const char* typed;  // below the folder
  int filterChosen;   // 0 keeps the proposed filter
  const char* saved;  // below the folder
  bool binary;
};

void PrintTo(const NamingCase& c, std::ostream* os) {
  *os << "'" << c.fileName << "' type " << c.lastFileType << " typed '" << c.typed << "'";
}

class NamingTest : public SaveAsTest, public ::testing::WithParamInterface<NamingCase> {};

TEST_P(NamingTest, SavesUnderTheChosenNameInItsFormat) {
  const NamingCase& c = GetParam();
  if (c.fileName[0] != '\0') SetFileName(Path(c.fileName));
  gSettings.lastFileType = static_cast<uint8_t>(c.lastFileType);
  std::filesystem::create_directories(std::filesystem::path(Path(c.saved)).parent_path());
  Choose(Path(c.typed), c.filterChosen);

  SaveAs();

  ASSERT_EQ(gFake.dialogCalls.size(), 1u);
  EXPECT_TRUE(gFake.dialogCalls[0].save);
  EXPECT_EQ(gFake.dialogCalls[0].proposal,
            c.fileName[0] != '\0' ? Path(c.fileName) : std::string("Morvik1"));
  EXPECT_EQ(gFake.dialogCalls[0].filter, kSaveFilter);
  EXPECT_EQ(gFake.dialogCalls[0].filterIndex, c.lastFileType);
  EXPECT_TRUE(gFake.messageBoxes.empty());
  ExpectSavedAs(Path(c.saved));
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{c.saved});
  std::string bytes = ReadWholeFile(Path(c.saved));
  if (c.binary) {
    EXPECT_EQ(bytes, BinaryRecords(kRecorded));
  } else {
    EXPECT_EQ(bytes.rfind(kTextHeaderStart, 0), 0u) << bytes;
    EXPECT_EQ(bytes.substr(bytes.size() - strlen(kLastTextLine)), kLastTextLine);
  }
  EXPECT_EQ(gFake.menuEnabled.at(ID_EDIT_SCRIPT), !c.binary);
  EXPECT_EQ(gSettings.lastFileType, FindNoCase(c.saved, ".mvx") >= 0 ? 2 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NamingTest,
    ::testing::Values(NamingCase{"", 1, "rec", 0, "rec.mvk", true},
                      NamingCase{"", 2, "rec", 0, "rec.mvx", false},
                      NamingCase{"old.mvx", 1, "new", 2, "new.mvx", false},
                      NamingCase{"", 1, "Loud.MVX", 2, "Loud.MVX", false},
                      NamingCase{"", 2, "any", 3, "any.mvk", true},
                      // A '.' only in a folder name: no extension, saved as text.
                      NamingCase{"", 1, "jane.doe/rec", 0, "jane.doe/rec", false}));

TEST_F(SaveAsTest, ConflictShowsTheDialogAgainWithTheChosenName) {
  Choose(Path("rec.mvx"));     // under the binary filter
  Choose(Path("rec.mvx"), 2);  // now under the text filter

  SaveAs();

  ExpectOneBox(
      "The Extension and File Type choices are not the same.\n\nPlease choose between .MVK or "
      ".MVX as a file format.",
      "File Type Conflict", kStyle | kMbIconExclamation);
  ASSERT_EQ(gFake.dialogCalls.size(), 2u);
  EXPECT_EQ(gFake.dialogCalls[1].proposal, Path("rec.mvx"));
  EXPECT_EQ(gFake.dialogCalls[1].filterIndex, 1);
  ExpectSavedAs(Path("rec.mvx"));
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"rec.mvx"});
}

TEST_F(SaveAsTest, ProgramNameIsRefusedAndTheDialogStartsOver) {
  SetFileName(Path("old.mvk"));
  Choose(Path("player.EXE"));
  CancelDialog();

  SaveAs();

  ExpectOneBox(
      "To compile an executable program, please use the \"Create Executable Program (.EXE)\" "
      "command in the Tools Menu.\n\nYou cannot create an .EXE program with \"File Save\".",
      "Save Error", kStyle | kMbIconExclamation);
  ASSERT_EQ(gFake.dialogCalls.size(), 2u);
  EXPECT_EQ(gFake.dialogCalls[1].proposal, Path("player.EXE"));
  // Cancelled: the name from before, nothing written.
  EXPECT_EQ(std::string(gRecording.fileName), Path("old.mvk"));
  EXPECT_TRUE(FolderFiles().empty());
  EXPECT_EQ(gSettings.lastFileType, 1);
  EXPECT_EQ(FakeValue(kMorvikKeyPath, "File1"), nullptr);
  ExpectNothingSaved();
}

TEST_F(SaveAsTest, CancelKeepsTheNameFromBefore) {
  CancelDialog();

  SaveAs();

  ASSERT_EQ(gFake.dialogCalls.size(), 1u);
  EXPECT_EQ(gFake.dialogCalls[0].proposal, "Morvik1");
  EXPECT_STREQ(gRecording.fileName, "");
  EXPECT_TRUE(gFake.messageBoxes.empty());
  ExpectNothingSaved();
}

struct OverwriteCase {
  bool promptForSave;
  int answer;  // to the question, when it is asked
  bool replaced;
};

void PrintTo(const OverwriteCase& c, std::ostream* os) {
  *os << "prompt " << c.promptForSave << " answer " << c.answer;
}

class OverwriteTest : public SaveAsTest, public ::testing::WithParamInterface<OverwriteCase> {};

TEST_P(OverwriteTest, ExistingFileIsReplacedOnlyWhenAllowed) {
  const OverwriteCase& c = GetParam();
  gSettings.promptForSave = c.promptForSave;
  WriteWholeFile(Path("rec.mvk"), "old contents");
  Choose(Path("rec.mvk"));
  gFake.messageBoxAnswers.push_back(c.answer);

  SaveAs();  // a refusal leads to the dialog again, which is cancelled

  if (c.promptForSave) {
    ExpectOneBox(Path("rec.mvk") + "\nThis file already exists.\nReplace existing file?", "Save",
                 kStyle | kMbYesNo | kMbIconQuestion);
  } else {
    EXPECT_TRUE(gFake.messageBoxes.empty());
  }
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"rec.mvk"});
  if (c.replaced) {
    EXPECT_EQ(ReadWholeFile(Path("rec.mvk")), BinaryRecords(kRecorded));
    ExpectSavedAs(Path("rec.mvk"));
    return;
  }
  EXPECT_EQ(ReadWholeFile(Path("rec.mvk")), "old contents");
  ASSERT_EQ(gFake.dialogCalls.size(), 2u);
  EXPECT_EQ(gFake.dialogCalls[1].proposal, "Morvik1");  // the name from before
  EXPECT_STREQ(gRecording.fileName, "");
  ExpectNothingSaved();
}

INSTANTIATE_TEST_SUITE_P(Answers, OverwriteTest,
                         ::testing::Values(OverwriteCase{true, kIdYes, true},
                                           OverwriteCase{true, kIdNo, false},
                                           OverwriteCase{false, kIdNo, true}));

enum Failure { kScriptInBinary, kTextWriteFails, kTargetIsFolder, kFolderMissing };

struct FailureCase {
  Failure failure;
  const char* target;  // below the folder
  const char* text;    // the message; %s stands for the target's path
  const char* caption;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.target; }

class SaveFailureTest : public SaveAsTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(SaveFailureTest, OldFileStaysWholeAndNothingIsLeftBehind) {
  const FailureCase& c = GetParam();
  gSettings.promptForSave = 0;
  std::string target = Path(c.target);
  if (c.failure == kScriptInBinary) {
    SetEvents({Event(kWmKeyDown, 0x41, 1, 10), Event(kMsgEmpty, 0, 0, 0)});
  }
  if (c.failure == kTargetIsFolder) {
    std::filesystem::create_directory(target);
    WriteWholeFile(target + "/inside.txt", "kept");
  } else if (c.failure != kFolderMissing) {
    WriteWholeFile(target, "old contents");
  }
  std::vector<std::string> before = FolderFiles();
  Choose(target, FindNoCase(c.target, ".mvx") >= 0 ? 2 : 1);
  // The text writer's working buffer is the next allocation.
  if (c.failure == kTextWriteFails) gFake.failAllocation = gFake.allocations + 1;

  SaveAs();

  std::string text = c.text;
  size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, target);
  ExpectOneBox(text, c.caption, kStyle | kMbIconExclamation);
  EXPECT_EQ(FolderFiles(), before);
  if (c.failure == kTargetIsFolder) {
    EXPECT_EQ(ReadWholeFile(target + "/inside.txt"), "kept");
  } else if (c.failure != kFolderMissing) {
    EXPECT_EQ(ReadWholeFile(target), "old contents");
  }
  EXPECT_EQ(std::string(gRecording.fileName), target);  // the new name stays
  ExpectNothingSaved();
}

INSTANTIATE_TEST_SUITE_P(
    Failures, SaveFailureTest,
    ::testing::Values(
        FailureCase{kScriptInBinary, "rec.mvk",
                    "This file cannot be saved in the \"MVK\" binary format since it appears to "
                    "contain script commands or empty messages.\n\nTry re-saving it in the "
                    "\"MVX\" text format.",
                    "Error"},
        FailureCase{kTextWriteFails, "rec.mvx", "Memory Allocation Failure", "Memory Error"},
        FailureCase{kTargetIsFolder, "taken.mvx", "Unable to save file '%s'!", "Error"},
        FailureCase{kFolderMissing, "missing/rec.mvk", "Unable to save file '%s'!", "Error"}));

}  // namespace
