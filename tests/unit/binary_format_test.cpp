// The binary form: the loader's binary branch, program images with a
// recording behind them, and the binary writer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_files.h"

namespace {

using namespace std::string_literals;

class BinaryFormatTest : public RecordingFileTest {
 protected:
  void ExpectEvents(const std::vector<EventRecord>& events) {
    ASSERT_EQ(gRecording.eventCount, static_cast<int>(events.size()));
    for (size_t i = 0; i < events.size(); i++) {
      EXPECT_TRUE(SameEvent(gRecording.events[i], events[i]))
          << i << ": " << Describe(gRecording.events[i]);
    }
  }

  // Writes the recording with WriteRecordingBinary to a new file.
  int WriteBinary(const std::string& name) {
    SetFileName(Path(name));
    FILE* f = fopen(Path(name).c_str(), "w+b");
    int result = WriteRecordingBinary(f);
    if (result == kBinaryWritten) fclose(f);
    return result;
  }
};

// Values with every byte in use, so a swapped or cut field shows.
const std::vector<EventRecord> kEvents = {
    Event(kWmMouseMove, 0x01020304, 0x05060708, 0x8090A0B0, 0xC0D0E0F0),
    Event(kWmKeyDown, 0x1E41, 1, 0xFFFFFFFF, 0x00010002),
    Event(kMsgEndMarker, 0, 0, 123456, 0),
};

TEST_F(BinaryFormatTest, LoadsRecordsAsTheyAre) {
  gRecording.commandCount = 3;
  gFake.menuEnabled[kEditScriptCommand] = true;

  EXPECT_EQ(Load("rec.mvk", BinaryRecords(kEvents)), 0);

  ExpectEvents(kEvents);
  EXPECT_EQ(gRecording.commandCount, 0);
  EXPECT_FALSE(gFake.menuEnabled[kEditScriptCommand]);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(BinaryFormatTest, EmptyRecordsAreTakenToo) {
  std::vector<EventRecord> events = {Event(0, 1, 2, 3), Event(kWmKeyUp, 4, 5, 6)};

  EXPECT_EQ(Load("rec.MVK", BinaryRecords(events)), 0);

  ExpectEvents(events);
}

TEST_F(BinaryFormatTest, NameOrContentChoosesBinary) {
  // Text under a name that contains ".mvk" is read as binary records.
  std::string text = "message=WM_KEYUP paramH=1 paramL=2 t=1\r\n";
  ASSERT_EQ(text.size() % 20, 0u);
  EXPECT_EQ(Load("demo.mvk.mvx", text), 0);
  EXPECT_EQ(gRecording.eventCount, 2);
  EXPECT_EQ(gRecording.commandCount, 0);

  // Records under any other name are binary by their zero bytes.
  EXPECT_EQ(Load("notes.dat", BinaryRecords(kEvents)), 0);
  ExpectEvents(kEvents);
}

TEST_F(BinaryFormatTest, ReadsAtMost32766Records) {
  std::vector<EventRecord> events;
  for (int i = 0; i < kMaxStoredEvents + 4; i++) events.push_back(Event(kWmMouseMove, i, i, i));

  EXPECT_EQ(Load("long.mvk", BinaryRecords(events) + "tail"), 0);

  EXPECT_EQ(gRecording.eventCount, kMaxStoredEvents);
  EXPECT_TRUE(SameEvent(gRecording.events[kMaxStoredEvents - 1], events[kMaxStoredEvents - 1]));
  EXPECT_EQ(gRecording.events[kMaxStoredEvents].message, 0u);
}

// Program images: a stand-in program of ImageLength bytes with a block
// behind it, as Create Executable Program makes them.
class ProgramImageTest : public BinaryFormatTest {
 protected:
  void SetUp() override {
    BinaryFormatTest::SetUp();
    gFake.imageLength = static_cast<uint32_t>(kProgram.size());
  }
  // No NUL and a script line in it, so reading it by mistake would show.
  const std::string kProgram =
      "; MZ program\r\nTYPE from the program\r\n; " + std::string(30, 'P') + "\r\n";
};

TEST_F(ProgramImageTest, RecordingThatBeginsWithKeyUpIsBinary) {
  // WM_KEYUP's low byte is not 0: only the record's other zero bytes tell.
  std::vector<EventRecord> events = {Event(kWmKeyUp, 0x41, 0xC0000001, 5), Event(15, 0, 0, 9)};

  EXPECT_EQ(Load("play.exe", kProgram + BinaryRecords(events)), 0);

  ExpectEvents(events);
  EXPECT_FALSE(gFake.menuEnabled[kEditScriptCommand]);
}

TEST_F(ProgramImageTest, TextBlockIsReadAsTextFromTheImageEnd) {
  std::string block = "START notepad.exe\r\nmessage=WM_KEYDOWN paramH=1 paramL=65\r\n";

  EXPECT_EQ(Load("PLAY.EXE", kProgram + block), 1);

  EXPECT_EQ(gRecording.eventCount, 2);
  EXPECT_EQ(gRecording.code[0], kCommandStart);
  EXPECT_STREQ(gRecording.text[0], "notepad.exe");
  EXPECT_EQ(gRecording.events[1].message, 256u);
  EXPECT_TRUE(gFake.menuEnabled[kEditScriptCommand]);
}

TEST_F(ProgramImageTest, ShortTextBlockIsText) {
  // Four bytes would be a partial record in binary.
  EXPECT_EQ(Load("play.exe", kProgram + "TYPE"), 1);

  EXPECT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gRecording.code[0], kCommandType);
}

TEST_F(ProgramImageTest, ProgramWithoutRecordingLoadsEmpty) {
  gRecording.commandCount = 2;

  EXPECT_EQ(Load("plain.exe", kProgram), 0);
  EXPECT_EQ(gRecording.eventCount, 0);
  EXPECT_EQ(gRecording.commandCount, 0);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(ProgramImageTest, NameWithoutExeReadsFromTheStart) {
  EXPECT_EQ(Load("renamed.bin", kProgram + "TYPE from the block\r\n"), 2);

  EXPECT_STREQ(gRecording.text[0], "from the program");
}

TEST_F(BinaryFormatTest, WritesEveryRecordLittleEndian) {
  SetEvents(kEvents);
  gFake.menuEnabled[kEditScriptCommand] = true;

  EXPECT_EQ(WriteBinary("out.mvk"), kBinaryWritten);

  std::string bytes = ReadWholeFile(Path("out.mvk"));
  ASSERT_EQ(bytes.size(), 60u);
  EXPECT_EQ(bytes.substr(0, 20),
            "\x00\x02\x00\x00\x04\x03\x02\x01\x08\x07\x06\x05\xB0\xA0\x90\x80\xF0\xE0\xD0\xC0"s);
  EXPECT_EQ(bytes, BinaryRecords(kEvents));
  EXPECT_FALSE(gFake.menuEnabled[kEditScriptCommand]);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(BinaryFormatTest, RoundTripKeepsEveryField) {
  SetEvents(kEvents);
  ASSERT_EQ(WriteBinary("round.mvk"), kBinaryWritten);
  ClearEvents();

  EXPECT_EQ(LoadRecording(), 0);

  ExpectEvents(kEvents);
}

TEST_F(BinaryFormatTest, RecordingWithAnEmptySlotIsRefusedBeforeAnyByte) {
  // A loaded script: its command's slot is empty.
  ASSERT_EQ(Load("script.mvx",
                 "message=WM_KEYDOWN paramH=1 paramL=65\r\nmessage=WM_KEYUP paramH=1 "
                 "paramL=65\r\nSTART notepad.exe\r\n"),
            1);

  EXPECT_EQ(WriteBinary("script.mvk"), kBinaryRefused);

  EXPECT_EQ(ReadWholeFile(Path("script.mvk")), "");
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "This file cannot be saved in the \"MVK\" binary format since it appears to contain "
            "script commands or empty messages.\n\nTry re-saving it in the \"MVX\" text format.");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
}

TEST_F(BinaryFormatTest, FailedWriteIsReported) {
  SetEvents(kEvents);
  SetFileName("/dev/full");
  FILE* f = fopen("/dev/full", "wb");
  ASSERT_NE(f, nullptr);

  EXPECT_EQ(WriteRecordingBinary(f), kBinaryWriteFailed);

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to save file '/dev/full'!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
}

}  // namespace
