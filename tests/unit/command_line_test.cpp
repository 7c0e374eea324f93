#include "app/command_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fake_platform.h"
#include "recording/recording.h"
#include "settings/settings.h"

namespace {

constexpr uint32_t kImage = 180224;

TEST(DecideRunModeTest, FileSizeThenCommandLineDecide) {
  const struct {
    uint32_t fileSize;
    const char* commandLine;
    RunMode mode;
  } cases[] = {
      {kImage, "", kRunNormal},
      {kImage, nullptr, kRunNormal},
      {0, "", kRunNormal},  // own file not found
      {kImage, "demo.mvk", kRunCommandLine},
      {kImage - 1, "/SPEED=3", kRunCommandLine},
      {kImage + 1, "", kRunSelfPlaying},
      {kImage + 1, nullptr, kRunSelfPlaying},
      {kImage + 5000, "/REPEATS=2", kRunSelfPlaying},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.fileSize) + " [" + (c.commandLine ? c.commandLine : "null") +
                 "]");
    EXPECT_EQ(DecideRunMode(c.fileSize, kImage, c.commandLine), c.mode);
  }
}

TEST(ReadOptionNumberTest, ReadsTheDigitsAfterTheOption) {
  const std::string zeros(30, '0');
  const struct {
    std::string commandLine;
    const char* option;
    int32_t expected;
  } cases[] = {
      {"a.mvk /SPEED=3", "/SPEED", 3},
      {"a.mvk /SPEED 3", "/SPEED", 3},
      {"a.mvk /speed=\"3\"", "/SPEED", 3},
      {"a.mvk /SPEED = \"=  42\"", "/SPEED", 42},
      {"a.mvk /Repeats=12x5", "/REPEATS", 12},
      {"a.mvk /REPEATS=2147483647", "/REPEATS", 2147483647},
      {"a.mvk /REPEATS=2147483648", "/REPEATS", 2147483647},  // saturates
      {"a.mvk /REPEATS=99999999999999999999999999999", "/REPEATS", 2147483647},
      {"a.mvk /REPEATS=" + zeros + "12", "/REPEATS", 1},  // only 31 digits are read
      {"a.mvk /REPEATS=-5", "/REPEATS", 0},
      {"a.mvk /REPEATS=", "/REPEATS", 0},
      {"a.mvk /CONTINUOUS /SPEED=3", "/CONTINUOUS", 0},
      {"a.mvk /SPEED=3", "/REPEATS", 0},
      {"", "/SPEED", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("[" + c.commandLine + "] " + c.option);
    EXPECT_EQ(ReadOptionNumber(c.commandLine.c_str(), c.option), c.expected);
  }
}

TEST(ParseCommandLineTest, SplitsNameAndNormalisedOptions) {
  const std::string huge(40, '9');
  struct Case {
    std::string commandLine;
    const char* fileName;
    int speed;        // -1: option absent
    int continuous;   // -1: option absent
    int32_t repeats;  // -1: option absent
  };
  const Case cases[] = {
      {"\"C:\\My Files\\demo.mvk\" /SPEED=4 /REPEATS=3", "C:\\My Files\\demo.mvk", 4, -1, 3},
      {"demo.mvk", "demo.mvk", -1, -1, -1},
      {"\"C:\\My Files\\demo.mvk\"", "C:\\My Files\\demo.mvk", -1, -1, -1},
      {"  demo.mvk \t /SPEED=1", "demo.mvk", 1, -1, -1},
      {"\"de\"mo.m\"vk\"", "demo.mvk", -1, -1, -1},
      {"demo.mvk /SPEED=9", "demo.mvk", 2, -1, -1},
      {"demo.mvk /SPEED=0", "demo.mvk", 2, -1, -1},
      {"demo.mvk /speed=\"3\"", "demo.mvk", 3, -1, -1},
      {"demo.mvk /SPEED 3", "demo.mvk", 3, -1, -1},
      {"demo.mvk /SPEED=" + huge, "demo.mvk", 2, -1, -1},
      {"demo.mvk /REPEATS=0", "demo.mvk", -1, -1, 1},
      {"demo.mvk /REPEATS=2000000000", "demo.mvk", -1, -1, 2000000000},
      {"demo.mvk /REPEATS=2000000001", "demo.mvk", -1, -1, 1},
      {"demo.mvk /REPEATS=" + huge, "demo.mvk", -1, -1, 1},
      {"demo.mvk /REPEATS=x", "demo.mvk", -1, -1, 1},
      {"demo.mvk /CONTINUOUS", "demo.mvk", -1, 0, -1},
      {"demo.mvk /CONTINUOUS=1", "demo.mvk", -1, 1, -1},
      {"demo.mvk /continuous=7", "demo.mvk", -1, 1, -1},
      {"demo.mvk /CONTINUOUS=0 /REPEATS=5 /SPEED=3", "demo.mvk", 3, 0, 5},
      {"/SPEED=1 /REPEATS=5", "", 1, -1, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("[" + c.commandLine + "]");
    CommandLineOptions options;
    memset(&options, 0x5A, sizeof options);
    ParseCommandLine(c.commandLine.c_str(), &options);
    EXPECT_STREQ(options.fileName, c.fileName);
    EXPECT_EQ(options.hasSpeed, c.speed >= 0);
    if (c.speed >= 0) {
      EXPECT_EQ(options.speed, c.speed);
    }
    EXPECT_EQ(options.hasContinuous, c.continuous >= 0);
    if (c.continuous >= 0) {
      EXPECT_EQ(options.continuous, c.continuous);
    }
    EXPECT_EQ(options.hasRepeats, c.repeats >= 0);
    if (c.repeats >= 0) {
      EXPECT_EQ(options.repeats, c.repeats);
    }
  }
}

TEST(ParseCommandLineTest, OverlongNameIsCutToItsBuffer) {
  const std::string name(300, 'n');
  CommandLineOptions options;
  ParseCommandLine((name + " /SPEED=3").c_str(), &options);
  EXPECT_EQ(std::string(options.fileName), name.substr(0, 255));
  EXPECT_EQ(options.speed, 3);
}

class ApplyCommandLineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
    gSettings.speed = kSpeedFast;
    gSettings.continuous = 1;
    gSettings.repeats = 7;
  }
};

