#include "playback/type_expansion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "playback/event_insertion.h"
#include "playback/script_commands.h"
#include "playback_fixture.h"
#include "shared/press_key.h"

namespace {

constexpr uint32_t kDown = kWmKeyDown, kUp = kWmKeyUp, kSysDown = kWmSysKeyDown,
                   kSysUp = kWmSysKeyUp;
const KeyStep kMarker = {kUp, 'Z'};

class TypeExpansionTest : public PlaybackFixture {
 protected:
  // Plays one TYPE per text, then a key-up of Z; returns what was played.
  std::vector<KeyStep> TypeAndPlay(const std::vector<const char*>& texts) {
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    for (const char* text : texts) AddCommand(kCommandType, text);
    AddEvent(kUp, 'Z', 0);
    FakeDriverRun run = Play();
    played_ = run.played;
    waits_ = run.waits;
    return Steps(played_);
  }

  // Runs the TYPE command at `index` directly, as the hook does.
  void RunTypeAt(int32_t index) {
    gPlayback.currentEvent = index;
    EventRecord event = {};
    RunScriptCommand(0, &event);
  }

  std::vector<EventRecord> played_;
  std::vector<int32_t> waits_;
};

TEST_F(TypeExpansionTest, HelloEnterTypesFourteenEventsInOrder) {
  EXPECT_EQ(TypeAndPlay({"Hello{enter}"}), (std::vector<KeyStep>{{kDown, 16},
                                                                 {kDown, 'H'},
                                                                 {kUp, 'H'},
                                                                 {kUp, 16},
                                                                 {kDown, 'E'},
                                                                 {kUp, 'E'},
                                                                 {kDown, 'L'},
                                                                 {kUp, 'L'},
                                                                 {kDown, 'L'},
                                                                 {kUp, 'L'},
                                                                 {kDown, 'O'},
                                                                 {kUp, 'O'},
                                                                 {kDown, 13},
                                                                 {kUp, 13},
                                                                 kMarker}));
  EXPECT_TRUE(Logged("   Typing 'Hello{enter}'..."));
  EXPECT_TRUE(
      Logged("   +++Injecting VK_SHIFT + WM_KEYDOWN + WM_KEYUP + VK_SHIFT for 'H' (72) into event "
             "stream..."));
  EXPECT_TRUE(Logged("   +++Injecting WM_KEYDOWN + WM_KEYUP for 'e' (69) into event stream..."));
  EXPECT_TRUE(
      Logged("      +---Injected new event message 'WM_SHIFTDOWN' at (0-based) position [1] for a "
             "new total of 3"));
  EXPECT_TRUE(Logged("   Injected a total of 14 additional events for a new total of 16"));
  // Typed keys and the event after them play without a wait.
  EXPECT_TRUE(waits_.empty());
}

TEST_F(TypeExpansionTest, AltTokensHoldAltAcrossCommands) {
  struct Case {
    std::vector<const char*> texts;
    std::vector<KeyStep> keys;
  };
  const Case cases[] = {
      {{"{altdown}", "f", "{altup}"},
       {{kSysDown, 18}, {kSysDown, 'F'}, {kSysUp, 'F'}, {kSysUp, 18}, kMarker}},
      // With Alt held a capital letter gets no Shift.
      {{"{r_altdown}", "F", "{R_ALTUP}"},
       {{kSysDown, 165}, {kSysDown, 'F'}, {kSysUp, 'F'}, {kSysUp, 165}, kMarker}},
      {{"{l_altdown}", "{F4}", "{l_altup}"},
       {{kSysDown, 164}, {kSysDown, 115}, {kSysUp, 115}, {kSysUp, 164}, kMarker}},
      // {altup} while Alt is up is no token: typed as its characters.
      {{"{altup}"},
       {{kDown, 16},
        {kDown, 219},
        {kUp, 219},
        {kUp, 16},
        {kDown, 'A'},
        {kUp, 'A'},
        {kDown, 'L'},
        {kUp, 'L'},
        {kDown, 'T'},
        {kUp, 'T'},
        {kDown, 'U'},
        {kUp, 'U'},
        {kDown, 'P'},
        {kUp, 'P'},
        {kDown, 16},
        {kDown, 221},
        {kUp, 221},
        {kUp, 16},
        kMarker}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.texts[0]);
    EXPECT_EQ(TypeAndPlay(c.texts), c.keys);
    EXPECT_FALSE(gPlayback.altDown);
  }
  EXPECT_TRUE(Logged("   +++Injecting events for {altdown}"));
  EXPECT_TRUE(Logged("   +++Injecting 2 events for {altup}"));
}

TEST_F(TypeExpansionTest, ASecondAltDownIsTypedWithAlt) {
  std::vector<KeyStep> keys = TypeAndPlay({"{altdown}", "{altdown}", "{altup}"});
  ASSERT_EQ(keys.size(), 1u + 18 + 1 + 1);  // Alt, nine characters, Alt up, marker
  EXPECT_EQ(keys[1], (KeyStep{kSysDown, 219}));
  EXPECT_EQ(keys[2], (KeyStep{kSysUp, 219}));
  EXPECT_EQ(keys[19], (KeyStep{kSysUp, 18}));
}

TEST_F(TypeExpansionTest, NamedKeysArePressedOnce) {
  const struct {
    const char* text;
    uint32_t key;
  } cases[] = {
      {"{F5}", 116},
      {"{f1}", 112},
      {"{F10}", 121},
      {"{F12}", 123},
      {"{F24}", 135},
      {"{esc}", 27},
      {"{ESC}", 27},
      {"{down}", 40},
      {"{up}", 38},
      {"{left}", 37},
      {"{right}", 39},
      {"{pagedown}", 34},
      {"{pageup}", 33},
      {"{home}", 36},
      {"{end}", 35},
      {"{insert}", 45},
      {"{delete}", 46},
      {"{backspace}", 8},
      {"{add}", 107},
      {"{subtract}", 109},
      {"{decimal}", 110},
      {"{divide}", 111},
      // Only the key is pressed; other text in the command is not typed.
      {"abc{down}", 40},
      // "{F" makes it a key name; none matches, so the first character decides.
      {"Hello {Fred}", 'H'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TypeAndPlay({c.text}), (std::vector<KeyStep>{{kDown, c.key}, {kUp, c.key}, kMarker}));
  }
  EXPECT_TRUE(Logged("   +++Injecting events for {some non-printing key}"));
}

TEST_F(TypeExpansionTest, ShiftAndCtrlTokensPressOrReleaseOnly) {
  EXPECT_EQ(TypeAndPlay({"{shiftdown}", "a", "{shiftup}"}),
            (std::vector<KeyStep>{{kDown, 16}, {kDown, 'A'}, {kUp, 'A'}, {kUp, 16}, kMarker}));
  EXPECT_EQ(TypeAndPlay({"{ctrldown}", "{CTRLUP}"}),
            (std::vector<KeyStep>{{kDown, 17}, {kUp, 17}, kMarker}));
}

TEST_F(TypeExpansionTest, ToggleKeysArePressedDirectlyWithoutJournalEvents) {
  const struct {
    const char* text;
    uint8_t key;
  } cases[] = {{"{winkey}", 91}, {"{winkeyl}", 91}, {"{winkeyr}", 92}, {"{appkey}", 93}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    gFake.keyEvents.clear();
    EXPECT_EQ(TypeAndPlay({c.text}), std::vector<KeyStep>{kMarker});
    ASSERT_EQ(gFake.keyEvents.size(), 2u);
    EXPECT_EQ(gFake.keyEvents[0].virtualKey, c.key);
    EXPECT_EQ(gFake.keyEvents[0].scanCode, 0x45);
    EXPECT_EQ(gFake.keyEvents[0].flags, uint32_t{kKeyExtended});
    EXPECT_EQ(gFake.keyEvents[1].virtualKey, c.key);
    EXPECT_EQ(gFake.keyEvents[1].flags, uint32_t{kKeyExtended | kKeyUp});
  }
  EXPECT_TRUE(Logged("   >>>Sending script key with Morvik secret sauce"));
}

TEST_F(TypeExpansionTest, AnEmptyTextInsertsNothing) {
  EXPECT_EQ(TypeAndPlay({""}), std::vector<KeyStep>{kMarker});
  EXPECT_TRUE(Logged("   Injected a total of 0 additional events for a new total of 2"));
}

TEST_F(TypeExpansionTest, TextTokensAreReplaced) {
  gFake.localTime = PlatformTime{2002, 3, 2, 5, 14, 7, 9, 42};
  gSettings.loopTypeBase = 100;
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"a{\\n}b", "a\nb"},
      {"{\\r}", "\r"},
      {"{\\t}", "\t"},
      {"{newline}", "\n"},
      {"{Return}", "\n"},
      {"{ENTER}{enter}", "\n\n"},
      {"x{space}y", "x y"},
      {"{tab}", "\t"},
      {"{date}", "03/05/2002"},
      {"{time}", "14:07:09"},
      {"{dtnumber}", "200203051407090042"},
      {"{playbackloop}", "101"},
      {"on {Date} at {TIME}", "on 03/05/2002 at 14:07:09"},
      {"{braces}", "{braces}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    char text[1024];
    snprintf(text, sizeof text, "%s", c.text);
    ReplaceTextTokens(text, sizeof text);
    EXPECT_STREQ(text, c.result);
  }
}

