#include "app/file_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_platform.h"
#include "recording/recording.h"
#include "test_files.h"

namespace {

using namespace std::string_literals;

// The filter lists of Save As, Open and the backup export.
const std::string kRecordingFilter =
    "Morvik Recording (*.mvk)\0*.mvk\0Morvik Editable Text Files (*.mvx)\0*.mvx\0"
    "All Files (*.*)\0*.*\0\0"s;
const std::string kOpenFilter =
    "Morvik Files (*.mvk;*.mvx)\0*.mvk;*.mvx\0All Files (*.*)\0*.*\0\0"s;
const std::string kBackupFilter =
    "Registry Files (*.reg)\0*.reg\0Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0\0"s;

class ChooseFileNameTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFakePlatform(); }
};

TEST_F(ChooseFileNameTest, OpenReturnsTheChosenPathAsIs) {
  char name[kFileNameSize] = "C:\\old.mvk";
  gFake.dialogAnswers.push_back({true, "C:\\Recordings\\demo", 2});

  EXPECT_EQ(ChooseFileName(77, name, sizeof name, kOpenFilter.c_str(), kChooseOpen, 1),
            kChooseChosen);

  EXPECT_STREQ(name, "C:\\Recordings\\demo");  // no extension in Open mode
  ASSERT_EQ(gFake.dialogCalls.size(), 1u);
  EXPECT_FALSE(gFake.dialogCalls[0].save);
  EXPECT_EQ(gFake.dialogCalls[0].proposal, "C:\\old.mvk");
  EXPECT_EQ(gFake.dialogCalls[0].filter,
            "Morvik Files (*.mvk;*.mvx)|*.mvk;*.mvx|All Files (*.*)|*.*");
  EXPECT_EQ(gFake.dialogCalls[0].filterIndex, 1);
}

TEST_F(ChooseFileNameTest, CancelReturnsZeroAndKeepsTheName) {
  for (int mode : {kChooseOpen, kChooseSave}) {
    SCOPED_TRACE(mode);
    ResetFakePlatform();
    char name[kFileNameSize] = "C:\\old.mvk";
    gFake.dialogAnswers.push_back({false, "C:\\other.mvk", 0});
    EXPECT_EQ(ChooseFileName(0, name, sizeof name, kRecordingFilter.c_str(), mode, 2),
              kChooseCancelled);
    EXPECT_STREQ(name, "C:\\old.mvk");
    ASSERT_EQ(gFake.dialogCalls.size(), 1u);
    EXPECT_EQ(gFake.dialogCalls[0].save, mode == kChooseSave);
    EXPECT_EQ(gFake.dialogCalls[0].filterIndex, 2);
  }
}

TEST_F(ChooseFileNameTest, SaveCompletesTheNameFromTheChosenFilter) {
  struct Case {
    const std::string* filter;
    int proposedPair;
    std::string chosen;
    int chosenPair;  // 0: the user left the proposed pair
    int result;
    std::string name;
  };
  const Case cases[] = {
      {&kRecordingFilter, 1, "C:\\rec\\rec", 0, kChooseChosen, "C:\\rec\\rec.mvk"},
      {&kRecordingFilter, 2, "rec", 0, kChooseChosen, "rec.mvx"},
      {&kRecordingFilter, 3, "rec", 0, kChooseChosen, "rec.mvk"},  // "*.*"
      {&kRecordingFilter, 1, "rec", 2, kChooseChosen, "rec.mvx"},  // the pair left chosen counts
      {&kRecordingFilter, 1, "rec.mvx", 0, kChooseConflict, "rec.mvx"},
      {&kRecordingFilter, 2, "rec.mvk", 0, kChooseConflict, "rec.mvk"},
      {&kRecordingFilter, 1, "rec.MVK", 0, kChooseChosen, "rec.MVK"},
      {&kRecordingFilter, 2, "REC.Mvx", 0, kChooseChosen, "REC.Mvx"},
      {&kRecordingFilter, 3, "rec.mvx", 0, kChooseChosen, "rec.mvx"},
      {&kRecordingFilter, 1, "C:\\my.folder\\rec", 0, kChooseChosen, "C:\\my.folder\\rec"},
      {&kRecordingFilter, 1, "notes.txt", 0, kChooseChosen, "notes.txt"},
      {&kBackupFilter, 1, "backup", 0, kChooseChosen, "backup.reg"},
      {&kBackupFilter, 2, "backup", 0, kChooseChosen, "backup.txt"},
      {&kBackupFilter, 1, "backup.mvk", 0, kChooseConflict, "backup.mvk"},
      {&kBackupFilter, 3, "backup", 0, kChooseChosen, "backup.mvk"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen + " with pair " + std::to_string(c.proposedPair) + "/" +
                 std::to_string(c.chosenPair));
    ResetFakePlatform();
    char name[kFileNameSize] = "proposal";
    gFake.dialogAnswers.push_back({true, c.chosen, c.chosenPair});
    EXPECT_EQ(ChooseFileName(0, name, sizeof name, c.filter->c_str(), kChooseSave, c.proposedPair),
              c.result);
    EXPECT_EQ(std::string(name), c.name);
    ASSERT_EQ(gFake.dialogCalls.size(), 1u);
    EXPECT_TRUE(gFake.dialogCalls[0].save);
    EXPECT_EQ(gFake.dialogCalls[0].proposal, "proposal");
    EXPECT_EQ(gFake.dialogCalls[0].filterIndex, c.proposedPair);
  }
}

