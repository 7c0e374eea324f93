#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/file_commands.h"
#include "fake_platform.h"
#include "recording/recording.h"
#include "settings/menu_edit.h"
#include "settings/settings.h"
#include "test_files.h"

namespace {

const char kKey[] = "SOFTWARE\\Morvik";
constexpr uint32_t kWindow = 77;

std::string Slot(int n) { return "File" + std::to_string(n); }

// The eight slots as stored; "<missing>" for a slot never written.
std::vector<std::string> StoredList() {
  std::vector<std::string> list;
  for (int n = 1; n <= kRecentSlots; n++) list.push_back(FakeText(kKey, Slot(n)));
  return list;
}

void StoreList(const std::vector<std::string>& paths) {
  for (size_t i = 0; i < paths.size(); i++)
    FakeSetText(kKey, Slot(static_cast<int>(i) + 1), paths[i]);
}

// The main window's menu bar as the resource builds it, with a sub-menu
// in the second pop-up.
void SetUpMenuBar() {
  gFake.menuWindow = kWindow;
  gFake.menuBar = {
      {{1066, "&New"},
       {1051, "&Open..."},
       {1103, "&Reload Current File"},
       {1067, "&Close"},
       {0, ""},
       {1061, "Save &As..."},
       {0, ""},
       {1068, "Reset Recent Files"},
       {0, ""},
       {1030, "E&xit"}},
      {{1132, "&Auto-Start Morvik with Windows"},
       {0, "&Backup Morvik Settings"},
       {1118, "Advanced &Options..."}},
  };
}

// The File menu's items as "id text".
std::vector<std::string> FileMenu() {
  std::vector<std::string> items;
  for (const FakeMenuItem& item : gFake.menuBar[0])
    items.push_back(std::to_string(item.command) + " " + item.text);
  return items;
}

std::vector<std::string> FileMenuWithRecent(const std::vector<std::string>& recent) {
  std::vector<std::string> items = {"1066 &New",
                                    "1051 &Open...",
                                    "1103 &Reload Current File",
                                    "1067 &Close",
                                    "0 ",
                                    "1061 Save &As...",
                                    "0 ",
                                    "1068 Reset Recent Files"};
  for (size_t i = 0; i < recent.size(); i++)
    items.push_back(std::to_string(1741 + i) + " " + recent[i]);
  items.push_back("0 ");
  items.push_back("1030 E&xit");
  return items;
}

class RecentFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
    gSettings.recentListSize = 8;
    gSettings.messageBoxStyle = kMbTaskModal;
    gRecording.fileName[0] = '\0';
    SetUpMenuBar();
  }
};