TEST_F(TypeExpansionTest, GrowingTokensAreCutAtTheWorkingTextsEnd) {
  gFake.localTime = PlatformTime{2002, 3, 2, 5, 14, 7, 9, 42};
  std::string text;
  while (text.size() + 6 <= 1023) text += "{date}";
  std::vector<char> work(1024);  // exactly the working text: no byte more
  snprintf(work.data(), work.size(), "%s", text.c_str());
  ReplaceTextTokens(work.data(), 1024);
  std::string expanded(work.data());
  ASSERT_EQ(expanded.size(), 1023u);
  EXPECT_EQ(expanded.substr(0, 20), "03/05/200203/05/2002");

  // The cut leaves the start of an unexpanded token, typed as it stands
  // ('{' reads back as '#').
  EXPECT_EQ(expanded.substr(expanded.size() - 3), "{da");
  TypeAndPlay({text.c_str()});
  std::string typed = expanded;
  typed[typed.size() - 3] = '#';
  EXPECT_EQ(TypedText(played_), typed);
}

TEST_F(TypeExpansionTest, TokensAreTypedAsTheirText) {
  gFake.localTime = PlatformTime{2026, 12, 5, 11, 9, 30, 15, 0};
  TypeAndPlay({"{tab}{date}{space}{time}"});
  EXPECT_EQ(TypedText(played_), "\t12/11/2026 09:30:15");
}

