#include "playback/script_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "playback/click_command.h"
#include "playback_fixture.h"
#include "settings/mapping_store.h"

namespace {

constexpr uint32_t kScriptErrorStyle = kMbSystemModal | kMbIconExclamation;
constexpr uint8_t kF1 = 112;

class ScriptCommandsTest : public PlaybackFixture {
 protected:
  // Runs the command whose slot is `index` directly, as the hook does.
  int32_t RunCommandAt(int32_t index) {
    gPlayback.currentEvent = index;
    EventRecord event = {};
    return RunScriptCommand(0, &event);
  }

  static void AddWindow(uint32_t handle, const char* title, int32_t left, int32_t top) {
    gFake.topWindows.push_back(FakeTopWindow{handle, title, left, top, left + 400, top + 300});
  }

  static bool ExitPosted() {
    for (const FakeMessage& m : gFake.posted) {
      if (m.message == kWindowCommand && m.wParam == ID_EXIT) return true;
    }
    return false;
  }
};

TEST_F(ScriptCommandsTest, ClickTextGivesXAndY) {
  const struct {
    const char* text;
    int32_t x, y;
  } cases[] = {
      {"120, 45", 120, 45},
      {"(120, 45)", 0, 120},
      {"1024, 1000", 1024, 1000},
      {"7", 7, 0},
      {"7 ,", 7, 0},
      {"", 0, 0},
      {"x", 0, 0},
      {"10 20 30", 10, 20},
      {"0012,0034", 12, 34},
      // At most eight digits each: the ninth starts Y.
      {"123456789, 45", 12345678, 9},
      {"99999999 123456789", 99999999, 12345678},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int32_t x = -1, y = -1;
    ParseClickText(c.text, &x, &y);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
  }
}

TEST_F(ScriptCommandsTest, ClickLandsRelativeToTheGotoWindow) {
  AddWindow(4, "Inbox - Mail", 0, 0);
  AddWindow(5, "Untitled - Notepad", 100, 200);
  AddCommand(kCommandGoto, "notepad");
  AddCommand(kCommandClick, "10, 20");
  AddEvent(kWmKeyUp, 'A', 5000);
  FakeDriverRun run = Play();

  ASSERT_EQ(run.played.size(), 3u);
  EXPECT_EQ(Steps(run.played),
            (std::vector<KeyStep>{{kWmLButtonDown, 110}, {kWmLButtonUp, 110}, {kWmKeyUp, 'A'}}));
  for (int i = 0; i < 2; i++) {
    EXPECT_EQ(run.played[i].paramH, 220u);
    EXPECT_EQ(run.played[i].hwnd, 5u);
  }
  // Only the GOTO's answer is waited for: the clicks and the event after
  // them go at once.
  EXPECT_EQ(run.waits, std::vector<int32_t>{250});
  EXPECT_EQ(gFake.activated, std::vector<uint32_t>{5});
  EXPECT_EQ(gPlayback.gotoWindow, 5u);
  EXPECT_TRUE(Logged("PLAY EVENT #1: Script Command #1: GOTO 'notepad'"));
  EXPECT_TRUE(Logged("   Found window 'notepad'"));
  EXPECT_TRUE(Logged("   Mouse clicking at screen coordinate (110, 220)..."));
}

TEST_F(ScriptCommandsTest, ClickFallsBackToTheForegroundWindowThenTheScreen) {
  const struct {
    const char* name;
    uint32_t gotoWindow, foreground;
    uint32_t x, y, hwnd;
    const char* error;
  } cases[] = {
      {"no GOTO before", 0, 7, 60, 80, 7,
       "   ERROR: The 'GOTO' command should be used before the 'CLICK' command"},
      {"the GOTO window is gone", 9, 7, 60, 80, 9,
       "   ERROR: The window for 'CLICK' is gone; clicking relative to the foreground window"},
      {"the GOTO window is gone, no foreground", 9, 0, 10, 20, 9,
       "   ERROR: The window for 'CLICK' is gone; clicking relative to the screen"},
      {"no GOTO and no foreground", 0, 0, 10, 20, 0,
       "   ERROR: The window for 'CLICK' is gone; clicking relative to the screen"},
  };
  AddWindow(7, "Editor", 50, 60);
  AddCommand(kCommandClick, "10, 20");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    remove(log_.c_str());
    gPlayback.gotoWindow = c.gotoWindow;
    gFake.foregroundWindow = c.foreground;
    FakeDriverRun run = Play();
    ASSERT_EQ(run.played.size(), 2u);
    for (const EventRecord& e : run.played) {
      EXPECT_EQ(e.paramL, c.x);
      EXPECT_EQ(e.paramH, c.y);
      EXPECT_EQ(e.hwnd, c.hwnd);
    }
    EXPECT_TRUE(Logged(c.error));
  }
}

