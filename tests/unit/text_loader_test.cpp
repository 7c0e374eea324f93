// The text branch of LoadRecording: line kinds, line ends, comment blocks,
// command words, limits and the format errors.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "recording_files.h"

namespace {

using namespace std::string_literals;

class TextLoaderTest : public RecordingFileTest {};

struct EventLineCase {
  const char* line;
  EventRecord expected;
};

void PrintTo(const EventLineCase& c, std::ostream* os) { *os << c.line; }

class EventLineTest : public RecordingFileTest,
                      public ::testing::WithParamInterface<EventLineCase> {};

TEST_P(EventLineTest, FillsOneSlot) {
  const EventLineCase& c = GetParam();
  gRecording.commandCount = 9;  // a text load sets it, here to 0

  EXPECT_EQ(Load("one.mvx", std::string(c.line) + "\r\n"), 0);

  ASSERT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gRecording.commandCount, 0);
  EXPECT_TRUE(SameEvent(gRecording.events[0], c.expected))
      << Describe(gRecording.events[0]) << " for " << c.line;
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, EventLineTest,
    ::testing::Values(
        EventLineCase{"message=WM_MOUSEMOVE paramH=288 paramL=420 time=13024638",
                      Event(512, 420, 288, 13024638)},
        EventLineCase{"message=WM_KEYDOWN paramH=1 paramL=2 time=3", Event(256, 2, 1, 3)},
        EventLineCase{"message=WM_KEYUP paramH=1 paramL=2 time=3", Event(257, 2, 1, 3)},
        EventLineCase{"message=WM_LBUTTONDOWN paramH=1 paramL=2", Event(513, 2, 1, 0)},
        EventLineCase{"message=WM_LBUTTONUP paramH=1 paramL=2", Event(514, 2, 1, 0)},
        EventLineCase{"message=WM_CHAR paramH=1 paramL=2", Event(258, 2, 1, 0)},
        EventLineCase{"message=WM_COMMAND paramH=1 paramL=2", Event(273, 2, 1, 0)},
        EventLineCase{"message=WM_SYSKEYDOWN paramH=1 paramL=2", Event(260, 2, 1, 0)},
        EventLineCase{"message=WM_SYSKEYUP paramH=1 paramL=2", Event(261, 2, 1, 0)},
        // Names are compared in exact case: a lower-case name is the number 0.
        EventLineCase{"message=wm_keydown paramH=1 paramL=2", Event(0, 2, 1, 0)},
        // "message=" itself matches in any case, and anywhere in the line.
        EventLineCase{"MESSAGE=WM_CHAR paramH=1 paramL=2", Event(258, 2, 1, 0)},
        EventLineCase{"Note message=WM_CHAR paramH=1 paramL=2", Event(258, 2, 1, 0)},
        // A name inside a longer value counts; the first name of the table wins.
        EventLineCase{"message=xWM_KEYUPx paramH=1 paramL=2", Event(257, 2, 1, 0)},
        EventLineCase{"message=WM_KEYUP_WM_MOUSEMOVE paramH=1 paramL=2", Event(512, 2, 1, 0)},
        // Numbers: sign, leading tabs, reading stops at the first non-digit.
        EventLineCase{"message=15 paramH=-1 paramL=+7 time=-2147483648",
                      Event(15, 7, 0xFFFFFFFF, 0x80000000)},
        EventLineCase{"message=12abc paramH=\t5x paramL=x9 time=4000000000",
                      Event(12, 0, 5, 0x7FFFFFFF)},
        EventLineCase{"message=-99999999999 paramH=1 paramL=2", Event(0x80000000, 2, 1, 0)},
        // A value ends at the next space: "paramH= 7" has an empty value.
        EventLineCase{"message= paramH= 7 paramL=2 time=", Event(0, 2, 0, 0)},
        // Text between and after the keys is ignored; time= is optional.
        EventLineCase{"\t  message=WM_KEYUP foo paramH=1 bar paramL=2 baz time=9 qux",
                      Event(257, 2, 1, 9)},
        EventLineCase{"message=WM_KEYUP paramH=1 paramL=2 tim=9", Event(257, 2, 1, 0)}));

