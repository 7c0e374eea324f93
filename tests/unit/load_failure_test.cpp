// The failures of LoadRecording's common frame and its read errors: each
// result with its message, caption, icon and log lines.
#include <gtest/gtest.h>

#include <string>

#include "app/file_helpers.h"
#include "recording_files.h"

namespace {

class LoadFailureTest : public RecordingFileTest {
 protected:
  // A recording from an earlier load that a failed load must not leave behind.
  void LoadSomethingFirst() {
    ASSERT_EQ(Load("earlier.mvx", "START x\r\nmessage=WM_KEYUP paramH=1 paramL=2\r\n"), 1);
  }

  void ExpectOneBox(const std::string& text, const std::string& caption, uint32_t icon) {
    ASSERT_EQ(gFake.messageBoxes.size(), 1u);
    EXPECT_EQ(gFake.messageBoxes[0].text, text);
    EXPECT_EQ(gFake.messageBoxes[0].caption, caption);
    EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | icon);
  }

  void ExpectEmptyRecording() {
    EXPECT_EQ(gRecording.eventCount, 0);
    EXPECT_EQ(gRecording.events[0].message, 0u);
    EXPECT_EQ(gRecording.events[1].message, 0u);
    EXPECT_EQ(gRecording.commandCount, 1);  // the count of the earlier load
  }
};

// A file that the system lists with a size but will not open for reading,
// and one that ends long before its listed size. Both exist on Linux.
const char kUnopenable[] = "/sys/bus/cpu/uevent";
const char kShorterThanListed[] = "/sys/devices/system/cpu/online";

TEST_F(LoadFailureTest, EmptyNameIsAnInternalError) {
  std::string log = LogToFile();
  gRecording.fileName[0] = '\0';

  EXPECT_EQ(LoadRecording(), kLoadFormatError);

  ExpectOneBox("Internal error while loading Morvik file!\n\n(This should never occur)",
               "Internal Error", kMbIconStop);
  EXPECT_EQ(ReadWholeFile(log), "Unable to open file ''! (-3)\r\n");
}

TEST_F(LoadFailureTest, MissingOrEmptyFileGivesMinus2) {
  for (const char* name : {"missing.mvx", "empty.mvk"}) {
    SCOPED_TRACE(name);
    LoadSomethingFirst();
    gFake.messageBoxes.clear();
    std::string log = LogToFile();
    std::remove(log.c_str());
    if (std::string(name) == "empty.mvk") WriteWholeFile(Path(name), "");
    SetFileName(Path(name));

    EXPECT_EQ(LoadRecording(), kLoadMissing);

    std::string line = "Unable to open file '" + Path(name) + "'! (-2)";
    ExpectOneBox(line + "\n\nPlease verify that the file exists.", "Error", kMbIconExclamation);
    EXPECT_EQ(ReadWholeFile(log), line + "\r\n");
    // Nothing was opened, so nothing was cleared yet.
    EXPECT_EQ(gRecording.eventCount, 2);
  }
}

TEST_F(LoadFailureTest, UnopenableFileGivesMinus3AfterTheSystemsError) {
  FILE* opened = fopen(kUnopenable, "rb");
  if (opened != nullptr) fclose(opened);
  if (FileSizeOf(kUnopenable) == 0 || opened != nullptr) {
    GTEST_SKIP() << kUnopenable << " is not a listed, unreadable file here";
  }
  std::string log = LogToFile();
  gFake.lastErrorText = "Access is denied.";
  SetFileName(kUnopenable);

  EXPECT_EQ(LoadRecording(), kLoadCannotOpen);

  std::string line = std::string("Unable to open file '") + kUnopenable + "'! (-3)";
  ExpectOneBox(line + "\n\nPlease verify that the file is not already open.", "Error",
               kMbIconExclamation);
  EXPECT_EQ(ReadWholeFile(log), "Access is denied.\r\n" + line + "\r\n");
}

TEST_F(LoadFailureTest, TextThatEndsBeforeItsSizeGivesMinus5) {
  if (FileSizeOf(kShorterThanListed) <= 16) GTEST_SKIP() << kShorterThanListed << " is missing";
  LoadSomethingFirst();
  std::string log = LogToFile();
  SetFileName(kShorterThanListed);

  EXPECT_EQ(LoadRecording(), kLoadTextReadError);

  std::string line = std::string("Unable to open file '") + kShorterThanListed + "'! (-5)";
  ExpectOneBox(line + "\n\nPlease verify that the file has not changed.", "Error",
               kMbIconExclamation);
  EXPECT_EQ(ReadWholeFile(log), "Unable to display error.\r\n" + line + "\r\n");
  ExpectEmptyRecording();
}

TEST_F(LoadFailureTest, PartialBinaryRecordGivesMinus4) {
  LoadSomethingFirst();
  std::string log = LogToFile();
  std::string bytes = BinaryRecords({Event(512, 1, 2, 3, 4)}) + "12345";

  EXPECT_EQ(Load("short.mvk", bytes), kLoadBinaryReadError);

  std::string line = "Unable to open file '" + Path("short.mvk") + "'! (-4)";
  ExpectOneBox(line + "\n\nPlease verify that the file has not changed.", "Error",
               kMbIconExclamation);
  EXPECT_EQ(ReadWholeFile(log), "Unable to display error.\r\n" + line + "\r\n");
  ExpectEmptyRecording();
}

TEST_F(LoadFailureTest, NothingIsLoggedWhileTheLogIsOff) {
  LogToFile();
  gSettings.log = kLogOff;

  EXPECT_EQ(Load("short.mvk", "12345"), kLoadBinaryReadError);
  EXPECT_EQ(Load("bad.mvx", "Bogus\r\n"), kLoadFormatError);
  gRecording.fileName[0] = '\0';
  EXPECT_EQ(LoadRecording(), kLoadFormatError);

  EXPECT_FALSE(FileExists(Path("morvik.log")));
  EXPECT_EQ(gFake.messageBoxes.size(), 3u);
}

}  // namespace