TEST_F(ScriptCommandsTest, ClickMovesLaterCommandsByTwo) {
  gPlayback.gotoWindow = 7;
  AddWindow(7, "Editor", 0, 0);
  AddCommand(kCommandStart, "first.exe");
  AddCommand(kCommandClick, "1, 2");
  AddCommand(kCommandStart, "last.exe");
  RunCommandAt(1);
  EXPECT_EQ(gRecording.eventCount, 5);
  EXPECT_EQ(gRecording.eventIndex[0], 0);
  EXPECT_EQ(gRecording.eventIndex[1], 1);
  EXPECT_EQ(gRecording.eventIndex[2], 4);
  EXPECT_EQ(gRecording.events[2].message, kWmLButtonDown);
  EXPECT_EQ(gRecording.events[3].message, kWmLButtonUp);
}

TEST_F(ScriptCommandsTest, ClickIntoAFullListIsRefused) {
  gPlayback.gotoWindow = 7;
  AddWindow(7, "Editor", 0, 0);
  AddCommand(kCommandClick, "1, 2");
  while (gRecording.eventCount < kEventSlots - 2) AddEvent(kWmKeyUp, 'K', 0);
  AddCommand(kCommandStart, "last.exe");
  RunCommandAt(0);
  EXPECT_EQ(gRecording.eventCount, kEventSlots - 1);
  EXPECT_EQ(gRecording.eventIndex[1], kEventSlots - 2);
  EXPECT_TRUE(Logged("   ERROR: The event list is full; 2 more events do not fit after 32767"));
}

TEST_F(ScriptCommandsTest, GotoRetriesEveryHalfSecondUpToItsLimit) {
  const struct {
    int32_t gotoWait;
    int appearAfter;  // searches before the window appears; 0: never
    int searches;
    int retryLines;
    bool found;
  } cases[] = {
      {0, 0, 1, 0, false},
      {1, 0, 3, 3, false},
      {2, 0, 5, 5, false},
      {2, 2, 3, 2, true},
      // The window found before is forgotten when a GOTO starts.
      {0, 0, 1, 0, false},
  };
  FakeSetNumber("SOFTWARE\\Morvik", "HaltScriptOnError", 0);
  AddCommand(kCommandGoto, "calc");
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "GOTOWait " << c.gotoWait << " appearing after " << c.appearAfter);
    remove(log_.c_str());
    gSettings.gotoWait = c.gotoWait;
    gFake.topWindows.clear();
    AddWindow(4, "Notepad", 0, 0);
    gFake.windowSearches = 0;
    gFake.appearAfterSearches = c.appearAfter;
    gFake.appearing = FakeTopWindow{5, "Calculator", 0, 0, 200, 300};
    gFake.activated.clear();
    const uint32_t start = gFake.tickCount;

    EXPECT_EQ(RunCommandAt(0), 250);

    EXPECT_EQ(gFake.windowSearches, c.searches);
    EXPECT_EQ(CountLogged("   Unable to find window 'calc', trying again..."), c.retryLines);
    EXPECT_EQ(gFake.tickCount - start, 500u * static_cast<uint32_t>(c.retryLines));
    EXPECT_EQ(gPlayback.gotoWindow, c.found ? 5u : 0u);
    EXPECT_EQ(gFake.activated, c.found ? std::vector<uint32_t>{5} : std::vector<uint32_t>{});
    EXPECT_EQ(Logged("   ERROR: Unable to find window 'calc'!"), !c.found);
    EXPECT_TRUE(gFake.messageBoxes.empty());
  }
}