struct CommandLineCase {
  const char* line;
  int code;
  const char* text;
};

void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.line; }

class CommandLineTest : public RecordingFileTest,
                        public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineTest, StoresTheCommandAtAnEmptySlot) {
  const CommandLineCase& c = GetParam();

  EXPECT_EQ(Load("one.mvx", std::string(c.line) + "\r\n"), 1);

  ASSERT_EQ(gRecording.eventCount, 1);
  ASSERT_EQ(gRecording.commandCount, 1);
  EXPECT_TRUE(SameEvent(gRecording.events[0], Event(0, 0, 0, 0)));
  EXPECT_EQ(gRecording.code[0], c.code);
  EXPECT_EQ(gRecording.eventIndex[0], 0);
  EXPECT_STREQ(gRecording.text[0], c.text);
}

const std::string kLongWordLine = "START" + std::string(27, 'x') + "yz rest";

INSTANTIATE_TEST_SUITE_P(
    Lines, CommandLineTest,
    ::testing::Values(
        CommandLineCase{"START notepad.exe", kCommandStart, "notepad.exe"},
        CommandLineCase{"Restart notepad.exe", kCommandStart, "notepad.exe"},
        CommandLineCase{"start \t C:\\my app.exe  x  ", kCommandStart, "C:\\my app.exe  x  "},
        CommandLineCase{"GOTO Untitled - Notepad", kCommandGoto, "Untitled - Notepad"},
        CommandLineCase{"TYPE Here is\ttext", kCommandType, "Here is\ttext"},
        CommandLineCase{"CLICK 10 20", kCommandClick, "10 20"},
        CommandLineCase{"TYPE", kCommandType, ""},
        CommandLineCase{"TYPE message is not an event", kCommandType, "message is not an event"},
        // The word is searched for START, GOTO, WAIT, TYPE, CLICK in this order.
        CommandLineCase{"TYPESTART x", kCommandStart, "x"},
        CommandLineCase{"CLICKWAIT 1", kCommandWait, "1"},
        CommandLineCase{"WAITGOTO x", kCommandGoto, "x"},
        CommandLineCase{"CLICKTYPE x", kCommandType, "x"},
        // WAIT drops "seconds" and then "second", in any case.
        CommandLineCase{"WAIT 5 seconds", kCommandWait, "5 "},
        CommandLineCase{"WAIT 2 Seconds", kCommandWait, "2 "},
        CommandLineCase{"WAITING 1 SECOND please", kCommandWait, "1  please"},
        CommandLineCase{"TYPE 5 seconds", kCommandType, "5 seconds"},
        // At most 32 characters make the word; the rest starts the argument.
        CommandLineCase{kLongWordLine.c_str(), kCommandStart, "yz rest"}));

struct IgnoredCase {
  const char* name;
  std::string text;
};

void PrintTo(const IgnoredCase& c, std::ostream* os) { *os << c.name; }

class IgnoredLineTest : public RecordingFileTest,
                        public ::testing::WithParamInterface<IgnoredCase> {};

TEST_P(IgnoredLineTest, TakesNoSlot) {
  EXPECT_EQ(Load("ignored.mvx", GetParam().text + "\r\nmessage=WM_KEYUP paramH=1 paramL=2\r\n"), 0);

  EXPECT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gRecording.events[0].message, 257u);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IgnoredLineTest,
    ::testing::Values(IgnoredCase{"Blank", "   \t "}, IgnoredCase{"Semicolon", "; START x"},
                      IgnoredCase{"Digit", "5 WAIT"}, IgnoredCase{"Sign", "-message=1 paramH"},
                      IgnoredCase{"Underscore", "_START x"},
                      IgnoredCase{"NonAsciiLetter", "\xC4START x"},
                      IgnoredCase{"StrayCommentEnd", "*/ START x"}),
    [](const ::testing::TestParamInfo<IgnoredCase>& info) { return std::string(info.param.name); });

