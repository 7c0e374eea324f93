#include "settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "shared/log.h"
#include "test_files.h"

namespace {

const char kKey[] = "SOFTWARE\\Morvik";

// The numbers LoadSettings fills, by their registry names.
std::map<std::string, int32_t> LoadedNumbers(const Settings& s) {
  return {
      {"ExcludeMorvikAction", s.excludeMorvikAction},
      {"PlayImmediately", s.playImmediately},
      {"QuitWhenDone", s.quitWhenDone},
      {"Reload", s.reload},
      {"Topmost", s.topmost},
      {"PromptForSave", s.promptForSave},
      {"Visited", s.visited},
      {"ShowTabs", s.showTabs},
      {"Speed", s.speed},
      {"Repeats", s.repeats},
      {"Continuous", s.continuous},
      {"Minimize", s.minimize},
      {"FactorFast", s.factorFast},
      {"FactorSlow", s.factorSlow},
      {"RandomMin", s.randomMin},
      {"RandomMax", s.randomMax},
      {"LoopTypeBase", s.loopTypeBase},
      {"Log", s.log},
      {"InterruptWarning", s.interruptWarning},
      {"LastFileType", s.lastFileType},
      {"UserCommand", s.userCommand},
      {"KeyboardService", s.keyboardService},
      {"ShowTrayIcon", s.showTrayIcon},
      {"RecentListSize", s.recentListSize},
      {"LastOptionsTab", s.lastOptionsTab},
      {"PlayUpdate", s.playUpdate},
      {"GOTOWait", s.gotoWait},
  };
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
  }

  // Loads from a registry holding only `stored`, with the log kept.
  void LoadWith(const std::map<std::string, uint32_t>& stored) {
    ResetFakePlatform();
    gSettings = Settings{};
    FakeSetNumber(kKey, "RestartLog", 0);
    for (const auto& value : stored) FakeSetNumber(kKey, value.first, value.second);
    LoadSettings();
  }
};

TEST_F(SettingsTest, EmptyRegistryGivesEveryDefault) {
  LoadSettings();

  const std::map<std::string, int32_t> defaults = {
      {"ExcludeMorvikAction", 1},
      {"PlayImmediately", 0},
      {"QuitWhenDone", 0},
      {"Reload", 0},
      {"Topmost", 0},
      {"PromptForSave", 1},
      {"Visited", 0},
      {"ShowTabs", 1},
      {"Speed", kSpeedNormal},
      {"Repeats", 1},
      {"Continuous", 0},
      {"Minimize", 0},
      {"FactorFast", 15},
      {"FactorSlow", 4},
      {"RandomMin", 1000},
      {"RandomMax", 9999},
      {"LoopTypeBase", 0},
      {"Log", kLogOff},
      {"InterruptWarning", 1},
      {"LastFileType", 1},
      {"UserCommand", 0},
      {"KeyboardService", 0},
      {"ShowTrayIcon", 0},
      {"RecentListSize", 8},
      {"LastOptionsTab", 1},
      {"PlayUpdate", 1},
      {"GOTOWait", 2},
  };
  EXPECT_EQ(LoadedNumbers(gSettings), defaults);
  EXPECT_STREQ(gSettings.logfile, "C:\\Morvik.log");
  EXPECT_EQ(MessageBoxStyle(), 0x2000u);
  // Reading never writes.
  EXPECT_TRUE(gFake.registry.empty());
}

TEST_F(SettingsTest, StoredValuesAreNormalisedOnLoad) {
  struct Case {
    const char* name;
    uint32_t stored;
    int32_t expected;
  };
  const Case cases[] = {
      {"Speed", 0, kSpeedNormal},
      {"Speed", 7, kSpeedNormal},
      {"Speed", 1, kSpeedSlow},
      {"Speed", 4, kSpeedFastest},
      {"Speed", 0x103, kSpeedFast},  // only the low byte is kept
      {"Repeats", 0, 1},
      {"Repeats", 0xFFFFFFFF, 1},
      {"Repeats", 2000000001, 1},
      {"Repeats", 2000000000, 2000000000},
      {"Repeats", 50, 50},
      {"Continuous", 1, 1},
      {"GOTOWait", 300, 44},
      {"ShowTrayIcon", 1000, 232},
      {"ShowTrayIcon", 1006, 238},
      {"RecentListSize", 9, 8},
      {"RecentListSize", 200, 8},
      {"RecentListSize", 0, 0},
      {"RecentListSize", 5, 5},
      {"Visited", 255, 255},
      {"Log", 0x103, kLogHigh},
      {"RandomMin", 0xFFFFFFF6, -10},
      {"UserCommand", 1066, 1066},
      {"FactorFast", 0, 1},
      {"FactorFast", 0xFFFFFFFB, 1},
      {"FactorFast", 1, 1},
      {"FactorSlow", 0, 1},
      {"FactorSlow", 40, 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " stored as " + std::to_string(c.stored));
    LoadWith({{c.name, c.stored}});
    EXPECT_EQ(LoadedNumbers(gSettings).at(c.name), c.expected);
  }
}