TEST_F(ScriptCommandsTest, AFailedGotoStopsPlaybackUnlessTheSettingSaysGoOn) {
  const struct {
    int32_t halt;  // -1: not in the registry
    RunMode mode;
    uint8_t quitWhenDone;
    bool exits;
  } cases[] = {
      {-1, kRunNormal, 0, false}, {1, kRunNormal, 1, true},      {1, kRunCommandLine, 0, true},
      {0, kRunNormal, 0, false},  {0, kRunSelfPlaying, 0, true},
  };
  gSettings.gotoWait = 0;
  AddCommand(kCommandGoto, "Calc");
  AddEvent(kWmKeyDown, 'A', 0);
  AddEvent(kWmKeyUp, 'A', 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "halt " << c.halt << " mode " << c.mode);
    if (c.halt >= 0)
      FakeSetNumber("SOFTWARE\\Morvik", "HaltScriptOnError", static_cast<uint32_t>(c.halt));
    gRunMode = c.mode;
    gSettings.quitWhenDone = c.quitWhenDone;
    gFake.messageBoxes.clear();
    gFake.posted.clear();
    FakeDriverRun run = Play();

    EXPECT_FALSE(gPlayback.gbPlayingNow);
    EXPECT_EQ(gFake.journalHook, 0u);
    EXPECT_EQ(gPlayback.gotoWindow, 0u);
    EXPECT_EQ(ExitPosted(), c.exits);
    if (c.halt != 0) {
      EXPECT_TRUE(run.played.empty());
      ASSERT_EQ(gFake.messageBoxes.size(), 1u);
      EXPECT_EQ(
          gFake.messageBoxes[0].text,
          "Unable to find and GOTO window with the title 'Calc'!\n\nThe playback has stopped.");
      EXPECT_EQ(gFake.messageBoxes[0].caption, "Calc");
      EXPECT_EQ(gFake.messageBoxes[0].style, kScriptErrorStyle);
    } else {
      EXPECT_EQ(run.played.size(), 2u);
      EXPECT_TRUE(gFake.messageBoxes.empty());
    }
    EXPECT_EQ(gRecording.eventCount, 3);
  }
}

TEST_F(ScriptCommandsTest, StartRunsTheProgramAndAFailureStopsPlaybackUnlessTheSettingSaysGoOn) {
  const struct {
    bool fails;
    int32_t halt;
    RunMode mode;
    bool stops, exits;
  } cases[] = {
      {false, 1, kRunNormal, false, false},    {true, 1, kRunNormal, true, false},
      {true, 1, kRunCommandLine, true, true},  {true, 0, kRunNormal, false, false},
      {true, 0, kRunCommandLine, false, true},
  };
  AddCommand(kCommandStart, "\"C:\\Tools\\no such.exe\" /x");
  AddEvent(kWmKeyDown, 'A', 0);
  AddEvent(kWmKeyUp, 'A', 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "fails " << c.fails << " halt " << c.halt << " mode " << c.mode);
    remove(log_.c_str());
    FakeSetNumber("SOFTWARE\\Morvik", "HaltScriptOnError", static_cast<uint32_t>(c.halt));
    gRunMode = c.mode;
    gFake.failStartProgram = c.fails;
    gFake.startedPrograms.clear();
    gFake.messageBoxes.clear();
    gFake.posted.clear();
    FakeDriverRun run = Play();

    EXPECT_EQ(gFake.startedPrograms, std::vector<std::string>{"\"C:\\Tools\\no such.exe\" /x"});
    EXPECT_EQ(run.played.size(), c.stops ? 0u : 2u);
    EXPECT_EQ(Logged("   ERROR: Unable to START the program '\"C:\\Tools\\no such.exe\" /x'!"),
              c.fails);
    EXPECT_EQ(ExitPosted(), c.exits);
    ASSERT_EQ(gFake.messageBoxes.size(), c.stops ? 1u : 0u);
    if (c.stops) {
      EXPECT_EQ(gFake.messageBoxes[0].text,
                "Unable to START the program '\"C:\\Tools\\no such.exe\" /x'!\n\n(NOTE: Try to "
                "copy the correct "
                "program path from the \"Properties\" of its icon)\n\nThe playback has stopped.");
      EXPECT_EQ(gFake.messageBoxes[0].caption, "\"C:\\Tools\\no such.exe\" /x");
      EXPECT_EQ(gFake.messageBoxes[0].style, kScriptErrorStyle);
    }
    EXPECT_FALSE(gPlayback.gbPlayingNow);
  }
}