TEST_F(ApplyCommandLineTest, OptionsGivenReplaceTheLoadedSettings) {
  struct Case {
    const char* commandLine;
    const char* fileName;
    int speed;
    int continuous;
    int32_t repeats;
  };
  const Case cases[] = {
      {"demo.mvk", "demo.mvk", kSpeedFast, 1, 7},
      {"demo.mvk /SPEED=1", "demo.mvk", kSpeedSlow, 1, 7},
      {"demo.mvk /CONTINUOUS", "demo.mvk", kSpeedFast, 0, 7},
      {"\"C:\\My Files\\demo.mvk\" /SPEED=4 /REPEATS=3", "C:\\My Files\\demo.mvk", kSpeedFastest, 1,
       3},
      {"demo.mvk /SPEED=9 /REPEATS=0", "demo.mvk", kSpeedNormal, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.commandLine);
    SetUp();
    char fileName[kFileNameSize] = "";
    ApplyCommandLine(c.commandLine, fileName);
    EXPECT_STREQ(fileName, c.fileName);
    EXPECT_EQ(gSettings.speed, c.speed);
    EXPECT_EQ(gSettings.continuous, c.continuous);
    EXPECT_EQ(gSettings.repeats, c.repeats);
  }
}

TEST_F(ApplyCommandLineTest, SelfPlayingProgramStartedWithOnlyOptionsKeepsItsOwnPath) {
  char fileName[kFileNameSize] = "C:\\Tools\\Demo.exe";
  ApplyCommandLine("/REPEATS=4", fileName);
  EXPECT_STREQ(fileName, "C:\\Tools\\Demo.exe");
  EXPECT_EQ(gSettings.repeats, 4);

  ApplyCommandLine("other.mvk /REPEATS=2", fileName);
  EXPECT_STREQ(fileName, "other.mvk");
  EXPECT_EQ(gSettings.repeats, 2);
}

}  // namespace