TEST_F(RecentFilesTest, AddingPutsThePathFirst) {
  const std::vector<std::string> full = {"C:\\a", "C:\\b", "C:\\c", "C:\\d",
                                         "C:\\e", "C:\\f", "C:\\g", "C:\\h"};
  const struct {
    const char* what;
    std::vector<std::string> before;
    const char* path;
    std::vector<std::string> after;
  } cases[] = {
      {"into an empty list", {}, "C:\\a.mvk", {"C:\\a.mvk", "", "", "", "", "", "", ""}},
      {"a new path",
       {"C:\\a", "C:\\b"},
       "C:\\new",
       {"C:\\new", "C:\\a", "C:\\b", "", "", "", "", ""}},
      {"the path in slot 5, in another case",
       full,
       "c:\\E",
       {"c:\\E", "C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\f", "C:\\g", "C:\\h"}},
      {"the path in slot 8",
       full,
       "C:\\h",
       {"C:\\h", "C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e", "C:\\f", "C:\\g"}},
      {"a new path to a full list",
       full,
       "C:\\x",
       {"C:\\x", "C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e", "C:\\f", "C:\\g"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ResetFakePlatform();
    StoreList(c.before);
    AddRecentFile(c.path);
    EXPECT_EQ(StoredList(), c.after);
  }
}

TEST_F(RecentFilesTest, OpeningTheSameFileInAnotherCaseReplacesTheOlderEntry) {
  AddRecentFile("C:\\a.mvk");
  AddRecentFile("C:\\b.mvk");
  AddRecentFile("C:\\A.MVK");
  EXPECT_EQ(StoredList(),
            (std::vector<std::string>{"C:\\A.MVK", "C:\\b.mvk", "", "", "", "", "", ""}));
}

TEST_F(RecentFilesTest, SomePathsChangeNothing) {
  for (const char* path : {"C:\\A.mvk", "(Untitled)", ""}) {
    SCOPED_TRACE(path);
    ResetFakePlatform();
    StoreList({"C:\\a.mvk"});
    AddRecentFile(path);
    // Nothing was written: the other slots are still missing.
    EXPECT_EQ(StoredList(),
              (std::vector<std::string>{"C:\\a.mvk", "<missing>", "<missing>", "<missing>",
                                        "<missing>", "<missing>", "<missing>", "<missing>"}));
  }
}

TEST_F(RecentFilesTest, RemovingMovesTheLaterEntriesUp) {
  StoreList({"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e", "C:\\f", "C:\\g", "C:\\h"});
  RemoveRecentFile("c:\\B");
  EXPECT_EQ(StoredList(), (std::vector<std::string>{"C:\\a", "C:\\c", "C:\\d", "C:\\e", "C:\\f",
                                                    "C:\\g", "C:\\h", ""}));
  RemoveRecentFile("C:\\h");
  RemoveRecentFile("(Untitled)");
  RemoveRecentFile("C:\\zzz");
  EXPECT_EQ(StoredList(), (std::vector<std::string>{"C:\\a", "C:\\c", "C:\\d", "C:\\e", "C:\\f",
                                                    "C:\\g", "", ""}));
}

TEST_F(RecentFilesTest, MenuListsTheFirstRecentListSizeSlots) {
  StoreList({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8"});
  gSettings.recentListSize = 3;
  RebuildRecentMenu(kWindow, true, true);
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({"C:\\1", "C:\\2", "C:\\3"}));
  RebuildRecentMenu(kWindow, true, true);  // a rebuild replaces, never adds
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({"C:\\1", "C:\\2", "C:\\3"}));

  // As the options dialog does: remove with the old size, insert with the new.
  RebuildRecentMenu(kWindow, true, false);
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({}));
  gSettings.recentListSize = 8;
  RebuildRecentMenu(kWindow, false, true);
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6",
                                            "C:\\7", "C:\\8"}));

  gSettings.recentListSize = 0;
  RebuildRecentMenu(kWindow, true, true);  // size 0 touches nothing
  EXPECT_EQ(FileMenu().size(), 18u);
}

TEST_F(RecentFilesTest, MenuStopsAtTheFirstEmptySlot) {
  StoreList({"C:\\1", "", "C:\\3"});
  RebuildRecentMenu(kWindow, true, true);
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({"C:\\1"}));
}

TEST_F(RecentFilesTest, ListSizeAbove8Becomes8) {
  StoreList({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8"});
  gSettings.recentListSize = 200;
  RebuildRecentMenu(kWindow, true, true);
  EXPECT_EQ(gSettings.recentListSize, 8);
  EXPECT_EQ(FileMenu().size(), 18u);
}

TEST_F(RecentFilesTest, EditMenuItemFindsTheAnchorInAnyPopUp) {
  EXPECT_NE(EditMenuItem(kWindow, 1132, "After", 2000, kMenuInsert), 0);
  EXPECT_NE(EditMenuItem(kWindow, 2000, "", 0, kMenuInsert), 0);  // a separator
  EXPECT_EQ(gFake.menuBar[1][1].command, 2000u);
  EXPECT_EQ(gFake.menuBar[1][1].text, "After");
  EXPECT_EQ(gFake.menuBar[1][2].command, 0u);
  EXPECT_EQ(gFake.menuBar[1][2].text, "");
  EXPECT_NE(EditMenuItem(kWindow, 2000, "", 0, kMenuDelete), 0);
  EXPECT_EQ(gFake.menuBar[1].size(), 4u);

  EXPECT_EQ(EditMenuItem(kWindow, 0, "x", 2001, kMenuInsert), 0);  // separators never match
  EXPECT_EQ(EditMenuItem(kWindow, 1741, "", 0, kMenuDelete), 0);
  EXPECT_EQ(EditMenuItem(kWindow + 1, 1068, "x", 1741, kMenuInsert), -1);
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({}));
}

TEST_F(RecentFilesTest, ResetRemovesAllEightAfterTheQuestion) {
  StoreList({"C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8"});
  FakeSetNumber(kKey, "Speed", 3);
  gSettings.recentListSize = 3;
  RebuildRecentMenu(kWindow, true, true);

  gFake.messageBoxAnswers = {kIdNo};
  ResetRecentFiles(kWindow);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "This command will remove all of the previous links to recent files.\n\nAre you sure "
            "that you want "
            "to proceed?");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Reset Recent Files");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbYesNo | kMbIconQuestion | kMbTaskModal);
  EXPECT_EQ(FakeText(kKey, "File8"), "C:\\8");
  EXPECT_EQ(FileMenu().size(), 13u);

  gFake.messageBoxAnswers = {kIdYes};
  ResetRecentFiles(kWindow);
  EXPECT_EQ(FakeValueNames(kKey), std::vector<std::string>{"Speed"});
  EXPECT_EQ(FileMenu(), FileMenuWithRecent({}));
}

