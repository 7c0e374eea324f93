#include "settings/backup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_platform.h"
#include "mapping_fixture.h"
#include "recording/recording.h"
#include "settings/settings.h"
#include "test_files.h"

namespace {

const char kKey[] = "SOFTWARE\\Morvik";
constexpr uint32_t kMainWindow = 9;

// The basic section of a fresh installation, with the window at (-4, 120)
// and the first tab selected.
const char kFreshBasicSection[] =
    "REGEDIT4\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\Morvik]\r\n"
    "\"Left\"=dword:fffffffc\r\n"
    "\"Top\"=dword:00000078\r\n"
    "\"ExcludeMorvikAction\"=dword:00000001\r\n"
    "\"PlayImmediately\"=dword:00000000\r\n"
    "\"QuitWhenDone\"=dword:00000000\r\n"
    "\"Reload\"=dword:00000000\r\n"
    "\"Topmost\"=dword:00000000\r\n"
    "\"PromptForSave\"=dword:00000001\r\n"
    "\"Visited\"=dword:00000000\r\n"
    "\"ShowTabs\"=dword:00000001\r\n"
    "\"Speed\"=dword:00000002\r\n"
    "\"Repeats\"=dword:00000001\r\n"
    "\"Continuous\"=dword:00000000\r\n"
    "\"Minimize\"=dword:00000000\r\n"
    "\"FactorFast\"=dword:0000000f\r\n"
    "\"FactorSlow\"=dword:00000004\r\n"
    "\"LastTab\"=dword:00000001\r\n"
    "\"RandomMin\"=dword:000003e8\r\n"
    "\"RandomMax\"=dword:0000270f\r\n"
    "\"LoopTypeBase\"=dword:00000000\r\n"
    "\"Log\"=dword:00000000\r\n"
    "\"InterruptWarning\"=dword:00000001\r\n"
    "\"Logfile\"=\"C:\\\\Morvik.log\"\r\n"
    "\"Editor\"=\"notepad.exe\"\r\n"
    "\"LastFileType\"=dword:00000001\r\n"
    "\"UserCommand\"=dword:00000000\r\n"
    "\"KeyboardService\"=dword:00000000\r\n"
    "\"ShowTrayIcon\"=dword:00000000\r\n"
    "\"RecentListSize\"=dword:00000008\r\n"
    "\"LastOptionsTab\"=dword:00000001\r\n"
    "\"RestartLog\"=dword:00000001\r\n"
    "\"HaltScriptOnError\"=dword:00000001\r\n"
    "\"RememberPlaybackSettings\"=dword:00000001\r\n"
    "\"PlayUpdate\"=dword:00000001\r\n"
    "\"File1\"=\"\"\r\n"
    "\"File2\"=\"\"\r\n"
    "\"File3\"=\"\"\r\n"
    "\"File4\"=\"\"\r\n"
    "\"File5\"=\"\"\r\n"
    "\"File6\"=\"\"\r\n"
    "\"File7\"=\"\"\r\n"
    "\"File8\"=\"\"\r\n";

class BackupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ASSERT_TRUE(folder_.ok());
    target_ = folder_.File("backup.reg");
    gSettings = Settings{};
    // A fresh installation keeping its log.
    FakeSetNumber(kKey, "RestartLog", 0);
    LoadSettings();
    gFake.registry.clear();
    gFake.mainWindow = kMainWindow;
    gFake.topWindows.push_back({kMainWindow, "Morvik", -4, 120, 247, 355});
    snprintf(gRecording.fileName, kFileNameSize, "C:\\Work\\current.mvk");
  }

  // Runs the command with the Save dialog answering `path`.
  void Backup(uint32_t command, const std::string& path, int32_t lastTab = 1) {
    gFake.dialogAnswers.push_back({true, path, 0});
    BackupSettings(command, lastTab);
  }

  TempFolder folder_;
  std::string target_;
};

