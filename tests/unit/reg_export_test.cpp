#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "mapping_fixture.h"
#include "settings/mapping_store.h"
#include "settings/reg_file.h"
#include "settings/shorttype_store.h"
#include "shared/log.h"
#include "test_files.h"

namespace {

class RegExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ASSERT_TRUE(folder_.ok());
    file_ = folder_.File("backup.reg");
  }

  std::string HexOf(const std::string& text) {
    remove(file_.c_str());
    EXPECT_TRUE(WriteRegHexText(file_.c_str(), text.c_str()));
    return ReadWholeFile(file_);
  }

  TempFolder folder_;
  std::string file_;
};

TEST_F(RegExportTest, HexTextBreaksAfterEvery21Bytes) {
  const struct {
    std::string text;
    std::string written;
  } cases[] = {
      {"", "\"Text\"=hex(2):00\r\n"},
      {"A", "\"Text\"=hex(2):41,00\r\n"},
      {"abcdefghijklmnopqrst",  // 20 characters and the terminator fill one line
       "\"Text\"=hex(2):61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,00\r\n"},
      {"abcdefghijklmnopqrstu",
       "\"Text\"=hex(2):61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,75,\\\r\n"
       "  00\r\n"},
      {"abcdefghijklmnopqrstuABCDEFGHIJKLMNOPQRSTU",
       "\"Text\"=hex(2):61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,75,\\\r\n"
       "  41,42,43,44,45,46,47,48,49,4a,4b,4c,4d,4e,4f,50,51,52,53,54,55,\\\r\n"
       "  00\r\n"},
      {"abcdefghijklmnopqrstuv",
       "\"Text\"=hex(2):61,62,63,64,65,66,67,68,69,6a,6b,6c,6d,6e,6f,70,71,72,73,74,75,\\\r\n"
       "  76,00\r\n"},
      {"caf\xe9 \x80\xff\r\n", "\"Text\"=hex(2):63,61,66,e9,20,80,ff,0d,0a,00\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(HexOf(c.text), c.written);
  }
}

TEST_F(RegExportTest, HexTextIsAppended) {
  WriteWholeLine(file_.c_str(), "REGEDIT4");
  WriteRegHexText(file_.c_str(), "x");
  EXPECT_EQ(ReadWholeFile(file_), "REGEDIT4\r\n\"Text\"=hex(2):78,00\r\n");
}

TEST_F(RegExportTest, UnwritableFileReportsFailure) {
  const std::string missing = folder_.File("no-such-folder/backup.reg");
  EXPECT_FALSE(WriteRegHexText(missing.c_str(), "x"));
  EXPECT_FALSE(WriteRegKeyLine(missing.c_str(), "Software\\Morvik"));
  EXPECT_FALSE(WriteRegDword(missing.c_str(), "Left", 1));
  EXPECT_FALSE(WriteRegString(missing.c_str(), "Logfile", "x"));
  EXPECT_FALSE(WriteWholeLine(folder_.path().c_str(), "REGEDIT4"));  // a folder
  EXPECT_FALSE(FileExists(missing));
}

TEST_F(RegExportTest, ValueLinesDoubleBackslashesAndWriteDwordsInHex) {
  EXPECT_TRUE(WriteRegString(file_.c_str(), "Logfile", "C:\\Logs\\Morvik.log"));
  EXPECT_TRUE(WriteRegString(file_.c_str(), "File3", ""));
  EXPECT_TRUE(WriteRegString(file_.c_str(), "Editor", "\\\\server\\share\\ed %1.exe"));
  EXPECT_TRUE(WriteRegDword(file_.c_str(), "Left", static_cast<uint32_t>(-4)));
  EXPECT_TRUE(WriteRegDword(file_.c_str(), "Repeats", 2000000000));
  EXPECT_TRUE(WriteRegKeyLine(file_.c_str(), "Software\\Morvik"));
  EXPECT_EQ(ReadWholeFile(file_),
            "\"Logfile\"=\"C:\\\\Logs\\\\Morvik.log\"\r\n"
            "\"File3\"=\"\"\r\n"
            "\"Editor\"=\"\\\\\\\\server\\\\share\\\\ed %1.exe\"\r\n"
            "\"Left\"=dword:fffffffc\r\n"
            "\"Repeats\"=dword:77359400\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik]\r\n");
}

// A cut line would corrupt the import: a 255-character path of backslashes
// doubles to 510 characters and is written whole.
TEST_F(RegExportTest, LongValueLinesAreWrittenWhole) {
  const std::string path = "C:" + std::string(253, '\\');
  ASSERT_TRUE(WriteRegString(file_.c_str(), "File1", path.c_str()));
  const std::string line = "\"File1\"=\"C:" + std::string(506, '\\') + "\"\r\n";
  EXPECT_EQ(ReadWholeFile(file_), line);
  EXPECT_GT(line.size(), 319u);
}

TEST_F(RegExportTest, MappingSectionHasEveryNonZeroAction) {
  AddMapping(65, 0, 1, 1, 1, "not exported");
  AddMapping(66, 13, 0, 0, 0, "\xe9");
  AddMapping(67, 1, 5, 0, 1, nullptr);
  AddMapping(255, 1, 0, 0, 0, "never");
  FakeSetNumber(MappingKey(68), "Action", 0xFFFFFFFF);  // nothing but the Action

  ASSERT_TRUE(ExportMappings(file_.c_str()));

  EXPECT_EQ(ReadWholeFile(file_),
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings\\66]\r\n"
            "\"Action\"=dword:0000000d\r\n"
            "\"Control\"=dword:00000000\r\n"
            "\"Shift\"=dword:00000000\r\n"
            "\"Alt\"=dword:00000000\r\n"
            "\"Text\"=hex(2):e9,00\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings\\67]\r\n"
            "\"Action\"=dword:00000001\r\n"
            "\"Control\"=dword:00000005\r\n"
            "\"Shift\"=dword:00000000\r\n"
            "\"Alt\"=dword:00000001\r\n"
            "\"Text\"=hex(2):00\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings\\68]\r\n"
            "\"Action\"=dword:ffffffff\r\n"
            "\"Control\"=dword:00000000\r\n"
            "\"Shift\"=dword:00000000\r\n"
            "\"Alt\"=dword:00000000\r\n"
            "\"Text\"=hex(2):00\r\n");
}