TEST_F(ScriptCommandsTest, StartingAConsoleMinimisesTheMainWindowForThePass) {
  const struct {
    const char* text;
    RunMode mode;
    bool minimized;
    std::vector<int> shows;
  } cases[] = {
      {"cmd.exe /c dir", kRunNormal, false, {kShowMinimize, kShowRestore}},
      {"C:\\WINDOWS\\COMMAND.COM", kRunNormal, true, {kShowRestore, kShowMinimize, kShowRestore}},
      {"CMD.EXE", kRunCommandLine, false, {}},
      {"notepad.exe", kRunNormal, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    AddCommand(kCommandStart, c.text);
    AddEvent(kWmKeyUp, 'A', 0);
    gRunMode = c.mode;
    gFake.mainMinimized = c.minimized;
    gFake.mainShowCommands.clear();
    Play();
    EXPECT_EQ(gFake.mainShowCommands, c.shows);
    EXPECT_EQ(gPlayback.consoleMinimized, 0);
  }
}

TEST_F(ScriptCommandsTest, WaitIsScaledByTheSpeed) {
  const struct {
    uint8_t speed;
    int32_t factorFast, factorSlow;
    const char* text;
    int32_t duration;
  } cases[] = {
      {kSpeedNormal, 15, 4, "3", 3000},
      {kSpeedSlow, 15, 4, "3", 12000},
      {kSpeedFast, 15, 4, "3", 200},
      {kSpeedFastest, 15, 4, "3", 0},
      {kSpeedNormal, 15, 4, "  7", 7000},
      {kSpeedNormal, 15, 4, "+2", 2000},
      {kSpeedNormal, 15, 4, "2.9", 2000},
      {kSpeedNormal, 15, 4, "abc", 0},
      {kSpeedNormal, 15, 4, "-5", 0},
      {kSpeedSlow, 15, 4, "-5", 0},
      {kSpeedFast, 15, 4, "-5", 0},
      {kSpeedSlow, 15, 0, "3", 3000},
      {kSpeedFast, 0, 4, "3", 3000},
      {kSpeedNormal, 15, 4, "99999999999999999999", 2000000000},
      {kSpeedSlow, 15, 4, "1000000", 2147483647},
      {kSpeedNormal, 15, 4, "-99999999999999999999", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "speed " << int{c.speed} << " WAIT " << c.text);
    remove(log_.c_str());
    gSettings.speed = c.speed;
    gSettings.factorFast = c.factorFast;
    gSettings.factorSlow = c.factorSlow;
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    AddCommand(kCommandWait, c.text);
    AddEvent(kWmKeyUp, 'A', 0);
    const uint32_t start = gFake.tickCount;
    FakeDriverRun run = Play();
    EXPECT_EQ(run.waits,
              c.duration == 0 ? std::vector<int32_t>{} : std::vector<int32_t>{c.duration});
    EXPECT_EQ(run.played.size(), 1u);
    EXPECT_EQ(gPlayback.lastWaitDuration, c.duration);
    EXPECT_TRUE(Logged("   >>>Sending WAIT command duration " + std::to_string(c.duration) +
                       " at " + std::to_string(static_cast<int32_t>(start))));
  }
}

TEST_F(ScriptCommandsTest, TheWatchdogKicksALongWaitThatOverruns) {
  AddCommand(kCommandWait, "3");
  AddEvent(kWmKeyUp, 'A', 0);
  StartPlayback(ID_PLAY);
  EventRecord event = {};
  ASSERT_EQ(PlaybackHookProc(kHcGetNext, 0, &event), 3000);
  const uint32_t start = gFake.tickCount;

  for (uint32_t late : {0u, 3000u, 3500u, 3501u, 9000u}) {
    SCOPED_TRACE(late);
    gFake.tickCount = start + late;
    gFake.keyEvents.clear();
    PlaybackWatchdogTick();
    if (late > 3500) {
      ASSERT_EQ(gFake.keyEvents.size(), 2u);
      EXPECT_EQ(gFake.keyEvents[0].virtualKey, 17);
      EXPECT_EQ(gFake.keyEvents[0].scanCode, 157);
      EXPECT_EQ(gFake.keyEvents[0].flags, uint32_t{kKeyExtended});
      EXPECT_EQ(gFake.keyEvents[1].flags, uint32_t{kKeyExtended | kKeyUp});
    } else {
      EXPECT_TRUE(gFake.keyEvents.empty());
    }
  }
  EXPECT_EQ(CountLogged("      !!! WINDOWS FROZE DURING DELAY PLAYBACK, KICK IT !!!"), 2);

  // Once playback has ended it stays quiet.
  StopAndResetPlayback(false);
  gFake.keyEvents.clear();
  gFake.tickCount = start + 60000;
  PlaybackWatchdogTick();
  EXPECT_TRUE(gFake.keyEvents.empty());
}

TEST_F(ScriptCommandsTest, AWaitWithoutDurationDisarmsTheWatchdog) {
  gPlayback.lastWaitDuration = 3000;  // from an earlier WAIT
  gSettings.speed = kSpeedFastest;
  AddCommand(kCommandWait, "3");
  AddEvent(kWmKeyUp, 'A', 1000);
  AddEvent(kWmKeyUp, 'B', 90000);
  StartPlayback(ID_PLAY);
  EventRecord event = {};
  EXPECT_EQ(PlaybackHookProc(kHcGetNext, 0, &event), 0);
  EXPECT_EQ(gPlayback.lastWaitDuration, 0);
  gFake.tickCount += 60000;
  PlaybackWatchdogTick();
  EXPECT_TRUE(gFake.keyEvents.empty());
}

TEST_F(ScriptCommandsTest, AnUnclaimedEmptySlotIsPassedOn) {
  AddEvent(kWmKeyDown, 'A', 0);
  AddEvent(0, 0, 0);
  AddEvent(kWmKeyUp, 'A', 0);
  FakeDriverRun run = Play();
  EXPECT_EQ(Steps(run.played), (std::vector<KeyStep>{{kWmKeyDown, 'A'}, {kWmKeyUp, 'A'}}));
}

TEST_F(ScriptCommandsTest, ReplaceMappingsTypeTheirTextAfterTheKeyUp) {
  const struct {
    uint8_t action;
    const char* text;
  } cases[] = {
      {8, "101"},
      {10, "14:07:09"},
      {11, "03/05/2002 14:07:09"},
      {12, "200203051407090042"},
  };
  gFake.localTime = PlatformTime{2002, 3, 2, 5, 14, 7, 9, 42};
  gSettings.loopTypeBase = 100;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    remove(log_.c_str());
    gMappings.action[kF1] = c.action;
    gRecording.eventCount = 0;
    // Recorded past 2^31 of the tick count: the typed keys still go at once.
    AddEvent(kWmKeyDown, kF1, 3000000000u);
    AddEvent(kWmKeyUp, kF1, 3000000050u);
    AddEvent(kWmKeyUp, 'B', 3000000100u);
    FakeDriverRun run = Play();

    ASSERT_GE(run.played.size(), 3u);
    EXPECT_EQ(Steps(run.played).front(), (KeyStep{kWmKeyUp, kF1}));
    EXPECT_EQ(Steps(run.played).back(), (KeyStep{kWmKeyUp, 'B'}));
    EXPECT_EQ(TypedText(run.played), c.text);
    EXPECT_EQ(run.waits, std::vector<int32_t>{50});
    for (const EventRecord& e : run.played)
      EXPECT_FALSE(e.message == kWmKeyDown && e.paramL == kF1);
    EXPECT_TRUE(Logged(std::string("PLAY EVENT #1: REPLACE Mapping: '") + c.text + "'"));
    EXPECT_TRUE(Logged("   " + std::to_string(run.played.size() - 2) +
                       " additional events added for replacement"));
  }
}