TEST_F(BackupTest, BasicSectionOfAFreshInstallation) {
  Backup(kBackupBasic, target_);
  EXPECT_EQ(ReadWholeFile(target_), kFreshBasicSection);
}

TEST_F(BackupTest, EachCommandProposesItsFileAndWritesItsSections) {
  AddMapping(118, 1, 1, 1, 0, "");
  AddShortType("brb", "be right back");
  const struct {
    uint32_t command;
    const char* proposal;
    bool basic, mappings, shortTypes;
  } cases[] = {
      {kBackupAll, "C:\\MorvikBackup.reg", true, true, true},
      {kBackupBasic, "C:\\MorvikSettings.reg", true, false, false},
      {kBackupMappings, "C:\\MorvikMappings.reg", false, true, false},
      {kBackupShortTypes, "C:\\MorvikShortTypes.reg", false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    gFake.dialogCalls.clear();
    remove(target_.c_str());
    Backup(c.command, target_);
    ASSERT_EQ(gFake.dialogCalls.size(), 1u);
    EXPECT_TRUE(gFake.dialogCalls[0].save);
    EXPECT_EQ(gFake.dialogCalls[0].proposal, c.proposal);
    EXPECT_EQ(gFake.dialogCalls[0].filter,
              "Registry Files (*.reg)|*.reg|Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(gFake.dialogCalls[0].filterIndex, 1);
    const std::string written = ReadWholeFile(target_);
    const size_t basic = written.find("[HKEY_CURRENT_USER\\Software\\Morvik]\r\n");
    const size_t mappings = written.find("[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings]\r\n");
    const size_t shortTypes = written.find("[HKEY_CURRENT_USER\\Software\\Morvik\\ShortType]\r\n");
    EXPECT_EQ(written.compare(0, 12, "REGEDIT4\r\n\r\n"), 0);
    EXPECT_EQ(basic != std::string::npos, c.basic);
    EXPECT_EQ(mappings != std::string::npos, c.mappings);
    EXPECT_EQ(shortTypes != std::string::npos, c.shortTypes);
    if (c.basic) {
      EXPECT_EQ(basic, 12u);  // the basic section comes first
    }
    if (c.mappings && c.shortTypes) {
      EXPECT_LT(mappings, shortTypes);
    }
  }
}

TEST_F(BackupTest, OnlyMappingsWritesTheMappingSectionAlone) {
  AddMapping(65, 5, 0, 0, 1, "hi");
  Backup(kBackupMappings, target_);
  EXPECT_EQ(ReadWholeFile(target_),
            "REGEDIT4\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings\\65]\r\n"
            "\"Action\"=dword:00000005\r\n"
            "\"Control\"=dword:00000000\r\n"
            "\"Shift\"=dword:00000000\r\n"
            "\"Alt\"=dword:00000001\r\n"
            "\"Text\"=hex(2):68,69,00\r\n");
}

TEST_F(BackupTest, CompletionRestoresTheRecordingsName) {
  Backup(kBackupShortTypes, target_);
  EXPECT_STREQ(gRecording.fileName, "C:\\Work\\current.mvk");
  EXPECT_EQ(FakeValue(kKey, "gszFile"), nullptr);
  EXPECT_TRUE(gFake.titles.empty());
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(
      gFake.messageBoxes[0].text,
      "The settings were saved in \"" + target_ +
          "\"\n\nYou can reload these settings by double-clicking on this file when Morvik is "
          "not running.");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Export Complete");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbOk | kMbIconInformation | kMbTaskModal);
}

TEST_F(BackupTest, AnEmptyNameComesBackEmpty) {
  gRecording.fileName[0] = '\0';
  Backup(kBackupBasic, target_);
  EXPECT_STREQ(gRecording.fileName, "");
  EXPECT_EQ(FakeValue(kKey, "gszFile"), nullptr);
  EXPECT_NE(ReadWholeFile(target_).find("\"File1\"=\"\"\r\n"), std::string::npos);
}

TEST_F(BackupTest, AnExistingFileIsReplacedOnlyAfterYes) {
  WriteWholeFile(target_, "older backup\r\n");
  gSettings.promptForSave = 0;  // asked whatever the prompts setting is
  gFake.messageBoxAnswers = {kIdNo};
  Backup(kBackupAll, target_);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            target_ + "\nThis file already exists.\nReplace existing file?");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Export");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbYesNo | kMbIconQuestion | kMbTaskModal);
  EXPECT_EQ(ReadWholeFile(target_), "older backup\r\n");
  EXPECT_TRUE(gFake.registry.empty());
  EXPECT_STREQ(gRecording.fileName, "C:\\Work\\current.mvk");

  gFake.messageBoxAnswers = {kIdYes};
  Backup(kBackupMappings, target_);
  EXPECT_EQ(ReadWholeFile(target_),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings]\r\n");
  ASSERT_EQ(gFake.messageBoxes.size(), 3u);
  EXPECT_EQ(gFake.messageBoxes[1].caption, "Export");
  EXPECT_EQ(gFake.messageBoxes[2].caption, "Export Complete");
}

TEST_F(BackupTest, AnEmptyFileIsReplacedWithoutAsking) {
  WriteWholeFile(target_, "");
  Backup(kBackupBasic, target_);
  EXPECT_EQ(ReadWholeFile(target_), kFreshBasicSection);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Export Complete");
}

TEST_F(BackupTest, CancelWritesNothing) {
  gFake.dialogAnswers.push_back({false, "", 0});
  BackupSettings(kBackupAll, 1);
  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_TRUE(gFake.registry.empty());
  EXPECT_FALSE(FileExists(target_));
}

TEST_F(BackupTest, ANameWithoutExtensionGetsReg) {
  Backup(kBackupBasic, folder_.File("settings"));
  EXPECT_EQ(ReadWholeFile(folder_.File("settings.reg")), kFreshBasicSection);
}

TEST_F(BackupTest, AFileThatCannotBeWrittenIsReportedAsAnError) {
  const std::string unwritable = folder_.File("no-such-folder/backup.reg");
  Backup(kBackupAll, unwritable);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to write the settings to \"" + unwritable + "\"!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Export Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbOk | kMbIconExclamation | kMbTaskModal);
  EXPECT_STREQ(gRecording.fileName, "C:\\Work\\current.mvk");
  EXPECT_EQ(FakeValue(kKey, "gszFile"), nullptr);
}

TEST_F(BackupTest, SettingsComeFromMemoryAndValuesFromTheRegistry) {
  gSettings.speed = 4;
  gSettings.showTrayIcon = 1004;
  snprintf(gSettings.logfile, sizeof gSettings.logfile, "C:\\Logs\\Morvik.log");
  FakeSetNumber(kKey, "Speed", 1);  // the registry's stale value is not used
  FakeSetText(kKey, "Editor", "");  // empty: the default editor
  FakeSetNumber(kKey, "HaltScriptOnError", 0);
  FakeSetNumber(kKey, "GOTOWait", 9);
  FakeSetText(kKey, "ServiceFileLoad", "C:\\x.mvk");
  FakeSetText(kKey, "File1", "C:\\Rec\\a.mvk");
  FakeSetText(kKey, "File3", "C:\\Rec\\c.mvk");
  Backup(kBackupBasic, target_, 4);
  const std::string written = ReadWholeFile(target_);
  for (const char* line :
       {"\"Speed\"=dword:00000004\r\n", "\"ShowTrayIcon\"=dword:000003ec\r\n",
        "\"LastTab\"=dword:00000004\r\n", "\"Logfile\"=\"C:\\\\Logs\\\\Morvik.log\"\r\n",
        "\"Editor\"=\"notepad.exe\"\r\n", "\"HaltScriptOnError\"=dword:00000000\r\n",
        "\"File1\"=\"C:\\\\Rec\\\\a.mvk\"\r\n", "\"File2\"=\"\"\r\n",
        "\"File3\"=\"C:\\\\Rec\\\\c.mvk\"\r\n"}) {
    EXPECT_NE(written.find(line), std::string::npos) << line;
  }
  EXPECT_EQ(written.find("GOTOWait"), std::string::npos);
  EXPECT_EQ(written.find("ServiceFileLoad"), std::string::npos);
  EXPECT_EQ(written.find("gszFile"), std::string::npos);
}

TEST_F(BackupTest, AllSettingsMatchTheGoldenFile) {
  Settings& s = gSettings;
  s.excludeMorvikAction = 0;
  s.playImmediately = 1;
  s.quitWhenDone = 1;
  s.reload = 1;
  s.topmost = 0;
  s.promptForSave = 1;
  s.visited = 255;
  s.showTabs = 0;
  s.speed = 3;
  s.repeats = 2000000000;
  s.continuous = 1;
  s.minimize = 1;
  s.factorFast = 20;
  s.factorSlow = 1;
  s.randomMin = -5;
  s.randomMax = 100000;
  s.loopTypeBase = 7;
  s.log = 3;
  s.interruptWarning = 0;
  snprintf(s.logfile, sizeof s.logfile, "C:\\Logs\\Morvik.log");
  s.lastFileType = 2;
  s.userCommand = 1142;
  s.keyboardService = 1;
  s.showTrayIcon = 1006;
  s.recentListSize = 5;
  s.lastOptionsTab = 4;
  s.playUpdate = 2;
  s.gotoWait = 30;
  FakeSetText(kKey, "Editor", "C:\\Tools\\Edit Plus\\edit.exe");
  FakeSetNumber(kKey, "RestartLog", 0);
  FakeSetNumber(kKey, "HaltScriptOnError", 0);
  FakeSetText(kKey, "File1", "C:\\Recordings\\daily.mvk");
  FakeSetText(kKey, "File2", "D:\\x.mvx");

  AddMapping(19, 2, 0, 0, 0, "");
  FakeSetNumber(MappingKey(36), "Action", 4);
  AddMapping(65, 5, 5, 0, 1, "Best regards,\r\nthe team");
  AddMapping(84, 6, 1, 1, 1, "C:\\Windows\\notepad.exe");
  AddMapping(112, 7, 1, 0, 0, "C:\\rec\\caf\xe9.mvk");
  AddMapping(118, 1, 1, 1, 0, "");
  AddMapping(120, 3, 0, 0, 1, "");
  for (int action = 8; action <= 12; action++) AddMapping(113 + action, action, 0, 0, 0, "");
  AddMapping(150, 13, 0, 0, 0, "x");
  AddMapping(151, 0, 1, 1, 1, "ignored");
  AddMapping(152, 0x100, 0, 0, 0, "");
  AddMapping(153, 0xFFFFFFFF, 0, 0, 0, "");
  AddMapping(255, 1, 0, 0, 0, "never");

  AddShortType("addr", "12 Main St\r\nSpringfield");
  AddShortType("brb", "be right back");
  AddShortType("cafe", "caf\xe9 cr\xe8me");
  AddShortType("empty", nullptr);
  AddShortType("sig20", "abcdefghijklmnopqrst");
  AddShortType("sig21", "abcdefghijklmnopqrstu");
  AddShortType("sig42", "0123456789abcdefghijklmnopqrstuvwxyzABCDEF");

  Backup(kBackupAll, target_, 3);

  const std::string golden =
      std::string(__FILE__).substr(0, std::string(__FILE__).rfind('/')) + "/golden/backup_all.reg";
  const std::string expected = ReadWholeFile(golden);
  ASSERT_NE(expected, "<missing>") << golden;
  EXPECT_EQ(ReadWholeFile(target_), expected);
}

}  // namespace
