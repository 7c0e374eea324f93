#include "settings/registry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_platform.h"

namespace {

const char kKey[] = "SOFTWARE\\Morvik";

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetFakePlatform(); }
};

TEST_F(RegistryTest, PathSplitsAtItsLastBackslash) {
  const struct {
    const char* path;
    const char* keyPath;
    const char* valueName;
  } cases[] = {
      {"SOFTWARE\\Morvik\\Speed", "SOFTWARE\\Morvik", "Speed"},
      {"SOFTWARE\\Morvik\\Mappings\\F7\\Action", "SOFTWARE\\Morvik\\Mappings\\F7", "Action"},
      {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\Morvik",
       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", "Morvik"},
      {"Speed", "", "Speed"},
      {"SOFTWARE\\Morvik\\", "SOFTWARE\\Morvik", ""},
      {"\\Speed", "", "Speed"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    char keyPath[kSettingTextSize] = "junk";
    char valueName[kSettingTextSize] = "junk";
    SplitSettingPath(c.path, keyPath, valueName);
    EXPECT_STREQ(keyPath, c.keyPath);
    EXPECT_STREQ(valueName, c.valueName);
  }
}

TEST_F(RegistryTest, OverlongPathPartsAreCutToTheirBuffers) {
  const std::string key(300, 'k');
  const std::string name(300, 'n');
  char keyPath[kSettingTextSize];
  char valueName[kSettingTextSize];
  SplitSettingPath((key + "\\" + name).c_str(), keyPath, valueName);
  EXPECT_EQ(std::string(keyPath), key.substr(0, kSettingTextSize - 1));
  EXPECT_EQ(std::string(valueName), name.substr(0, kSettingTextSize - 1));
}

TEST_F(RegistryTest, NumberReadsTheStoredValueOrTheDefault) {
  FakeSetNumber(kKey, "Repeats", 50);
  FakeSetNumber(kKey, "Left", 0xFFFFFF9D);
  FakeSetText(kKey, "Editor", "notepad.exe");
  FakeSetText(kKey, "Short", "1234");  // 5 bytes with the terminator
  const unsigned char eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  PlatformRegSet(kRootCurrentUser, kKey, "Wide", kRegBinary, eight, sizeof eight);
  const unsigned char two[2] = {0x34, 0x12};
  PlatformRegSet(kRootCurrentUser, kKey, "Narrow", kRegBinary, two, sizeof two);

  const struct {
    const char* path;
    int32_t expected;
  } cases[] = {
      {"SOFTWARE\\Morvik\\Repeats", 50},    {"SOFTWARE\\Morvik\\Left", -99},
      {"SOFTWARE\\Morvik\\Missing", 777},   // value missing
      {"SOFTWARE\\Nowhere\\Repeats", 777},  // key missing
      {"SOFTWARE\\Morvik\\Editor", 777},    // larger than 4 bytes, whatever its type
      {"SOFTWARE\\Morvik\\Short", 777},     {"SOFTWARE\\Morvik\\Wide", 777},
      {"SOFTWARE\\Morvik\\Narrow", 0x1234},  // fits: its bytes, whatever its type
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    char buffer[kSettingTextSize] = "junk";
    EXPECT_EQ(ReadSetting(kRootCurrentUser, c.path, kSettingNumber, nullptr, 777), c.expected);
    EXPECT_EQ(ReadSetting(kRootCurrentUser, c.path, kSettingNumber, buffer, 777), c.expected);
    EXPECT_STREQ(buffer, "");  // a given buffer is emptied for numbers too
  }
}

TEST_F(RegistryTest, TextReadsTheStoredTextOrLeavesTheBufferEmpty) {
  const std::string longest(kSettingTextSize - 1, 'a');  // 256 bytes with its terminator
  const std::string tooLong(kSettingTextSize, 'b');      // 257 bytes
  FakeSetText(kKey, "Editor", "notepad.exe");
  FakeSetText(kKey, "Logfile", "%TEMP%\\m.log", kRegExpandSz);
  FakeSetText(kKey, "Empty", "");
  FakeSetText(kKey, "Longest", longest);
  FakeSetText(kKey, "TooLong", tooLong);

  const struct {
    const char* path;
    int32_t result;
    std::string text;
  } cases[] = {
      {"SOFTWARE\\Morvik\\Editor", 0, "notepad.exe"},
      {"SOFTWARE\\Morvik\\Logfile", 0, "%TEMP%\\m.log"},
      {"SOFTWARE\\Morvik\\Empty", 0, ""},
      {"SOFTWARE\\Morvik\\Longest", 0, longest},
      {"SOFTWARE\\Morvik\\TooLong", 33, ""},
      {"SOFTWARE\\Morvik\\Missing", 33, ""},
      {"SOFTWARE\\Nowhere\\Editor", 33, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    char buffer[kSettingTextSize];
    memset(buffer, 'x', sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    EXPECT_EQ(ReadSetting(kRootCurrentUser, c.path, kSettingText, buffer, 33), c.result);
    EXPECT_EQ(std::string(buffer), c.text);
  }
}

TEST_F(RegistryTest, TextWithoutTerminatorIsReadUpToItsStoredLength) {
  const char raw[3] = {'a', 'b', 'c'};
  PlatformRegSet(kRootCurrentUser, kKey, "Raw", kRegSz, raw, sizeof raw);
  char buffer[kSettingTextSize];
  memset(buffer, 'x', sizeof buffer);
  EXPECT_EQ(ReadSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Raw", kSettingText, buffer, 9), 0);
  EXPECT_STREQ(buffer, "abc");
}

TEST_F(RegistryTest, NumberIsWrittenAsFourByteDword) {
  EXPECT_EQ(
      WriteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Left", kSettingNumber, "ignored", -99), 1);
  const FakeRegValue* value = FakeValue(kKey, "Left");
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->type, kRegDword);
  EXPECT_EQ(value->data, (std::vector<unsigned char>{0x9D, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(ReadSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Left", kSettingNumber, nullptr, 0),
            -99);
}

TEST_F(RegistryTest, TextIsWrittenExpandableOnlyWhenItHoldsPercent) {
  const struct {
    const char* text;
    uint32_t type;
  } cases[] = {
      {"notepad.exe", kRegSz},
      {"%TEMP%\\morvik.log", kRegExpandSz},
      {"100%", kRegExpandSz},
      {"", kRegSz},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ResetFakePlatform();
    EXPECT_EQ(WriteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Editor", kSettingText, c.text, 5),
              1);
    const FakeRegValue* value = FakeValue(kKey, "Editor");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, c.type);
    // The characters and one terminating zero byte.
    std::string stored(value->data.begin(), value->data.end());
    EXPECT_EQ(stored, std::string(c.text) + '\0');
  }
}

TEST_F(RegistryTest, WriteCreatesMissingKeysAtAnyDepth) {
  const char path[] = "SOFTWARE\\Morvik\\Mappings\\F7\\Action";
  EXPECT_EQ(WriteSetting(kRootCurrentUser, path, kSettingNumber, nullptr, 1), 1);
  EXPECT_TRUE(FakeHasKey("SOFTWARE\\Morvik\\Mappings\\F7"));
  EXPECT_EQ(FakeNumber("SOFTWARE\\Morvik\\Mappings\\F7", "Action"), 1u);
  EXPECT_EQ(ReadSetting(kRootCurrentUser, path, kSettingNumber, nullptr, 0), 1);
}

TEST_F(RegistryTest, WriteGoesUnderTheGivenRootOnly) {
  WriteSetting(kRootLocalMachine, "SOFTWARE\\Morvik\\Speed", kSettingNumber, nullptr, 3);
  const FakeRegValue* written = FakeValue(kKey, "Speed", kRootLocalMachine);
  ASSERT_NE(written, nullptr);
  EXPECT_EQ(written->type, kRegDword);
  EXPECT_EQ(FakeValue(kKey, "Speed", kRootCurrentUser), nullptr);
}

TEST_F(RegistryTest, TextWriteWithoutTextStoresNothingButSucceeds) {
  FakeSetText(kKey, "Editor", "wordpad.exe");
  EXPECT_EQ(WriteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Editor", kSettingText, nullptr, 4),
            1);
  EXPECT_EQ(FakeText(kKey, "Editor"), "wordpad.exe");
  EXPECT_EQ(WriteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Fresh", kSettingText, nullptr, 4), 1);
  EXPECT_EQ(FakeValue(kKey, "Fresh"), nullptr);
}

TEST_F(RegistryTest, DeleteRemovesTheValueAndKeepsTheKey) {
  FakeSetText(kKey, "gszFile", "C:\\rec.mvk");
  FakeSetNumber(kKey, "Speed", 3);
  FakeSetNumber("SOFTWARE\\Morvik\\gszFile", "Inner", 1);  // a subkey of the same name
  DeleteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\gszFile");
  EXPECT_EQ(FakeValue(kKey, "gszFile"), nullptr);
  EXPECT_EQ(FakeNumber(kKey, "Speed"), 3u);
  EXPECT_TRUE(FakeHasKey(kKey));
  EXPECT_TRUE(FakeHasKey("SOFTWARE\\Morvik\\gszFile"));
}

TEST_F(RegistryTest, DeleteOfAMissingValueRemovesTheSubkeyOfThatName) {
  FakeSetNumber("SOFTWARE\\Morvik\\Mappings\\118", "Action", 1);
  FakeSetNumber("SOFTWARE\\Morvik\\Mappings\\119", "Action", 2);
  DeleteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\Mappings\\118");
  EXPECT_FALSE(FakeHasKey("SOFTWARE\\Morvik\\Mappings\\118"));
  EXPECT_TRUE(FakeHasKey("SOFTWARE\\Morvik\\Mappings\\119"));
  EXPECT_TRUE(FakeHasKey("SOFTWARE\\Morvik\\Mappings"));
}

TEST_F(RegistryTest, DeleteUnderAMissingKeyChangesNothing) {
  FakeSetNumber(kKey, "Speed", 3);
  const auto before = gFake.registry.size();
  DeleteSetting(kRootCurrentUser, "SOFTWARE\\Nowhere\\Speed");
  DeleteSetting(kRootCurrentUser, "SOFTWARE\\Morvik\\NoSuchValue");
  EXPECT_EQ(gFake.registry.size(), before);
  EXPECT_EQ(FakeNumber(kKey, "Speed"), 3u);
}

}  // namespace