TEST_F(TypeExpansionTest, RandomTokenTypesOneNumberInRange) {
  std::set<int> seen;
  for (unsigned seed = 1; seed <= 200; seed++) {
    srand(seed);
    char text[1024] = "{random}-{RANDOM}";
    ReplaceTextTokens(text, sizeof text);
    SCOPED_TRACE(text);
    ASSERT_EQ(strlen(text), 9u);
    EXPECT_EQ(std::string(text, 4), std::string(text + 5, 4));
    int number = atoi(text);
    EXPECT_GE(number, 1000);
    EXPECT_LE(number, 9999);
    seen.insert(number);
  }
  EXPECT_GT(seen.size(), 100u);
}

TEST_F(TypeExpansionTest, RandomNumbersStayWithinTheirBounds) {
  const struct {
    int32_t min, max;
  } cases[] = {{1000, 9999}, {0, 1}, {7, 7}, {-50, 50}, {0, 2000000000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
    for (unsigned seed = 1; seed <= 300; seed++) {
      srand(seed);
      int32_t n = RandomInRange(c.min, c.max);
      ASSERT_GE(n, c.min);
      ASSERT_LE(n, c.max);
    }
  }
}

TEST_F(TypeExpansionTest, PlaybackLoopCountsThePasses) {
  // The largest base wraps like the 32-bit number it is shown as ('-' is
  // shown as '#').
  const struct {
    int32_t base;
    const char* typed;
  } cases[] = {{0, "12"}, {100, "101102"}, {2147483647, "#2147483648#2147483647"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.base);
    gSettings.loopTypeBase = c.base;
    gSettings.repeats = 2;
    TypeAndPlay({"{playbackloop}"});
    EXPECT_EQ(TypedText(played_), c.typed);
  }
}

TEST_F(TypeExpansionTest, LaterCommandsMoveAndEarlierOnesStay) {
  const struct {
    const char* text;
    int32_t inserted;
  } cases[] = {{"ab", 4},        {"A", 4},        {"{down}", 2}, {"{shiftdown}", 1},
               {"{altdown}", 1}, {"{winkey}", 0}, {"", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    gPlayback.altDown = false;
    AddEvent(kDown, 'X', 0);
    AddCommand(kCommandStart, "a");
    AddCommand(kCommandType, c.text);
    AddEvent(kUp, 'X', 0);
    AddCommand(kCommandStart, "b");
    AddCommand(kCommandStart, "c");

    RunTypeAt(2);

    EXPECT_EQ(gRecording.eventCount, 6 + c.inserted);
    EXPECT_EQ(gRecording.eventIndex[0], 1);
    EXPECT_EQ(gRecording.eventIndex[1], 2);
    EXPECT_EQ(gRecording.eventIndex[2], 4 + c.inserted);
    EXPECT_EQ(gRecording.eventIndex[3], 5 + c.inserted);
    EXPECT_EQ(gRecording.events[3 + c.inserted].message, kUp);
    EXPECT_EQ(gRecording.events[4 + c.inserted].message, 0u);
    EXPECT_EQ(gRecording.events[5 + c.inserted].message, 0u);
  }
  EXPECT_TRUE(
      Logged("      ~~~Adjusting upcoming script command #3 \"START b\" from event (0-based) index "
             "[4] to [8]"));
}

TEST_F(TypeExpansionTest, AFullEventListTakesWhatFitsAndNoMore) {
  const struct {
    const char* text;
    int32_t room;
    int32_t inserted;
    const char* error;
  } cases[] = {
      {"Hello", 7, 6, "   ERROR: The event list is full; typing stops before 'l'"},
      {"Hello", 3, 0, "   ERROR: The event list is full; typing stops before 'H'"},
      {"hi", 4, 4, nullptr},
      {"{down}", 1, 0, "   ERROR: The event list is full; 2 more events do not fit after 32767"},
      {"{down}", 2, 2, nullptr},
      {"{shiftdown}", 0, 0,
       "   ERROR: The event list is full; 1 more events do not fit after 32768"},
      {"{altdown}", 0, 0, "   ERROR: The event list is full; 1 more events do not fit after 32768"},
  };
  gSettings.log = kLogLow;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " with room for " << c.room);
    remove(log_.c_str());
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    gPlayback.altDown = false;
    AddCommand(kCommandType, c.text);
    while (gRecording.eventCount < kEventSlots - c.room - 1) AddEvent(kDown, 'K', 0);
    AddCommand(kCommandStart, "last");

    RunTypeAt(0);

    const int32_t last = kEventSlots - c.room - 1 + c.inserted;
    EXPECT_EQ(gRecording.eventCount, last + 1);
    EXPECT_EQ(gRecording.eventIndex[1], last);
    EXPECT_EQ(gRecording.events[last].message, 0u);
    EXPECT_EQ(gRecording.events[last - 1].message, kDown);
    if (c.error != nullptr) {
      EXPECT_TRUE(Logged(c.error));
    } else {
      EXPECT_TRUE(LogLines().empty());
    }
  }
}

