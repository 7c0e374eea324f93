// WriteRecordingText: the header, the line of every message, script
// commands kept through a save, and the failures.
#include "recording/text_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_files.h"

namespace {

const char kHeader[] =
    "; This file was created by Morvik \r\n"
    "; You may edit it, but keep the format the same as you see below.\r\n"
    "; You may add comments by using ';' at the start of a line.\r\n"
    "; Each line represents an EVENT structure, or may be one of the Morvik commands (see help "
    "file reference)\r\n"
    "; \r\n"
    "; Examples:\r\n"
    ";        START notepad.exe\r\n"
    ";        WAIT 1 second\r\n"
    ";        GOTO Untitled - Notepad\r\n"
    ";        TYPE Here is text that is being typed by Morvik\r\n"
    "; \r\n"
    "; You can mix the EVENT structure lines with Morvik commands, such as:\r\n"
    ";        message=WM_MOUSEMOVE paramH=288 paramL=420 time=13024638\r\n"
    ";        START NOTEPAD.EXE\r\n"
    ";        GOTO Untitled - Notepad\r\n"
    ";        message=WM_MOUSEMOVE paramH=267 paramL=420 time=13024758\r\n"
    "; \r\n"
    "; You may put 0 for the TIME component in each line.\r\n"
    "; Remember that Morvik is primarly a mouse and keyboard recorder, and does not rely on "
    "scripts.\r\n"
    "; Start of the real recording:\r\n";

class TextWriterTest : public RecordingFileTest {
 protected:
  // Writes the recording to a new file; returns the writer's result.
  bool WriteText(const std::string& name) {
    SetFileName(Path(name));
    FILE* f = fopen(Path(name).c_str(), "w+b");
    bool written = WriteRecordingText(f);
    if (written) fclose(f);
    return written;
  }
};

TEST_F(TextWriterTest, WritesTheHeaderAndOneLinePerSlot) {
  SetEvents({Event(256, 0x1E41, 1, 100, 77), Event(257, 2, 3, 4), Event(258, 5, 6, 7),
             Event(260, 8, 9, 10), Event(261, 11, 12, 13), Event(273, 14, 15, 16),
             Event(512, 420, 288, 13024638), Event(513, 17, 18, 19), Event(514, 20, 21, 22),
             Event(15, 0, 0, 4000000000u), Event(0, 0, 0, 0), Event(0xFFFFFFFF, 1, 2, 3)});

  ASSERT_TRUE(WriteText("out.mvx"));

  EXPECT_EQ(ReadWholeFile(Path("out.mvx")),
            std::string(kHeader) +
                "message=WM_KEYDOWN paramH=1 paramL=7745 time=100\r\n"
                "message=WM_KEYUP paramH=3 paramL=2 time=4\r\n"
                "message=WM_CHAR paramH=6 paramL=5 time=7\r\n"
                "message=WM_SYSKEYDOWN paramH=9 paramL=8 time=10\r\n"
                "message=WM_SYSKEYUP paramH=12 paramL=11 time=13\r\n"
                "message=WM_COMMAND paramH=15 paramL=14 time=16\r\n"
                "message=WM_MOUSEMOVE paramH=288 paramL=420 time=13024638\r\n"
                "message=WM_LBUTTONDOWN paramH=18 paramL=17 time=19\r\n"
                "message=WM_LBUTTONUP paramH=21 paramL=20 time=22\r\n"
                "message=15 paramH=0 paramL=0 time=-294967296\r\n"
                "message=0 paramH=0 paramL=0 time=0\r\n"
                "message=-1 paramH=2 paramL=1 time=3\r\n");
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(TextWriterTest, WritesAfterWhatTheFileHolds) {
  SetEvents({Event(257, 2, 3, 4)});
  WriteWholeFile(Path("out.mvx"), "kept\r\n");
  SetFileName(Path("out.mvx"));
  FILE* f = fopen(Path("out.mvx").c_str(), "r+b");

  ASSERT_TRUE(WriteRecordingText(f));
  fclose(f);

  EXPECT_EQ(ReadWholeFile(Path("out.mvx")),
            "kept\r\n" + std::string(kHeader) + "message=WM_KEYUP paramH=3 paramL=2 time=4\r\n");
}

TEST_F(TextWriterTest, EventsComeBackExceptTheWindow) {
  std::vector<EventRecord> events = {Event(kWmMouseMove, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 99),
                                     Event(kWmKeyDown, 0x1E41, 0xC0000001, 12345, 5),
                                     Event(kMsgEndMarker, 0, 0, 1, 0), Event(999, 1, 2, 3, 0)};
  SetEvents(events);
  ASSERT_TRUE(WriteText("round.mvx"));
  ClearEvents();

  EXPECT_EQ(LoadRecording(), 0);

  ASSERT_EQ(gRecording.eventCount, 4);
  for (size_t i = 0; i < events.size(); i++) {
    events[i].hwnd = 0;
    EXPECT_TRUE(SameEvent(gRecording.events[i], events[i])) << Describe(gRecording.events[i]);
  }
}

TEST_F(TextWriterTest, ScriptKeepsItsCommandsThroughASave) {
  const std::string script =
      "; my script\r\n"
      "START notepad.exe\r\n"
      "WAIT 5 seconds\r\n"
      "GOTO Untitled - Notepad\r\n"
      "message=WM_KEYDOWN paramH=1 paramL=65 time=10\r\n"
      "TYPE  Hello {enter}  \r\n"
      "CLICK\r\n"
      "message=WM_KEYUP paramH=1 paramL=65 time=20\r\n";
  ASSERT_EQ(Load("script.mvx", script), 5);

  ASSERT_TRUE(WriteText("saved.mvx"));

  EXPECT_EQ(ReadWholeFile(Path("saved.mvx")),
            std::string(kHeader) +
                "START notepad.exe\r\n"
                "WAIT 5 \r\n"
                "GOTO Untitled - Notepad\r\n"
                "message=WM_KEYDOWN paramH=1 paramL=65 time=10\r\n"
                "TYPE Hello {enter}  \r\n"
                "CLICK \r\n"
                "message=WM_KEYUP paramH=1 paramL=65 time=20\r\n");
  ASSERT_EQ(LoadRecording(), 5);
  EXPECT_EQ(gRecording.eventCount, 7);
  const int codes[] = {kCommandStart, kCommandWait, kCommandGoto, kCommandType, kCommandClick};
  const char* texts[] = {"notepad.exe", "5 ", "Untitled - Notepad", "Hello {enter}  ", ""};
  const int slots[] = {0, 1, 2, 4, 5};
  for (int i = 0; i < 5; i++) {
    EXPECT_EQ(gRecording.code[i], codes[i]) << i;
    EXPECT_STREQ(gRecording.text[i], texts[i]) << i;
    EXPECT_EQ(gRecording.eventIndex[i], slots[i]) << i;
  }
}

TEST_F(TextWriterTest, EmptySlotWithoutCommandStaysAnEmptyEvent) {
  // Slot 1 is empty with no command naming it; slot 3 is the command's.
  ASSERT_EQ(Load("script.mvx", "message=WM_KEYUP paramH=1 paramL=2\r\nSTART x\r\n"), 1);
  SetEvents({Event(256, 1, 2, 3), Event(0, 0, 0, 0), Event(257, 4, 5, 6), Event(0, 0, 0, 0)});
  gRecording.eventIndex[0] = 3;

  ASSERT_TRUE(WriteText("mixed.mvx"));

  EXPECT_EQ(ReadWholeFile(Path("mixed.mvx")), std::string(kHeader) +
                                                  "message=WM_KEYDOWN paramH=2 paramL=1 time=3\r\n"
                                                  "message=0 paramH=0 paramL=0 time=0\r\n"
                                                  "message=WM_KEYUP paramH=5 paramL=4 time=6\r\n"
                                                  "START x\r\n");
}

TEST_F(TextWriterTest, MissingWorkBufferFailsWithItsMessage) {
  SetEvents({Event(257, 2, 3, 4)});
  gFake.failAllocation = gFake.allocations + 1;

  EXPECT_FALSE(WriteText("out.mvx"));

  EXPECT_EQ(ReadWholeFile(Path("out.mvx")), "");
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Memory Allocation Failure");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Memory Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
}

TEST_F(TextWriterTest, FailedWriteIsReported) {
  SetEvents({Event(257, 2, 3, 4)});
  SetFileName("/dev/full");
  FILE* f = fopen("/dev/full", "wb");
  ASSERT_NE(f, nullptr);

  EXPECT_FALSE(WriteRecordingText(f));

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to save file '/dev/full'!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Error");
}

}  // namespace