class OpenRecentTest : public RecentFilesTest {
 protected:
  void SetUp() override {
    RecentFilesTest::SetUp();
    ASSERT_TRUE(folder_.ok());
    existing_ = folder_.File("there.mvk");
    WriteWholeFile(existing_, "data");
    empty_ = folder_.File("empty.mvk");
    WriteWholeFile(empty_, "");
    missing_ = folder_.File("gone.mvk");
  }

  TempFolder folder_;
  std::string existing_, empty_, missing_;
};

TEST_F(OpenRecentTest, AnExistingFileIsOpenedWithoutTheDialog) {
  StoreList({missing_, existing_});
  bool skipOpenDialog = false;
  bool skippedWhenSent = false;
  gFake.onSend = [&](uint32_t, uint32_t, uint32_t) { skippedWhenSent = skipOpenDialog; };

  snprintf(gRecording.fileName, kFileNameSize, "loaded.mvk");
  OpenRecentFile(kWindow, 2, &skipOpenDialog);

  // Open takes the path after its save question, which names the
  // recording still in memory.
  EXPECT_EQ(std::string(PendingOpenPath()), existing_);
  EXPECT_STREQ(gRecording.fileName, "loaded.mvk");
  EXPECT_TRUE(skippedWhenSent);
  ASSERT_EQ(gFake.sent.size(), 1u);
  EXPECT_EQ(gFake.sent[0].message, kWmCommand);
  EXPECT_EQ(gFake.sent[0].wParam, kOpenCommand);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(OpenRecentTest, AMissingFileIsOfferedForRemoval) {
  for (const std::string& path : {missing_, empty_}) {
    SCOPED_TRACE(path);
    ResetFakePlatform();
    SetUpMenuBar();
    StoreList({existing_, path, "C:\\third.mvk"});
    RebuildRecentMenu(kWindow, true, true);
    snprintf(gRecording.fileName, kFileNameSize, "loaded.mvk");
    bool skipOpenDialog = false;

    gFake.messageBoxAnswers = {kIdNo};
    OpenRecentFile(kWindow, 2, &skipOpenDialog);
    ASSERT_EQ(gFake.messageBoxes.size(), 1u);
    EXPECT_EQ(gFake.messageBoxes[0].text,
              "Unable to open recent file " + path +
                  "!\n\nDo you want to remove it from the recent file list menu?");
    EXPECT_EQ(gFake.messageBoxes[0].caption, path);
    EXPECT_EQ(gFake.messageBoxes[0].style, kMbYesNo | kMbIconQuestion | kMbTaskModal);
    EXPECT_EQ(FakeText(kKey, "File2"), path);
    EXPECT_STREQ(gRecording.fileName, "");
    EXPECT_EQ(gFake.titles, std::vector<std::string>{"Morvik"});

    gFake.messageBoxAnswers = {kIdYes};
    OpenRecentFile(kWindow, 2, &skipOpenDialog);
    EXPECT_EQ(StoredList(),
              (std::vector<std::string>{existing_, "C:\\third.mvk", "", "", "", "", "", ""}));
    EXPECT_EQ(FileMenu(), FileMenuWithRecent({existing_, "C:\\third.mvk"}));
    EXPECT_STREQ(gRecording.fileName, "");
    EXPECT_FALSE(skipOpenDialog);
    EXPECT_TRUE(gFake.sent.empty());
  }
}

}  // namespace
