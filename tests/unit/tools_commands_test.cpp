// Display Number of Actions, Edit Script File, and the menu states set
// when the menu bar opens.
#include "app/tools_commands.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "file_command_fixture.h"

namespace {

struct CountCase {
  const char* fileName;
  int eventCount;
  const char* text;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.eventCount << " " << c.fileName; }

class ActionCountTest : public FileCommandTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ActionCountTest, ShowsTheCountOrThatThereIsNone) {
  const CountCase& c = GetParam();
  SetFileName(c.fileName);
  gRecording.eventCount = c.eventCount;

  ShowActionCount();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, c.text);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Total Commands");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconInformation);
}

INSTANTIATE_TEST_SUITE_P(
    Recordings, ActionCountTest,
    ::testing::Values(CountCase{"C:\\Recordings\\rec.mvx", 32767,
                                "Total number of actions in C:\\Recordings\\rec.mvx: 32767"},
                      CountCase{"", 1, "Total number of actions in the current recording: 1"},
                      CountCase{
                          "C:\\Recordings\\rec.mvx", 0,
                          "There are no actions currently recorded.\n\nPress the blue \"Start "
                          "Recording\" button to begin saving actions."}));

struct EditCase {
  const char* editor;  // the Editor setting; nullptr when not stored
  bool starts;
  const char* commandLine;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << (c.editor ? c.editor : "(none)"); }

class EditScriptTest : public FileCommandTest, public ::testing::WithParamInterface<EditCase> {};

TEST_P(EditScriptTest, StartsTheEditorWithTheFileName) {
  const EditCase& c = GetParam();
  if (c.editor != nullptr) FakeSetText(kMorvikKeyPath, "Editor", c.editor);
  gFake.failStartProgram = !c.starts;
  SetFileName("C:\\My Files\\rec.mvx");

  EditScriptFile();

  ASSERT_EQ(gFake.startedPrograms.size(), 1u);
  EXPECT_EQ(gFake.startedPrograms[0], c.commandLine);
  if (c.starts) {
    EXPECT_TRUE(gFake.messageBoxes.empty());
    return;
  }
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            std::string("Unable to edit C:\\My Files\\rec.mvx with \"") + c.editor + "\"");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Edit Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
}

INSTANTIATE_TEST_SUITE_P(
    Editors, EditScriptTest,
    ::testing::Values(EditCase{nullptr, true, "notepad.exe C:\\My Files\\rec.mvx"},
                      EditCase{"", true, "notepad.exe C:\\My Files\\rec.mvx"},
                      EditCase{"C:\\Tools\\ed.exe -n", true,
                               "C:\\Tools\\ed.exe -n C:\\My Files\\rec.mvx"},
                      EditCase{"ed.exe", false, "ed.exe C:\\My Files\\rec.mvx"}));

enum FileKind { kNoName, kMissing, kEmpty, kWithText };

struct MenuCase {
  FileKind recording;
  FileKind log;
  bool editScriptGrayed;
  bool viewLogEnabled;
};

const char* const kKindNames[] = {"no name", "missing", "empty", "with text"};

void PrintTo(const MenuCase& c, std::ostream* os) {
  *os << "recording " << kKindNames[c.recording] << ", log " << kKindNames[c.log];
}

class MenuOpenTest : public FileCommandTest, public ::testing::WithParamInterface<MenuCase> {
 protected:
  // The file's path for the kind, created as the kind says.
  std::string Prepare(FileKind kind, const std::string& name) {
    if (kind == kNoName) return "";
    if (kind == kEmpty) WriteWholeFile(Path(name), "");
    if (kind == kWithText) WriteWholeFile(Path(name), "text");
    return Path(name);
  }
};

TEST_P(MenuOpenTest, GraysWhatHasNoFile) {
  const MenuCase& c = GetParam();
  SetFileName(Prepare(c.recording, "rec.mvx"));
  snprintf(gSettings.logfile, sizeof gSettings.logfile, "%s", Prepare(c.log, "morvik.log").c_str());

  UpdateFileMenuStates();

  // Edit Script File is only ever grayed here.
  if (c.editScriptGrayed) {
    EXPECT_EQ(gFake.menuEnabled.at(ID_EDIT_SCRIPT), false);
  } else {
    EXPECT_EQ(gFake.menuEnabled.count(ID_EDIT_SCRIPT), 0u);
  }
  EXPECT_EQ(gFake.menuEnabled.at(ID_VIEW_LOG), c.viewLogEnabled);
}

INSTANTIATE_TEST_SUITE_P(Files, MenuOpenTest,
                         ::testing::Values(MenuCase{kWithText, kWithText, false, true},
                                           MenuCase{kMissing, kEmpty, true, false},
                                           MenuCase{kEmpty, kMissing, true, false},
                                           MenuCase{kNoName, kWithText, true, true},
                                           MenuCase{kWithText, kNoName, false, false}));

}  // namespace