TEST_F(RegExportTest, MappingSectionWithoutMappingsIsItsKeyLine) {
  ASSERT_TRUE(ExportMappings(file_.c_str()));
  EXPECT_EQ(ReadWholeFile(file_), "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\Mappings]\r\n");
}

TEST_F(RegExportTest, ShortTypeSectionHasOneKeyPerShortType) {
  AddShortType("sig", "Jo\r\nSales");
  AddShortType("brb", nullptr);
  ASSERT_TRUE(ListShortTypes(kListIntoFile, 0, 0, nullptr, file_.c_str()));
  EXPECT_EQ(ReadWholeFile(file_),
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\ShortType]\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\ShortType\\brb]\r\n"
            "\"Text\"=hex(2):00\r\n"
            "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\ShortType\\sig]\r\n"
            "\"Text\"=hex(2):4a,6f,0d,0a,53,61,6c,65,73,00\r\n");
  EXPECT_TRUE(gFake.comboTexts.empty());
}

TEST_F(RegExportTest, ShortTypeSectionKeepsTheFirst64) {
  for (int i = 0; i < 70; i++) {
    char name[8];
    snprintf(name, sizeof name, "s%02d", i);
    AddShortType(name, "");
  }
  ASSERT_TRUE(ListShortTypes(kListIntoFile, 0, 0, nullptr, file_.c_str()));
  const std::string written = ReadWholeFile(file_);
  EXPECT_NE(written.find("ShortType\\s63]"), std::string::npos);
  EXPECT_EQ(written.find("ShortType\\s64]"), std::string::npos);
  size_t keys = 0;
  for (size_t at = written.find("[HKEY"); at != std::string::npos;
       at = written.find("[HKEY", at + 1))
    keys++;
  EXPECT_EQ(keys, 65u);
}

TEST_F(RegExportTest, NoShortTypeKeyWritesNothing) {
  FakeSetNumber("SOFTWARE\\Morvik", "Speed", 2);
  ASSERT_TRUE(ListShortTypes(kListIntoFile, 0, 0, nullptr, file_.c_str()));
  EXPECT_FALSE(FileExists(file_));
}

TEST_F(RegExportTest, EmptyShortTypeKeyWritesItsKeyLine) {
  PlatformRegCreateKey(kRootCurrentUser, "SOFTWARE\\Morvik\\ShortType");
  ASSERT_TRUE(ListShortTypes(kListIntoFile, 0, 0, nullptr, file_.c_str()));
  EXPECT_EQ(ReadWholeFile(file_), "\r\n[HKEY_CURRENT_USER\\Software\\Morvik\\ShortType]\r\n");
}

}  // namespace