TEST_F(TextLoaderTest, WrittenHeaderAloneIsAnEmptyRecording) {
  std::string header;
  for (int i = 0; i < 20; i++) header += "; header line\r\n";

  EXPECT_EQ(Load("header.mvx", header), 0);

  EXPECT_EQ(gRecording.eventCount, 0);
  EXPECT_EQ(gFake.menuEnabled[kEditScriptCommand], true);
}

TEST_F(TextLoaderTest, SlotsFollowTheFileOrder) {
  const std::string text =
      "message=WM_KEYDOWN paramH=1 paramL=65 time=10\r\n"
      "START notepad.exe\r\n"
      "; a comment takes no slot\r\n"
      "message=WM_KEYUP paramH=1 paramL=65 time=20\r\n"
      "WAIT 1 second\r\n";

  EXPECT_EQ(Load("script.mvx", text), 2);

  ASSERT_EQ(gRecording.eventCount, 4);
  EXPECT_EQ(gRecording.events[0].message, 256u);
  EXPECT_EQ(gRecording.events[1].message, 0u);
  EXPECT_EQ(gRecording.events[2].message, 257u);
  EXPECT_EQ(gRecording.events[3].message, 0u);
  EXPECT_EQ(gRecording.eventIndex[0], 1);
  EXPECT_EQ(gRecording.eventIndex[1], 3);
  EXPECT_EQ(gRecording.code[1], kCommandWait);
  EXPECT_STREQ(gRecording.text[1], "1 ");
}

