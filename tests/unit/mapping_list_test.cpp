#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "mapping_fixture.h"
#include "recording/recording.h"
#include "settings/drop_width.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "settings/shorttype_store.h"
#include "shared/log.h"
#include "test_files.h"

namespace {

constexpr uint32_t kPanel = 40;
constexpr int kKeyList = 1122;
constexpr int kShortTypeList = 1038;

class MappingListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
    memset(&gMappings, kFakeGarbage, sizeof gMappings);
  }

  std::vector<std::string> Listed(int control) { return gFake.comboTexts[{kPanel, control}]; }
};

TEST_F(MappingListTest, EntriesShowModifiersKeyAndAction) {
  AddMapping(118, 1, 1, 1, 0, "");
  AddMapping(19, 2, 0, 0, 0, "");
  AddMapping(36, 4, 0, 0, 0, nullptr);
  AddMapping(84, 5, 0, 0, 1, "Best regards, the whole team");
  AddMapping(65, 6, 5, 0, 0, "C:\\Windows\\notepad.exe");   // 22 characters: whole
  AddMapping(66, 7, 0, 1, 1, "C:\\Recordings\\daily.mvk");  // 23 characters: cut
  AddMapping(67, 5, 1, 0, 0, "Dear Sir,\r\nthanks");
  AddMapping(68, 5, 0, 0, 0, nullptr);
  AddMapping(120, 3, 0, 0, 1, "ignored");
  AddMapping(121, 8, 0, 0, 0, "");
  AddMapping(122, 9, 0, 0, 0, "");
  AddMapping(123, 10, 0, 0, 0, "");
  AddMapping(124, 11, 0, 0, 0, "");
  AddMapping(125, 12, 0, 0, 0, "");
  AddMapping(186, 0x10C, 0, 0, 0, "");  // only the low byte counts

  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);

  const std::vector<std::string> expected = {
      "",
      "Pause = Stop Recording",
      "Home = Activate the Morvik window",
      "Ctrl + A = \"C:\\Windows\\notepad.exe\"",
      "Shift + Alt + B = \"C:\\Recordings\\daily.mvk...\"",
      "Ctrl + C = \"Dear Sir,  thanks\"",
      "D = \"\"",
      "Alt + T = \"Best regards, the whole...\"",
      "Ctrl + Shift + F7 = Start Recording",
      "Alt + F9 = Playback",
      "F10 = Replace with play loop # during playback",
      "F11 = Replace with random number during playback",
      "F12 = Replace with time during playback",
      "F13 = Replace with date & time during playback",
      "F14 = Replace with time/number during playback",
      "; = Replace with time/number during playback",
  };
  EXPECT_EQ(Listed(kKeyList), expected);
}

TEST_F(MappingListTest, UnknownActionsAndKey255AreLeftOut) {
  AddMapping(65, 0, 1, 1, 1, "");
  AddMapping(66, 13, 0, 0, 0, "");
  AddMapping(67, 200, 0, 0, 0, "");
  AddMapping(68, 0x100, 0, 0, 0, "");  // low byte 0
  AddMapping(255, 1, 1, 0, 0, "");
  AddMapping(69, 3, 0, 0, 0, "");

  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, gMappings.control,
               gMappings.shift, gMappings.alt);

  EXPECT_EQ(Listed(kKeyList), (std::vector<std::string>{"", "E = Playback"}));
  for (int key = 0; key < kKeyTableSize; key++) {
    SCOPED_TRACE(key);
    EXPECT_EQ(gMappings.action[key], key == 69 ? 3 : 0);
    EXPECT_EQ(gMappings.control[key], 0);
  }
}