TEST_F(ChooseFileNameTest, PathThatDoesNotFitTheNameIsRefusedNotCut) {
  const std::string folder = "C:\\" + std::string(240, 'f') + "\\";
  const std::string fits = folder + std::string(255 - folder.size() - 4, 'r') + ".mvk";
  const std::string fitsBare = folder + std::string(251 - folder.size(), 'r');
  const struct {
    std::string chosen;
    int result;
    std::string name;
  } cases[] = {
      {fits, kChooseChosen, fits},                   // 255 characters
      {fitsBare, kChooseChosen, fitsBare + ".mvk"},  // 251 and the extension
      {folder + std::string(256 - folder.size() - 4, 'r') + ".mvk", kChooseCancelled,
       "C:\\old.mvk"},
      {folder + std::string(259 - folder.size() - 4, 'r') + ".mvk", kChooseCancelled,
       "C:\\old.mvk"},
      {fitsBare + "r", kChooseCancelled, "C:\\old.mvk"},  // no room for the extension
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.chosen.size()) + " characters chosen");
    ResetFakePlatform();
    char name[kFileNameSize] = "C:\\old.mvk";
    gFake.dialogAnswers.push_back({true, c.chosen, 0});
    EXPECT_EQ(ChooseFileName(0, name, sizeof name, kRecordingFilter.c_str(), kChooseSave, 1),
              c.result);
    EXPECT_EQ(std::string(name), c.name);
  }
}

TEST_F(ChooseFileNameTest, OpenedPathThatDoesNotFitTheNameIsRefusedNotCut) {
  char name[kFileNameSize] = "C:\\old.mvk";
  gFake.dialogAnswers.push_back({true, "C:\\" + std::string(253, 'o'), 0});
  EXPECT_EQ(ChooseFileName(0, name, sizeof name, kOpenFilter.c_str(), kChooseOpen, 1),
            kChooseCancelled);
  EXPECT_STREQ(name, "C:\\old.mvk");
}

TEST(GetFieldTest, CopiesTheIndexedField) {
  struct Case {
    std::string text;
    char separator;
    int index;
    const char* field;
    int result;
  };
  const std::string list = "a\0bb\0ccc\0\0"s;
  const Case cases[] = {
      {list, '\0', 0, "a", 1},
      {list, '\0', 1, "bb", 2},
      {list, '\0', 2, "ccc", 3},
      {list, '\0', 3, "", 4},  // past the last field
      {list, '\0', 9, "", 10},
      {kRecordingFilter, '\0', 3, "*.mvx", 4},
      {kRecordingFilter, '\0', 5, "*.*", 6},
      {"one|two|three", '|', 0, "one", 1},
      {"one|two|three", '|', 2, "three", 3},
      {"one|two|three", '|', 3, "", 4},
      {"a||c", '|', 1, "", 2},
      {"a||c", '|', 2, "c", 3},
      {"a|", '|', 1, "", 2},
      {"x,y", ',', 1, "y", 2},
      {"one|two", '|', -1, "", 0},
      {"", '|', 0, "", 0},
      {"\0\0"s, '\0', 0, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("index " + std::to_string(c.index) + " of [" + c.text + "]");
    char out[64] = "junk";
    EXPECT_EQ(GetField(c.text.c_str(), c.separator, c.index, out, sizeof out), c.result);
    EXPECT_STREQ(out, c.field);
  }
}

TEST(GetFieldTest, LongFieldIsCutToTheOutputBuffer) {
  char out[4];
  EXPECT_EQ(GetField("abcdef|g", '|', 0, out, sizeof out), 1);
  EXPECT_STREQ(out, "abc");
}

TEST(FileSizeOfTest, GivesTheSizeOfAnExistingFileElseZero) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  WriteWholeFile(folder.File("five.mvk"), "12345");
  WriteWholeFile(folder.File("empty.mvk"), "");
  WriteWholeFile(folder.File("big.mvk"), std::string(70000, 'x'));

  EXPECT_EQ(FileSizeOf(folder.File("five.mvk").c_str()), 5u);
  EXPECT_EQ(FileSizeOf(folder.File("big.mvk").c_str()), 70000u);
  EXPECT_EQ(FileSizeOf(folder.File("empty.mvk").c_str()), 0u);
  EXPECT_EQ(FileSizeOf(folder.File("missing.mvk").c_str()), 0u);
  EXPECT_EQ(FileSizeOf(folder.path().c_str()), 0u);  // a folder is no file
  EXPECT_EQ(FileSizeOf(""), 0u);
  EXPECT_EQ(FileSizeOf(nullptr), 0u);
}

}  // namespace
