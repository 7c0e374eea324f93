#include "shared/log.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fake_platform.h"
#include "test_files.h"

namespace {

class LogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    ASSERT_TRUE(folder_.ok());
    log_ = folder_.File("morvik.log");
  }

  // The file's text after writing one line to a fresh log.
  std::string Logged(const char* format, ...) {
    remove(log_.c_str());
    va_list args;
    va_start(args, format);
    WriteLogLineV(log_.c_str(), format, args);
    va_end(args);
    return ReadWholeFile(log_);
  }

  TempFolder folder_;
  std::string log_;
};

TEST_F(LogTest, FormatsLikeTheSystemFormatter) {
  const char* none = nullptr;
  const int32_t loops = 12;
  const std::vector<std::pair<std::string, std::string>> cases = {
      {Logged("Action %d of %d...", 3, 17), "Action 3 of 17..."},
      {Logged("%d", -42), "-42"},
      {Logged("%d", INT32_MIN), "-2147483648"},
      {Logged("%li Playbacks Completed", loops), "12 Playbacks Completed"},
      {Logged("%u", -1), "4294967295"},
      {Logged("[%s]", "C:\\demo.mvk"), "[C:\\demo.mvk]"},
      {Logged("key '%c'", 'A'), "key 'A'"},
      {Logged("%X", 0xBEEF), "BEEF"},
      {Logged("%x", 0xBEEF), "beef"},
      {Logged("%08x", 0x1A2B), "00001a2b"},
      {Logged("%08X", 0xFFFFFFFFu), "FFFFFFFF"},
      {Logged("%02d:%02d", 7, 123), "07:123"},
      {Logged("%02d", -5), "-5"},
      {Logged("%05d", -42), "-0042"},
      {Logged("%4d|", 42), "  42|"},
      {Logged("%-5s|", "ab"), "ab   |"},
      {Logged("%5s|", "ab"), "   ab|"},
      {Logged("%.2s", "abcdef"), "ab"},
      {Logged("100%%"), "100%"},
      {Logged("[%s]", none), "[(null)]"},
      {Logged("   Service-->%s %d", "play", 2), "   Service-->play 2"},
      {Logged("\r\nSTART PLAYBACK"), "\r\nSTART PLAYBACK"},
      {Logged("ends with%"), "ends with"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.first, c.second + "\r\n");
}

TEST_F(LogTest, LineIsCutAt319Characters) {
  const std::string x400(400, 'x');
  EXPECT_EQ(Logged("%s", x400.c_str()), std::string(319, 'x') + "\r\n");
  EXPECT_EQ(Logged("%s", x400.substr(0, 319).c_str()), std::string(319, 'x') + "\r\n");
  const std::string literal(300, 'a');
  EXPECT_EQ(Logged((literal + "%s").c_str(), std::string(50, 'b').c_str()),
            literal + std::string(19, 'b') + "\r\n");
  EXPECT_EQ(Logged("%400d", 1), std::string(319, ' ') + "\r\n");
}

TEST_F(LogTest, LinesAreAppendedToWhatTheFileHolds) {
  WriteWholeFile(log_, "earlier run\r\n");
  WriteLogLine(log_.c_str(), "START RECORDING");
  WriteLogLine(log_.c_str(), "   Event %d", 1);
  WriteLogLine(log_.c_str(), "");
  EXPECT_EQ(ReadWholeFile(log_), "earlier run\r\nSTART RECORDING\r\n   Event 1\r\n\r\n");
}

TEST_F(LogTest, MissingFileIsCreated) {
  ASSERT_FALSE(FileExists(log_));
  WriteLogLine(log_.c_str(), "first");
  EXPECT_EQ(ReadWholeFile(log_), "first\r\n");
}

TEST_F(LogTest, UnopenablePathLosesTheLineSilently) {
  const std::string inMissingFolder = folder_.File("no-such-folder/morvik.log");
  WriteLogLine(inMissingFolder.c_str(), "lost %d", 1);
  EXPECT_FALSE(FileExists(inMissingFolder));
  WriteLogLine(folder_.path().c_str(), "lost %d", 2);  // a folder
  WriteLogLine("", "lost %d", 3);
  WriteLogLine(nullptr, "lost %d", 4);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(LogTest, LastErrorIsWrittenAsOneLine) {
  const struct {
    std::string errorText;
    std::string line;
  } cases[] = {
      {"Access is denied.", "Access is denied."},
      {"100% of %s failed", "100% of %s failed"},  // written as text, not as a format
      {"", "Unable to display error."},
      {std::string(1024, 'e'), std::string(319, 'e')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.errorText.substr(0, 40));
    remove(log_.c_str());
    gFake.lastErrorText = c.errorText;
    LogLastError(log_.c_str());
    EXPECT_EQ(ReadWholeFile(log_), c.line + "\r\n");
  }
}

}  // namespace