TEST(PressKeyTest, SendsTheKeyActionsOfEachKind) {
  struct Case {
    uint8_t key, alt;
    bool shift;
    std::vector<FakeKeyEvent> events;
  };
  const Case cases[] = {
      {'A', 0, false, {{'A', 0, 0}, {'A', 0, kKeyUp}}},
      {'7', 0, false, {{'7', 0, 0}, {'7', 0, kKeyUp}}},
      {112, 0, false, {{112, 0, kKeyExtended}, {112, 0, kKeyExtended | kKeyUp}}},
      {8, 0, false, {{8, 157, kKeyExtended}, {8, 157, kKeyExtended | kKeyUp}}},
      {17, 0, false, {{17, 157, kKeyExtended}, {17, 157, kKeyExtended | kKeyUp}}},
      {27, 0, false, {{27, 157, kKeyExtended}, {27, 157, kKeyExtended | kKeyUp}}},
      {20, 0, false, {{20, 0x45, kKeyExtended}, {20, 0x45, kKeyExtended | kKeyUp}}},
      {145, 0, false, {{145, 0x45, kKeyExtended}, {145, 0x45, kKeyExtended | kKeyUp}}},
      {'5',
       0,
       true,
       {{16, 129, kKeyExtended}, {'5', 0, 0}, {'5', 0, kKeyUp}, {16, 129, kKeyExtended | kKeyUp}}},
      {0, 'F', false, {{18, 0, 0}, {'F', 0, 0}, {'F', 0, kKeyUp}, {18, 0, kKeyUp}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int{c.key} << " alt " << int{c.alt} << " shift " << c.shift);
    ResetFakePlatform();
    EXPECT_EQ(PressKey(c.key, c.alt, c.shift), static_cast<int>(c.events.size()));
    ASSERT_EQ(gFake.keyEvents.size(), c.events.size());
    for (size_t i = 0; i < c.events.size(); i++) {
      EXPECT_EQ(gFake.keyEvents[i].virtualKey, c.events[i].virtualKey);
      EXPECT_EQ(gFake.keyEvents[i].scanCode, c.events[i].scanCode);
      EXPECT_EQ(gFake.keyEvents[i].flags, c.events[i].flags);
    }
  }
}

TEST(PressKeyTest, FlipsAToggleKeysStateOnTheOldConsumerSystems) {
  for (int32_t platformId : {1, 2}) {
    SCOPED_TRACE(platformId);
    ResetFakePlatform();
    gFake.platformId = platformId;
    gFake.keyboardState[20] = 0;
    gFake.keyboardState[144] = 0x81;
    PressKey(20, 0, false);
    PressKey(144, 0, false);
    EXPECT_EQ(gFake.keyboardState[20], platformId == 1 ? 1 : 0);
    EXPECT_EQ(gFake.keyboardState[144], platformId == 1 ? 0 : 0x81);
    EXPECT_EQ(gFake.keyEvents.size(), 4u);
  }
}

}  // namespace