struct SplitCase {
  const char* name;
  std::string text;
  std::vector<std::string> commands;  // the texts of the TYPE commands read
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class LineSplitTest : public RecordingFileTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(LineSplitTest, ReadsEveryLine) {
  const SplitCase& c = GetParam();

  ASSERT_EQ(Load("split.mvx", c.text), static_cast<int>(c.commands.size()));

  ASSERT_EQ(gRecording.eventCount, static_cast<int>(c.commands.size()));
  for (size_t i = 0; i < c.commands.size(); i++) {
    EXPECT_EQ(gRecording.code[i], kCommandType) << i;
    EXPECT_EQ(std::string(gRecording.text[i]), c.commands[i]) << i;
  }
}

const std::string k1018 = std::string(1018, 'a');

INSTANTIATE_TEST_SUITE_P(
    Ends, LineSplitTest,
    ::testing::Values(SplitCase{"EveryEnd",
                                "TYPE a\rTYPE b\nTYPE c\r\nTYPE d\n\rTYPE e\0TYPE f"s,
                                {"a", "b", "c", "d", "e", "f"}},
                      SplitCase{"RepeatedEnds",
                                "TYPE a\r\rTYPE b\n\n\r\r\nTYPE c\0\0\r\nTYPE d"s,
                                {"a", "b", "c", "d"}},
                      SplitCase{"NoFinalEnd", "TYPE a\r\nTYPE b", {"a", "b"}},
                      // A line is split after 1023 characters; the rest is a line of its own.
                      SplitCase{"LongLine", "TYPE " + k1018 + "TYPE next\r\n", {k1018, "next"}},
                      SplitCase{
                          "ExactlyFullLine", "TYPE " + k1018 + "\r\nTYPE next", {k1018, "next"}}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

struct CommentCase {
  const char* name;
  const char* text;
  std::vector<std::string> commands;
};

void PrintTo(const CommentCase& c, std::ostream* os) { *os << c.name; }

class CommentBlockTest : public RecordingFileTest,
                         public ::testing::WithParamInterface<CommentCase> {};

TEST_P(CommentBlockTest, IgnoresTheBlock) {
  const CommentCase& c = GetParam();

  ASSERT_EQ(Load("comments.mvx", c.text), static_cast<int>(c.commands.size()));

  EXPECT_EQ(gRecording.eventCount, static_cast<int>(c.commands.size()));
  for (size_t i = 0; i < c.commands.size(); i++) EXPECT_EQ(gRecording.text[i], c.commands[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, CommentBlockTest,
    ::testing::Values(
        CommentCase{
            "OpenedInsideAComment", "; see /* here\nTYPE in\n*/ TYPE out\nTYPE after\n", {"after"}},
        // A line that opens and closes a block still opens it.
        CommentCase{"OneLineBlock", "/* note */\nTYPE in\nend */\nTYPE after\n", {"after"}},
        CommentCase{"OpenedAfterBlanks", "  \t/*\nmessage=WM_KEYUP\n*/\nTYPE after\n", {"after"}},
        // "/*" inside a block opens it anew instead of closing it.
        CommentCase{"ReopenedInside", "/* a\n/* b */\nTYPE in\n*/\nTYPE after\n", {"after"}},
        CommentCase{"NeverClosed", "TYPE before\n/*\nTYPE in\n", {"before"}}),
    [](const ::testing::TestParamInfo<CommentCase>& info) { return std::string(info.param.name); });

struct FormatErrorCase {
  const char* name;
  std::string text;
  std::string message;
  std::string caption;
};

void PrintTo(const FormatErrorCase& c, std::ostream* os) { *os << c.name; }

class FormatErrorTest : public RecordingFileTest,
                        public ::testing::WithParamInterface<FormatErrorCase> {};

TEST_P(FormatErrorTest, FailsWithItsMessageAndAnEmptyRecording) {
  const FormatErrorCase& c = GetParam();
  gRecording.commandCount = 4;

  EXPECT_EQ(Load("bad.mvx", c.text), kLoadFormatError);

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, c.message);
  EXPECT_EQ(gFake.messageBoxes[0].caption, c.caption);
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
  EXPECT_EQ(gRecording.eventCount, 0);
  EXPECT_EQ(gRecording.commandCount, 4);
  // Nothing read before the bad line stays behind.
  EXPECT_TRUE(SameEvent(gRecording.events[0], Event(0, 0, 0, 0)));
}

const char kMissingParamH[] = "Improperly formatted EVENT command (missing paramH)";
const char kMissingParamL[] = "Improperly formatted EVENT command (missing paramL)";
const std::string kGoodLine = "message=WM_KEYUP paramH=1 paramL=2\r\n";

INSTANTIATE_TEST_SUITE_P(
    Lines, FormatErrorTest,
    ::testing::Values(
        // "paramH=" and "paramL=" match in exact case only.
        FormatErrorCase{"UpperCaseKeys", kGoodLine + "Message=WM_KEYDOWN PARAMH=1 PARAML=2\r\n",
                        kMissingParamH, "Message=WM_KEYDOWN PARAMH=1 PARAML=2\r\n"},
        FormatErrorCase{"KeysOutOfOrder", kGoodLine + "message=WM_KEYDOWN paramL=2 paramH=1\n",
                        kMissingParamL, "message=WM_KEYDOWN paramL=2 paramH=1\n"},
        // Tabs separate nothing: the message value runs to the line's end.
        FormatErrorCase{"TabSeparators", "message=WM_KEYDOWN\tparamH=1\tparamL=2", kMissingParamH,
                        "message=WM_KEYDOWN\tparamH=1\tparamL=2"},
        FormatErrorCase{"TabBeforeParamL", "  message=WM_KEYDOWN paramH=1\tparamL=2\n\r",
                        kMissingParamL, "  message=WM_KEYDOWN paramH=1\tparamL=2\n\r"},
        FormatErrorCase{"CommandWordWithMessage", "TYPE message=hello\r\n", kMissingParamH,
                        "TYPE message=hello\r\n"},
        FormatErrorCase{"UnknownWord", "TYPE a\r\nWAIT 1\r\n  Hello world \r\nTYPE b\r\n",
                        "Unknown or incorrectly formatted command #3:\n\n\"  Hello world \"",
                        "Script Error"},
        // The command word is cut at 32 characters, before "START" here.
        FormatErrorCase{"WordPastTheLimit", std::string(30, 'x') + "START now\r\n",
                        "Unknown or incorrectly formatted command #1:\n\n\"" +
                            std::string(30, 'x') + "START now\"",
                        "Script Error"}),
    [](const ::testing::TestParamInfo<FormatErrorCase>& info) {
      return std::string(info.param.name);
    });

TEST_F(TextLoaderTest, UnknownCommandIsLoggedWholeAndShownCut) {
  std::string log = LogToFile();
  std::string line = "Bogus " + std::string(300, 'q');

  EXPECT_EQ(Load("bad.mvx", line + "\r\n"), kLoadFormatError);

  std::string expectedLog = "ERROR: Unknown or incorrectly formatted command in '" +
                            Path("bad.mvx") + "': \"" + line + "\"";
  EXPECT_EQ(ReadWholeFile(log), expectedLog.substr(0, 319) + "\r\n");
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "Unknown or incorrectly formatted command #1:\n\n\"" + line.substr(0, 224) + "\"");
}

std::string EventLines(int count) {
  std::string text;
  for (int i = 0; i < count; i++) {
    text += "message=WM_MOUSEMOVE paramH=" + std::to_string(i) +
            " paramL=" + std::to_string(i % 1000) + " time=" + std::to_string(i * 10) + "\r\n";
  }
  return text;
}

TEST_F(TextLoaderTest, ReadsAtMost32766SlotsAndStopsThere) {
  // The line after the last slot is never read, so its fault does not count.
  std::string text = EventLines(kMaxStoredEvents) + "Bogus line\r\n" + EventLines(3);

  EXPECT_EQ(Load("full.mvx", text), 0);

  EXPECT_EQ(gRecording.eventCount, kMaxStoredEvents);
  EXPECT_TRUE(SameEvent(gRecording.events[kMaxStoredEvents - 1], Event(512, 765, 32765, 327650)));
  EXPECT_EQ(gRecording.events[kMaxStoredEvents].message, 0u);
  EXPECT_TRUE(gFake.messageBoxes.empty());
}

TEST_F(TextLoaderTest, CommandsCountTowardsTheSlotLimit) {
  std::string text = "START x\r\n" + EventLines(kMaxStoredEvents);

  EXPECT_EQ(Load("full.mvx", text), 1);

  EXPECT_EQ(gRecording.eventCount, kMaxStoredEvents);
  EXPECT_EQ(gRecording.events[kMaxStoredEvents - 1].paramH, 32764u);
}

TEST_F(TextLoaderTest, The2048thCommandEndsTheLoadWithTheFirst2047) {
  std::string text;
  for (int i = 0; i < kMaxCommands; i++) text += "TYPE " + std::to_string(i) + "\r\n";
  text += "message=WM_KEYUP paramH=1 paramL=2\r\nSTART one too many\r\n" + EventLines(5);

  EXPECT_EQ(Load("many.mvx", text), kMaxCommands);

  EXPECT_EQ(gRecording.commandCount, kMaxCommands);
  EXPECT_EQ(gRecording.eventCount, kMaxCommands + 1);
  EXPECT_STREQ(gRecording.text[kMaxCommands - 1], "2046");
  EXPECT_EQ(gRecording.eventIndex[kMaxCommands - 1], kMaxCommands - 1);
  EXPECT_EQ(gRecording.events[kMaxCommands].message, 257u);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "Too many script commands!\n\nThe maximum number of script commands is 2047");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "START one too many\r\n");
  EXPECT_EQ(gFake.messageBoxes[0].style, kStyle | kMbIconExclamation);
}

TEST_F(TextLoaderTest, EnablesEditScriptFile) {
  gFake.menuEnabled[kEditScriptCommand] = false;

  EXPECT_EQ(Load("script.mvx", "START x\r\n"), 1);

  EXPECT_TRUE(gFake.menuEnabled[kEditScriptCommand]);
}

}  // namespace