TEST_F(MappingListTest, TablesTakeActionsAndModifiersAsFlags) {
  AddMapping(118, 1, 5, 1, 0, "");
  AddMapping(84, 5, 0, 0, 0xFFFFFFFF, "text");
  AddMapping(19, 2, 0, 0, 0, "");
  AddMapping(145, 2, 0, 0, 0, "");  // a second Stop Recording: the higher key wins
  AddMapping(20, 2, 0, 0, 0, "");

  ListMappings(kListTables, kPanel, kKeyList, gMappings.action, gMappings.control, gMappings.shift,
               gMappings.alt);

  EXPECT_EQ(gMappings.stopKey, 145u);
  for (int key = 0; key < kKeyTableSize; key++) {
    SCOPED_TRACE(key);
    const int action = key == 118                               ? 1
                       : key == 84                              ? 5
                       : (key == 19 || key == 20 || key == 145) ? 2
                                                                : 0;
    EXPECT_EQ(gMappings.action[key], action);
    EXPECT_EQ(gMappings.control[key], key == 118 ? 1 : 0);
    EXPECT_EQ(gMappings.shift[key], key == 118 ? 1 : 0);
    EXPECT_EQ(gMappings.alt[key], key == 84 ? 1 : 0);
  }
  EXPECT_TRUE(gFake.comboTexts.empty());  // mode 2 touches no list
}

TEST_F(MappingListTest, TablesNotGivenAreLeftAlone) {
  AddMapping(118, 1, 1, 1, 1, "");
  memset(gMappings.control, 7, sizeof gMappings.control);
  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);
  EXPECT_EQ(gMappings.action[118], 1);
  EXPECT_EQ(gMappings.action[117], 0);
  EXPECT_EQ(gMappings.control[0], 7);
  EXPECT_EQ(gMappings.stopKey, 0u);
}

TEST_F(MappingListTest, NoMappingsKeyListsOnlyTheEmptyEntry) {
  gFake.comboTexts[{kPanel, kKeyList}] = {"stale", "entries"};
  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, gMappings.control,
               gMappings.shift, gMappings.alt);
  EXPECT_EQ(Listed(kKeyList), std::vector<std::string>{""});
  for (int key = 0; key < kKeyTableSize; key++) EXPECT_EQ(gMappings.action[key], 0);
  EXPECT_EQ(gMappings.stopKey, 0u);
}

TEST_F(MappingListTest, AllocateRecordingZeroesTheTables) {
  ASSERT_TRUE(AllocateRecording());
  for (int key = 0; key < kKeyTableSize; key++) {
    EXPECT_EQ(
        gMappings.action[key] | gMappings.control[key] | gMappings.shift[key] | gMappings.alt[key],
        0);
  }
  EXPECT_EQ(gMappings.stopKey, 0u);
  ReleaseRecording();
}

TEST_F(MappingListTest, EachListedMappingIsLoggedAtHigh) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string log = folder.File("morvik.log");
  snprintf(gSettings.logfile, sizeof gSettings.logfile, "%s", log.c_str());
  AddMapping(118, 1, 1, 1, 0, "");
  AddMapping(84, 5, 0, 0, 1, "hi");

  gSettings.log = kLogMedium;
  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);
  EXPECT_FALSE(FileExists(log));

  gSettings.log = kLogHigh;
  ListMappings(kListTables, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);
  EXPECT_FALSE(FileExists(log));
  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);
  EXPECT_EQ(ReadWholeFile(log),
            "Adding Mapping for key 84: Action 5: \"Alt + T = \"hi\"\"\r\n"
            "Adding Mapping for key 118: Action 1: \"Ctrl + Shift + F7 = Start Recording\"\r\n");
}

TEST_F(MappingListTest, ShortTypeEntriesShowNameAndCutText) {
  AddShortType("brb", "be right back");
  AddShortType("t27", "abcdefghijklmnopqrstuvwxyz.");
  AddShortType("t28", "abcdefghijklmnopqrstuvwxyz.!");
  AddShortType("addr", "12 Main St\r\nSpringfield");
  AddShortType("none", nullptr);

  ListShortTypes(kListIntoControl, kPanel, kShortTypeList, nullptr, nullptr);

  const std::vector<std::string> expected = {
      "",
      "addr = \"12 Main St  Springfield\"",
      "brb = \"be right back\"",
      "none = \"\"",
      "t27 = \"abcdefghijklmnopqrstuvwxyz.\"",
      "t28 = \"abcdefghijklmnopqrstuvwxyz.!...\"",
  };
  EXPECT_EQ(Listed(kShortTypeList), expected);
}