TEST_F(SettingsTest, PlaybackOptionsAreReadOnlyWhileRemembered) {
  struct Case {
    bool storeRemember;
    uint32_t remember;
    int32_t speed, repeats, continuous;
  };
  const Case cases[] = {
      {false, 0, kSpeedFastest, 50, 1},  // missing: remembered by default
      {true, 1, kSpeedFastest, 50, 1},
      {true, 0, kSpeedNormal, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.storeRemember ? "RememberPlaybackSettings " + std::to_string(c.remember)
                                 : std::string("RememberPlaybackSettings missing"));
    std::map<std::string, uint32_t> stored = {{"Speed", 4}, {"Repeats", 50}, {"Continuous", 1}};
    if (c.storeRemember) stored["RememberPlaybackSettings"] = c.remember;
    LoadWith(stored);
    EXPECT_EQ(gSettings.speed, c.speed);
    EXPECT_EQ(gSettings.repeats, c.repeats);
    EXPECT_EQ(gSettings.continuous, c.continuous);
  }
}

TEST_F(SettingsTest, MessageBoxStyleFollowsTopmost) {
  const struct {
    uint32_t topmost;
    uint32_t style;
  } cases[] = {{0, 0x2000}, {1, 0x42000}, {0x100, 0x2000}};
  for (const auto& c : cases) {
    SCOPED_TRACE("Topmost " + std::to_string(c.topmost));
    LoadWith({{"Topmost", c.topmost}});
    EXPECT_EQ(MessageBoxStyle(), c.style);
  }
}

TEST_F(SettingsTest, LogfileIsReadAsStoredAndDefaultsWhenEmpty) {
  const struct {
    std::string stored;
    uint32_t type;
    std::string expected;
  } cases[] = {
      {"", kRegSz, "C:\\Morvik.log"},
      {"D:\\logs\\run.log", kRegSz, "D:\\logs\\run.log"},
      {"%TEMP%\\run.log", kRegExpandSz, "%TEMP%\\run.log"},  // never expanded
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("Logfile \"" + c.stored + "\"");
    LoadWith({});
    FakeSetText(kKey, "Logfile", c.stored, c.type);
    LoadSettings();
    EXPECT_EQ(std::string(gSettings.logfile), c.expected);
  }
}

TEST_F(SettingsTest, RestartLogDeletesTheLogFileUnlessOff) {
  const struct {
    bool store;
    uint32_t restartLog;
    bool deleted;
  } cases[] = {{false, 0, true}, {true, 1, true}, {true, 5, true}, {true, 0, false}};
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  const std::string log = folder.File("morvik.log");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.store ? "RestartLog " + std::to_string(c.restartLog)
                         : std::string("RestartLog missing"));
    ResetFakePlatform();
    WriteWholeFile(log, "old run\r\n");
    ASSERT_TRUE(FileExists(log));
    FakeSetText(kKey, "Logfile", log);
    if (c.store) FakeSetNumber(kKey, "RestartLog", c.restartLog);
    LoadSettings();
    EXPECT_EQ(!FileExists(log), c.deleted);
    if (!c.deleted) {
      EXPECT_EQ(ReadWholeFile(log), "old run\r\n");
    }
  }
}