TEST_F(ScriptCommandsTest, AReplacedKeyDownIsNotHandedOverWhenAskedForAgain) {
  gMappings.action[kF1] = 8;
  AddEvent(kWmKeyDown, kF1, 0);
  AddEvent(kWmKeyUp, kF1, 0);
  StartPlayback(ID_PLAY);
  for (int call = 0; call < 3; call++) {
    SCOPED_TRACE(call);
    EventRecord event = {};
    EXPECT_EQ(PlaybackHookProc(kHcGetNext, 0, &event), 0);
    EXPECT_EQ(event.message, 0u);
  }
  EXPECT_EQ(gRecording.eventCount, 4);  // the text was typed once
  EXPECT_TRUE(gFake.keyEvents.empty());
}

TEST_F(ScriptCommandsTest, ReplaceMappingForRandomTypesANumberInRange) {
  gMappings.action[kF1] = 9;
  AddEvent(kWmKeyDown, kF1, 0);
  AddEvent(kWmKeyUp, kF1, 0);
  for (unsigned seed = 1; seed <= 20; seed++) {
    srand(seed);
    std::string typed = TypedText(Play().played);
    SCOPED_TRACE(typed);
    ASSERT_EQ(typed.size(), 4u);
    EXPECT_GE(atoi(typed.c_str()), 1000);
    EXPECT_LE(atoi(typed.c_str()), 9999);
  }
}