TEST_F(MappingListTest, OnlyTheFirst64ShortTypesCount) {
  for (int i = 0; i < 70; i++) {
    char name[8];
    snprintf(name, sizeof name, "s%02d", i);
    AddShortType(name, "x");
  }
  ListShortTypes(kListIntoControl, kPanel, kShortTypeList, nullptr, nullptr);
  const std::vector<std::string> listed = Listed(kShortTypeList);
  ASSERT_EQ(listed.size(), 65u);
  EXPECT_EQ(listed[1], "s00 = \"x\"");
  EXPECT_EQ(listed[64], "s63 = \"x\"");

  char table[kShortTypeTableSize];
  ListShortTypes(kListTables, 0, 0, table, nullptr);
  EXPECT_STREQ(table, "s00");
  EXPECT_STREQ(table + 63 * kShortTypeSlotSize, "s63");
}

TEST_F(MappingListTest, NameTableIsPackedWithoutLongNames) {
  AddShortType("abc", "1");
  AddShortType("abcdefg", "2");   // 7 characters: fits
  AddShortType("abcdefgh", "3");  // 8: no room for the terminator
  AddShortType("x y", "4");
  char table[kShortTypeTableSize];
  memset(table, kFakeGarbage, sizeof table);

  ListShortTypes(kListTables, 0, 0, table, nullptr);

  char expected[kShortTypeTableSize] = {};
  memcpy(expected, "abc", 3);
  memcpy(expected + 8, "abcdefg", 7);
  memcpy(expected + 16, "x y", 3);
  EXPECT_EQ(memcmp(table, expected, sizeof table), 0);
}

TEST_F(MappingListTest, NoShortTypeKeyListsOnlyTheEmptyEntry) {
  ListShortTypes(kListIntoControl, kPanel, kShortTypeList, nullptr, nullptr);
  EXPECT_EQ(Listed(kShortTypeList), std::vector<std::string>{""});
  char table[kShortTypeTableSize];
  memset(table, kFakeGarbage, sizeof table);
  ListShortTypes(kListTables, 0, 0, table, nullptr);
  for (char c : table) EXPECT_EQ(c, 0);
}

TEST_F(MappingListTest, ListingsFitTheDropWidthUpTo200) {
  AddShortType("brb", "be right back");  // entry of 21 characters
  ListShortTypes(kListIntoControl, kPanel, kShortTypeList, nullptr, nullptr);
  // 24 X at 6 pixels, a 17-pixel scroll bar and 6 pixels.
  EXPECT_EQ((gFake.comboDropWidths[{kPanel, kShortTypeList}]), 24 * 6 + 17 + 6);

  AddMapping(118, 12, 1, 1, 1, "");
  ListMappings(kListIntoControl, kPanel, kKeyList, gMappings.action, nullptr, nullptr, nullptr);
  EXPECT_EQ((gFake.comboDropWidths[{kPanel, kKeyList}]), 200);
}

TEST(SetDropWidthTest, FitsTheLongestEntryUpToTheMaximum) {
  const struct {
    std::vector<std::string> entries;
    int maxWidth;
    int width;
  } cases[] = {
      {{}, 250, 3 * 6 + 17 + 6},
      {{"", "abc", "a"}, 250, 6 * 6 + 17 + 6},
      {{"twenty characters..", "x"}, 250, 22 * 6 + 17 + 6},
      {{std::string(36, 'y')}, 300, 39 * 6 + 17 + 6},
      {{std::string(36, 'y')}, 250, 250},  // 257 would pass the maximum
  };
  for (const auto& c : cases) {
    ResetFakePlatform();
    gFake.comboTexts[{kPanel, 1085}] = c.entries;
    SetDropWidth(kPanel, 1085, c.maxWidth);
    EXPECT_EQ((gFake.comboDropWidths[{kPanel, 1085}]), c.width);
  }
}

}  // namespace