TEST_F(SettingsTest, SaveSettingsWritesEveryValueAsNumberExceptLogfile) {
  Settings& s = gSettings;
  s.excludeMorvikAction = 0;
  s.playImmediately = 1;
  s.quitWhenDone = 1;
  s.reload = 1;
  s.topmost = 1;
  s.promptForSave = 0;
  s.visited = 200;
  s.showTabs = 0;
  s.speed = kSpeedFastest;
  s.repeats = 2000000000;
  s.continuous = 1;
  s.minimize = 1;
  s.factorFast = 25;
  s.factorSlow = 6;
  s.randomMin = -50;
  s.randomMax = 70000;
  s.loopTypeBase = 100;
  s.log = kLogHigh;
  s.interruptWarning = 0;
  strcpy(s.logfile, "D:\\logs\\run.log");
  s.lastFileType = 2;
  s.userCommand = 1066;
  s.keyboardService = 1;
  s.showTrayIcon = 1006;
  s.recentListSize = 4;
  s.lastOptionsTab = 5;
  s.playUpdate = 2;
  s.gotoWait = 30;

  SaveSettings(-20, 35, 3);

  const std::map<std::string, uint32_t> numbers = {
      {"Left", 0xFFFFFFEC},
      {"Top", 35},
      {"ExcludeMorvikAction", 0},
      {"PlayImmediately", 1},
      {"QuitWhenDone", 1},
      {"Reload", 1},
      {"Topmost", 1},
      {"PromptForSave", 0},
      {"Visited", 200},
      {"ShowTabs", 0},
      {"Speed", 4},
      {"Repeats", 2000000000},
      {"Continuous", 1},
      {"Minimize", 1},
      {"FactorFast", 25},
      {"FactorSlow", 6},
      {"LastTab", 3},
      {"RandomMin", 0xFFFFFFCE},
      {"RandomMax", 70000},
      {"LoopTypeBase", 100},
      {"Log", 3},
      {"InterruptWarning", 0},
      {"LastFileType", 2},
      {"UserCommand", 1066},
      {"KeyboardService", 1},
      {"ShowTrayIcon", 1006},
      {"RecentListSize", 4},
      {"LastOptionsTab", 5},
      {"PlayUpdate", 2},
      {"GOTOWait", 30},
  };
  for (const auto& n : numbers) {
    SCOPED_TRACE(n.first);
    const FakeRegValue* value = FakeValue(kKey, n.first);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, kRegDword);
    EXPECT_EQ(FakeNumber(kKey, n.first), n.second);
  }
  const FakeRegValue* logfile = FakeValue(kKey, "Logfile");
  ASSERT_NE(logfile, nullptr);
  EXPECT_EQ(logfile->type, kRegSz);
  EXPECT_EQ(FakeText(kKey, "Logfile"), "D:\\logs\\run.log");

  // Exactly these values, under their names as written.
  std::vector<std::string> expectedNames = {"Logfile"};
  for (const auto& n : numbers) expectedNames.push_back(n.first);
  std::sort(expectedNames.begin(), expectedNames.end());
  EXPECT_EQ(FakeValueNames(kKey), expectedNames);
}

TEST_F(SettingsTest, LogfileWithPercentIsSavedExpandableAndReadBackUnexpanded) {
  strcpy(gSettings.logfile, "%TEMP%\\morvik.log");
  SaveSettings(10, 10, 1);
  const FakeRegValue* value = FakeValue(kKey, "Logfile");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, kRegExpandSz);

  gSettings = Settings{};
  FakeSetNumber(kKey, "RestartLog", 0);
  LoadSettings();
  EXPECT_STREQ(gSettings.logfile, "%TEMP%\\morvik.log");
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged) {
  TempFolder folder;
  ASSERT_TRUE(folder.ok());
  Settings& s = gSettings;
  s.excludeMorvikAction = 0;
  s.playImmediately = 1;
  s.quitWhenDone = 1;
  s.reload = 1;
  s.topmost = 1;
  s.promptForSave = 0;
  s.visited = 17;
  s.showTabs = 0;
  s.speed = kSpeedSlow;
  s.repeats = 77;
  s.continuous = 1;
  s.minimize = 1;
  s.factorFast = 9;
  s.factorSlow = 3;
  s.randomMin = 5;
  s.randomMax = 500;
  s.loopTypeBase = 1000;
  s.log = kLogMedium;
  s.interruptWarning = 0;
  snprintf(s.logfile, sizeof s.logfile, "%s", folder.File("run.log").c_str());
  s.lastFileType = 2;
  s.userCommand = 1061;
  s.keyboardService = 1;
  s.showTrayIcon = 1;
  s.recentListSize = 3;
  s.lastOptionsTab = 4;
  s.playUpdate = 0;
  s.gotoWait = 12;
  const Settings saved = gSettings;
  SaveSettings(100, 200, 2);

  gSettings = Settings{};
  FakeSetNumber(kKey, "RestartLog", 0);
  LoadSettings();

  EXPECT_EQ(LoadedNumbers(gSettings), LoadedNumbers(saved));
  EXPECT_STREQ(gSettings.logfile, saved.logfile);
  EXPECT_EQ(MessageBoxStyle(), 0x42000u);
}

}  // namespace