TEST_F(ScriptCommandsTest, ReplacedLoopNumberCountsThePasses) {
  gMappings.action[kF1] = 8;
  gSettings.loopTypeBase = 100;
  gSettings.repeats = 2;
  AddEvent(kWmKeyDown, kF1, 0);
  AddEvent(kWmKeyUp, kF1, 0);
  EXPECT_EQ(TypedText(Play().played), "101102");
}

TEST_F(ScriptCommandsTest, OnlyKeyDownsOfAMappedKeyAreReplaced) {
  gMappings.action[kF1] = 10;
  gMappings.control[kF1] = 1;  // the Mapping's modifiers play no part
  gFake.localTime = PlatformTime{2002, 3, 2, 5, 14, 7, 9, 42};
  AddEvent(kWmKeyUp, kF1, 0);
  AddEvent(kWmKeyDown, 'A', 0);
  AddEvent(kWmKeyUp, 'A', 0);
  AddEvent(kWmKeyDown, kF1, 0);  // the last event: the text goes at the end
  FakeDriverRun run = Play();
  std::vector<KeyStep> steps = Steps(run.played);
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps[0], (KeyStep{kWmKeyUp, kF1}));
  EXPECT_EQ(steps[1], (KeyStep{kWmKeyDown, 'A'}));
  EXPECT_EQ(TypedText(run.played), "a14:07:09");
}

}  // namespace
