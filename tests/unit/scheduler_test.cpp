#include "playback/scheduler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "app/journal_cancel.h"
#include "playback_fixture.h"

namespace {

constexpr uint32_t kStyle = kMbTaskModal;  // MessageBoxStyle() with Topmost off

class SchedulerTest : public PlaybackFixture {
 protected:
  // Key-downs of successive letters at the recorded times.
  void AddKeys(const std::vector<uint32_t>& times) {
    uint32_t key = 'A';
    for (uint32_t t : times) AddEvent(kWmKeyDown, key++, t);
  }

  std::vector<int32_t> WaitsFor(std::deque<int32_t> lateness = {}) {
    FakeDriverRun run;
    run.lateness = std::move(lateness);
    StartPlayback(ID_PLAY);
    RunFakeDriver(&run);
    return run.waits;
  }

  // The platform removes the hook by itself, as on Ctrl+Esc.
  static void PlatformDropsHook() {
    gFake.journalHook = 0;
    gFake.journalProc = nullptr;
  }
};

TEST_F(SchedulerTest, WaitsFollowWhatTheSystemReallyWaited) {
  struct Case {
    const char* name;
    std::vector<uint32_t> times;
    std::deque<int32_t> lateness;
    std::vector<int32_t> waits;
  };
  const Case cases[] = {
      {"on time", {1000, 1100}, {}, {100}},
      {"3 ms early gets no second wait", {1000, 1100}, {-3}, {100}},
      {"9 ms early gets no second wait", {1000, 1100}, {-9}, {100}},
      {"10 ms early waits again", {1000, 1100}, {-10}, {100, 10}},
      {"12 ms early waits 12 more", {1000, 1100}, {-12}, {100, 12}},
      {"early twice", {1000, 1100}, {-40, -15}, {100, 40, 15}},
      {"150 over, then a 400 gap is asked as 250", {1000, 1100, 1500}, {150}, {100, 250}},
      {"150 over, a 100 gap is skipped, 50 stays for the next",
       {1000, 1100, 1200, 1280},
       {150},
       {100, 30}},
      {"9 over is dropped", {1000, 1100, 1500}, {9}, {100, 400}},
      {"10 over is banked", {1000, 1100, 1500}, {10}, {100, 390}},
      {"early, then late on the second wait", {1000, 1100, 1500}, {-12, 20}, {100, 12, 380}},
      {"an event without a wait keeps the surplus", {1000, 1100, 1100, 1500}, {150}, {100, 250}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gRecording.eventCount = 0;
    AddKeys(c.times);
    EXPECT_EQ(WaitsFor(c.lateness), c.waits);
    EXPECT_EQ(gFake.journalHook, 0u);
  }
}

TEST_F(SchedulerTest, LogsTheWaitArithmetic) {
  AddKeys({1000, 1100, 1100});
  WaitsFor({-12});
  EXPECT_TRUE(Logged("   Actual Delay Completed=88, Deficit=12"));
  EXPECT_TRUE(Logged("   ...Try waiting again, 12 remaining..."));
  EXPECT_TRUE(Logged("   Actual Delay Completed=12, Deficit=0"));
  EXPECT_EQ(CountLogged("   Delay was done!"), 1);

  remove(log_.c_str());
  gRecording.eventCount = 0;
  AddKeys({1000, 1100});
  WaitsFor({-3});
  EXPECT_TRUE(Logged("   Actual Delay Completed=97, Deficit=3"));
  EXPECT_EQ(CountLogged("   ...Try waiting again"), 0);
  EXPECT_TRUE(Logged("   Delay was done!"));

  remove(log_.c_str());
  gRecording.eventCount = 0;
  AddKeys({1000, 1100, 1500, 1600});
  const uint32_t start = gFake.tickCount;
  WaitsFor({150, 0});
  EXPECT_TRUE(Logged("   Actual Delay Completed=250, Surplus=-150"));
  EXPECT_TRUE(Logged("   Windows waited too long; Surplus updated to 150"));
  EXPECT_TRUE(
      Logged("   Adjusting for Surplus: Requesting Altered Delay of 250, Remaining Surplus=0"));
  // The fourth event is prepared once the platform waited 250 and then 250.
  EXPECT_TRUE(Logged("PLAY EVENT #4 at " + std::to_string(start + 500) +
                     ": Requested Delay=100, Surplus Remaining=0, Rec Time=1600, Rec Prev=1500, "
                     "Message=WM_KEYDOWN (0, 'D')"));

  remove(log_.c_str());
  gRecording.eventCount = 0;
  AddKeys({1000, 1100, 1200});
  WaitsFor({150});
  EXPECT_TRUE(
      Logged("   Adjusting for Surplus: Requesting Altered Delay of 0, Remaining Surplus=50"));
  EXPECT_TRUE(Logged("   >>>Sending Event #3 with no delay"));
}

TEST_F(SchedulerTest, SpeedScalesTheRecordedGap) {
  struct Case {
    uint8_t speed;
    int32_t factorFast, factorSlow;
    uint32_t gap;
    std::vector<int32_t> waits;
  };
  const Case cases[] = {
      {kSpeedNormal, 15, 4, 100, {100}}, {kSpeedFastest, 15, 4, 100, {}},
      {kSpeedFast, 15, 4, 100, {6}},     {kSpeedFast, 15, 4, 14, {}},
      {kSpeedFast, 15, 4, 15, {1}},      {kSpeedSlow, 15, 4, 100, {400}},
      {kSpeedFast, 0, 4, 100, {100}},    {kSpeedFast, -2, 4, 100, {100}},
      {kSpeedSlow, 15, 0, 100, {100}},   {kSpeedSlow, 15, -3, 100, {100}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "speed " << int{c.speed} << " fast " << c.factorFast
                                    << " slow " << c.factorSlow << " gap " << c.gap);
    gSettings.speed = c.speed;
    gSettings.factorFast = c.factorFast;
    gSettings.factorSlow = c.factorSlow;
    gRecording.eventCount = 0;
    AddKeys({5000, 5000 + c.gap});
    EXPECT_EQ(WaitsFor(), c.waits);
  }
}

TEST_F(SchedulerTest, SlowSpeedKeepsTheRhythmOfClicks) {
  struct Case {
    const char* name;
    std::vector<uint32_t> messages;
    std::vector<int32_t> waits;
  };
  const Case cases[] = {
      {"mouse moves are slowed", {512, 512, 512}, {400, 400}},
      {"the button-up, and the two events before it, keep their gap",
       {512, 512, 512, 512, 512, kWmLButtonUp},
       {400, 400, 100, 100, 100}},
      {"a double click keeps its gap", {512, 515, 512}, {100, 400}},
      {"a button-down alone is slowed", {512, 512, 512, 512, kWmLButtonDown}, {400, 400, 400, 400}},
  };
  gSettings.speed = kSpeedSlow;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gRecording.eventCount = 0;
    uint32_t time = 2000;
    for (uint32_t message : c.messages) AddEvent(message, 10, time += 100, 20);
    EXPECT_EQ(WaitsFor(), c.waits);
  }
}

TEST_F(SchedulerTest, EventsTimedZeroOrOneAndTheEventAfterThemNeverWait) {
  struct Case {
    const char* name;
    std::vector<uint32_t> times;
    std::vector<int32_t> waits;
  };
  const Case cases[] = {
      {"time 0 and the event after it", {1000, 0, 1100}, {}},
      {"time 1 and the event after it", {1000, 1, 1100}, {}},
      {"every time 0", {0, 0, 0}, {}},
      {"the gaps resume after them", {1000, 0, 5000, 5100}, {100}},
      {"time 0 after a tick count past 2^31", {3000000000u, 0, 3000000100u}, {}},
      {"a gap across the wrap of the tick count", {4294967196u, 100}, {200}},
      {"a recorded time going back", {5000, 4000}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gRecording.eventCount = 0;
    AddKeys(c.times);
    EXPECT_EQ(WaitsFor(), c.waits);
  }
}

TEST_F(SchedulerTest, HandsEveryEventOverWithTheTimeOfHandOver) {
  AddEvent(kWmMouseMove, 300, 7000, 200);
  gRecording.events[0].hwnd = 0x77;
  AddEvent(kWmKeyDown, 'A' | 30 << 8, 7100);
  AddEvent(kWmKeyUp, 'A' | 30 << 8, 7150);
  FakeDriverRun run = Play();
  ASSERT_EQ(run.played.size(), 3u);
  const EventRecord expected[] = {{kWmMouseMove, 300, 200, 1000, 0x77},
                                  {kWmKeyDown, 'A' | 30 << 8, 0, 1100, 0},
                                  {kWmKeyUp, 'A' | 30 << 8, 0, 1150, 0}};
  for (int i = 0; i < 3; i++) {
    SCOPED_TRACE(i);
    EXPECT_EQ(run.played[i].message, expected[i].message);
    EXPECT_EQ(run.played[i].paramL, expected[i].paramL);
    EXPECT_EQ(run.played[i].paramH, expected[i].paramH);
    EXPECT_EQ(run.played[i].time, expected[i].time);
    EXPECT_EQ(run.played[i].hwnd, expected[i].hwnd);
  }
  EXPECT_TRUE(Logged(
      "PLAY EVENT #1 at 1000: Requested Delay=0, Surplus Remaining=0, Rec Time=7000, Rec Prev=0, "
      "Message=WM_MOUSEMOVE (200, 300)"));
}

TEST_F(SchedulerTest, RepeatsPlayEveryPassAndShowTheirProgress) {
  strcpy(gRecording.fileName, "C:\\demo.mvx");
  gSettings.repeats = 3;
  gSettings.keyboardService = 1;
  AddEvent(kWmKeyDown, 'A', 1000);
  AddEvent(kWmKeyUp, 'A', 1100);
  FakeDriverRun run = Play();

  EXPECT_EQ(run.played.size(), 6u);
  EXPECT_EQ(run.waits, (std::vector<int32_t>{100, 100, 100}));
  EXPECT_EQ(gFake.titles,
            (std::vector<std::string>{"1 of 3 done for C:\\demo.mvx",
                                      "2 of 3 done for C:\\demo.mvx", "Morvik - C:\\demo.mvx"}));
  EXPECT_EQ(CountLogged("Playback Complete!"), 3);
  EXPECT_EQ(
      CountLogged(
          "Starting 'C:\\demo.mvx' playback (2 Total Actions) with Morvik 3.02 at log level 3 on "
          "Windows Platform 2 Version 10.0 Build #19045...."),
      3);
  EXPECT_TRUE(Logged("1 of 3 done for C:\\demo.mvx"));
  EXPECT_TRUE(Logged("2 of 3 done for C:\\demo.mvx"));
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  EXPECT_EQ(gPlayback.journalHook, 0u);
  EXPECT_EQ(gPlayback.loopsCompleted, 0);
  EXPECT_EQ(gFake.journalRemovals, 3);
  EXPECT_TRUE(gFake.posted.empty());
  EXPECT_TRUE(gFake.menuEnabled[ID_PLAY]);
  // The Keyboard Service comes back once, when playback has ended.
  int timers = 0;
  for (const FakeMessage& m : gFake.sent)
    timers += m.message == kWindowTimer && m.wParam == ID_MAIN_TIMER;
  EXPECT_EQ(timers, 1);
}

TEST_F(SchedulerTest, WithoutProgressUpdatesOnlyTheIdleTitleIsSet) {
  gSettings.playUpdate = 0;
  gSettings.repeats = 2;
  AddKeys({0});
  Play();
  EXPECT_EQ(gFake.titles, std::vector<std::string>{"Morvik - (Untitled)"});
  EXPECT_TRUE(Logged("1 of 2 done for (Untitled)"));
}

TEST_F(SchedulerTest, TheEndOfPlaybackPostsExitWhenTheRunAsksForIt) {
  struct Case {
    RunMode mode;
    uint8_t quitWhenDone;
    bool exits;
  };
  const Case cases[] = {{kRunNormal, 0, false},
                        {kRunNormal, 1, true},
                        {kRunCommandLine, 0, true},
                        {kRunSelfPlaying, 0, true}};
  AddKeys({0, 0});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " quit " << int{c.quitWhenDone});
    gRunMode = c.mode;
    gSettings.quitWhenDone = c.quitWhenDone;
    gFake.posted.clear();
    gFake.titles.clear();
    Play();
    ASSERT_EQ(gFake.posted.size(), c.exits ? 1u : 0u);
    if (c.exits) {
      EXPECT_EQ(gFake.posted[0].message, kWindowCommand);
      EXPECT_EQ(gFake.posted[0].wParam, uint32_t{ID_EXIT});
    }
    // Outside Normal runs there is no window to bring back.
    EXPECT_EQ(gFake.titles.size(), c.mode == kRunNormal ? 1u : 0u);
  }
}

TEST_F(SchedulerTest, ContinuousPlayRunsUntilTheSystemCancelsIt) {
  gSettings.continuous = 1;
  AddCommand(kCommandType, "x");
  AddKeys({0});
  FakeDriverRun run;
  StartPlayback(ID_PLAY);
  RunFakeDriver(&run, 3 * 4);  // placeholder, two typed keys and the key: 4 calls a pass

  EXPECT_EQ(gFake.titles,
            (std::vector<std::string>{"1 done for (Untitled)", "2 done for (Untitled)",
                                      "3 done for (Untitled)"}));
  EXPECT_EQ(gPlayback.loopsCompleted, 3);
  EXPECT_TRUE(gPlayback.gbPlayingNow);

  PlatformDropsHook();
  OnCancelJournal();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "3 Playbacks Completed");
  EXPECT_EQ(gFake.messageBoxes[0].text.rfind(
                "Windows is forcing Morvik to stop recording and playing.\n\n", 0),
            0u);
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbTaskModal | kMbTopmost | kMbUserIcon);
  EXPECT_TRUE(Logged("CANCELLED RECORDING: Forced by Windows Operating System"));
  // The hook was already gone: the failed removal is logged and ignored.
  EXPECT_TRUE(Logged("Unable to unhook windows hook during stop and reset playback!"));
  EXPECT_EQ(gFake.titles.back(), "Morvik - (Untitled)");
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  EXPECT_EQ(gPlayback.journalHook, 0u);
  EXPECT_EQ(gPlayback.loopsCompleted, 0);
  EXPECT_EQ(gRecording.eventCount, 2);
  EXPECT_EQ(gRecording.eventIndex[0], 0);
  EXPECT_TRUE(gFake.posted.empty());
}

TEST_F(SchedulerTest, CancellationWarnsAndExitsAsTheSettingsAsk) {
  struct Case {
    uint8_t interruptWarning;
    RunMode mode;
  };
  const Case cases[] = {
      {1, kRunNormal}, {0, kRunNormal}, {0, kRunCommandLine}, {1, kRunSelfPlaying}};
  AddKeys({1000, 5000});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "warning " << int{c.interruptWarning} << " mode " << c.mode);
    gSettings.interruptWarning = c.interruptWarning;
    gRunMode = c.mode;
    gFake.messageBoxes.clear();
    gFake.posted.clear();
    StartPlayback(ID_PLAY);
    FakeDriverRun run;
    RunFakeDriver(&run, 2);
    PlatformDropsHook();
    OnCancelJournal();
    EXPECT_EQ(gFake.messageBoxes.size(), c.interruptWarning ? 1u : 0u);
    if (c.interruptWarning) {
      EXPECT_EQ(gFake.messageBoxes[0].caption, "0 Playbacks Completed");
    }
    EXPECT_EQ(gFake.posted.size(), c.mode == kRunNormal ? 0u : 1u);
    EXPECT_FALSE(gPlayback.gbPlayingNow);
  }
}

TEST_F(SchedulerTest, CancellingARecordingNamesIt) {
  gPlayback.journalHook = 0x55;  // the recorder's hook
  OnCancelJournal();
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Recording Stopped");
  EXPECT_EQ(gPlayback.journalHook, 0u);
}

TEST_F(SchedulerTest, CancellationWithoutAJournalHookChangesNothing) {
  AddKeys({0});
  OnCancelJournal();
  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_TRUE(gFake.titles.empty());
  EXPECT_TRUE(LogLines().empty());
  EXPECT_EQ(gRecording.eventCount, 1);
}

TEST_F(SchedulerTest, FastMapPlaySpeedsUpTheFirstPassOfAMappingPlayback) {
  struct Case {
    uint32_t command;
    uint32_t fastMapPlay;
    std::vector<int32_t> waits;
  };
  const Case cases[] = {
      {ID_PLAY_MAPPING, 1, {100}}, {ID_PLAY_MAPPING, 0, {100, 100}}, {ID_PLAY, 1, {100, 100}}};
  gSettings.repeats = 2;
  AddKeys({1000, 1100});
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "command " << c.command << " FastMapPlay " << c.fastMapPlay);
    FakeSetNumber("SOFTWARE\\Morvik", "FastMapPlay", c.fastMapPlay);
    FakeDriverRun run = Play(c.command);
    EXPECT_EQ(run.waits, c.waits);
    EXPECT_EQ(run.played.size(), 4u);
    EXPECT_EQ(gSettings.speed, kSpeedNormal);
    EXPECT_EQ(gPlayback.savedSpeed, 0);
  }
}

TEST_F(SchedulerTest, TheServiceNamesAFileToLoadAndPlay) {
  const std::string path = folder_.File("service.mvx");
  WriteWholeFile(path,
                 "message=WM_KEYDOWN paramH=1 paramL=65 time=10\r\n"
                 "message=WM_KEYUP paramH=1 paramL=65 time=20\r\n");
  FakeSetText("SOFTWARE\\Morvik", "ServiceFileLoad", path);
  memset(gFake.keyboardState, 0x80, sizeof gFake.keyboardState);
  FakeDriverRun run = Play(ID_PLAY_SERVICE_FILE);

  EXPECT_EQ(std::string(gRecording.fileName), path);
  EXPECT_TRUE(gFake.keyboardStateSet);
  for (uint8_t state : gFake.keyboardState) EXPECT_EQ(state, 0);
  EXPECT_EQ(Steps(run.played), (std::vector<KeyStep>{{kWmKeyDown, 65}, {kWmKeyUp, 65}}));
  EXPECT_EQ(run.waits, std::vector<int32_t>{10});
  EXPECT_EQ(gFake.titles.back(), "Morvik - " + path);
}

TEST_F(SchedulerTest, AServiceFileThatCannotBeLoadedIsNotPlayed) {
  AddKeys({1000});
  FakeSetText("SOFTWARE\\Morvik", "ServiceFileLoad", folder_.File("missing.mvx"));
  StartPlayback(ID_PLAY_SERVICE_FILE);
  EXPECT_EQ(gFake.journalProc, nullptr);
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  EXPECT_EQ(gFake.messageBoxes.size(), 1u);  // the loader's own message
}

TEST_F(SchedulerTest, ACorruptedListStopsWithAnError) {
  gRunMode = kRunCommandLine;
  AddKeys({1000, 1100});
  StartPlayback(ID_PLAY);
  gPlayback.currentEvent = 2;
  EventRecord event = {};
  EXPECT_EQ(PlaybackHookProc(kHcGetNext, 0, &event), 0);

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text,
            "This recording appears to be corrupted!\n\nPlease re-record your actions.");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Playback Error");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbIconStop | kStyle);
  EXPECT_TRUE(Logged("ERROR: Event #3: This recording appears to be corrupted!"));
  EXPECT_EQ(gFake.journalHook, 0u);
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  ASSERT_EQ(gFake.posted.size(), 1u);
  EXPECT_EQ(gFake.posted[0].wParam, uint32_t{ID_EXIT});
}

TEST_F(SchedulerTest, AnEmptyRecordingIsNotPlayed) {
  struct Case {
    RunMode mode;
    uint8_t quitWhenDone;
    bool exits;
  };
  // A run without a window has nothing left to do; a Normal run stays.
  const Case cases[] = {{kRunNormal, 0, false},
                        {kRunNormal, 1, false},
                        {kRunCommandLine, 0, true},
                        {kRunSelfPlaying, 0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " quit " << int{c.quitWhenDone});
    gRunMode = c.mode;
    gSettings.quitWhenDone = c.quitWhenDone;
    gFake.messageBoxes.clear();
    gFake.posted.clear();
    StartPlayback(ID_PLAY);
    ASSERT_EQ(gFake.messageBoxes.size(), 1u);
    EXPECT_EQ(gFake.messageBoxes[0].text, kNoActionsMessage);
    EXPECT_EQ(gFake.messageBoxes[0].caption, "Play Error");
    EXPECT_EQ(gFake.messageBoxes[0].style, kMbIconExclamation | kStyle);
    EXPECT_EQ(gFake.journalProc, nullptr);
    EXPECT_FALSE(gPlayback.gbPlayingNow);
    EXPECT_EQ(gFake.posted.size(), c.exits ? 1u : 0u);
  }
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SchedulerTest, ARefusedHookLeavesTheProgramIdle) {
  AddKeys({1000, 1100});
  gFake.refuseJournalHook = true;
  gFake.lastErrorText = "Access is denied.";
  StartPlayback(ID_PLAY);

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Unable to start playback!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Playback Failure");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbIconExclamation | kStyle);
  EXPECT_TRUE(Logged("Access is denied."));
  EXPECT_TRUE(Logged("Unable to start playback!"));
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  EXPECT_EQ(gPlayback.journalHook, 0u);
  EXPECT_EQ(gRecording.originalCount, 2);
  EXPECT_TRUE(gFake.menuEnabled[ID_PLAY]);
}

TEST_F(SchedulerTest, ARefusedHookOnALaterPassEndsWithAFreshCount) {
  gSettings.repeats = 3;
  AddKeys({0});
  StartPlayback(ID_PLAY);
  gFake.refuseJournalHook = true;  // the second pass is refused
  FakeDriverRun run;
  RunFakeDriver(&run);
  EXPECT_EQ(run.played.size(), 1u);
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Playback Failure");
  EXPECT_EQ(gPlayback.loopsCompleted, 0);
  EXPECT_FALSE(gPlayback.gbPlayingNow);
}

TEST_F(SchedulerTest, ARefusedMappingPlaybackKeepsTheUsersSpeed) {
  AddKeys({1000, 1100});
  FakeSetNumber("SOFTWARE\\Morvik", "FastMapPlay", 1);
  gFake.refuseJournalHook = true;
  StartPlayback(ID_PLAY_MAPPING);
  EXPECT_EQ(gSettings.speed, kSpeedNormal);
  EXPECT_EQ(gPlayback.savedSpeed, 0);
}

TEST_F(SchedulerTest, PlaybackIsIgnoredWhileAJournalHookRuns) {
  AddKeys({1000});
  gPlayback.journalHook = 0x55;  // a recording runs
  StartPlayback(ID_PLAY);
  EXPECT_EQ(gFake.journalProc, nullptr);
  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_TRUE(LogLines().empty());
}

TEST_F(SchedulerTest, ActionAndScriptLineTitles) {
  gSettings.playUpdate = 2;
  AddKeys({0});
  AddCommand(kCommandStart, "notepad.exe");
  AddEvent(kWmKeyUp, 'A', 0);
  Play();
  EXPECT_EQ(gFake.titles, (std::vector<std::string>{"Action 1 of 3...", "Action 2 of 3...",
                                                    "Script Line 1 of 1...", "Action 3 of 3...",
                                                    "Morvik - (Untitled)"}));
}

TEST_F(SchedulerTest, SystemModalNoticesAndOtherCodesArePassedOn) {
  AddKeys({0});
  StartPlayback(ID_PLAY);
  EventRecord event = {};
  for (int code : {int{kHcSysModalOn}, int{kHcSysModalOff}, 3, -1})
    PlaybackHookProc(code, 0, &event);
  EXPECT_EQ(gFake.callNextHook, 4);
  EXPECT_TRUE(Logged("* * * HC_SYSMODALON Flag * * *"));
  EXPECT_TRUE(Logged("* * * HC_SYSMODALOFF Flag * * *"));
  EXPECT_EQ(gPlayback.currentEvent, 0);
}

TEST_F(SchedulerTest, KeysLeftDownAreReleasedWhenPlaybackEnds) {
  struct Case {
    const char* name;
    std::vector<std::pair<CommandCode, const char*>> commands;
    std::vector<std::pair<uint32_t, uint32_t>> keys;  // message, key
    std::vector<uint8_t> released;
  };
  const Case cases[] = {
      {"a recorded key-down without key-up",
       {},
       {{kWmKeyDown, 'A'}, {kWmKeyDown, 'B'}, {kWmKeyUp, 'B'}},
       {'A'}},
      {"{shiftdown} without {shiftup}",
       {{kCommandType, "{shiftdown}"}},
       {{kWmKeyDown, 'A'}, {kWmKeyUp, 'A'}},
       {16}},
      {"{altdown} without {altup}", {{kCommandType, "{altdown}"}, {kCommandType, "f"}}, {}, {18}},
      {"every key released",
       {{kCommandType, "{ctrldown}"}, {kCommandType, "{ctrlup}"}},
       {{kWmKeyDown, 'A'}, {kWmKeyUp, 'A'}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    for (const auto& command : c.commands) AddCommand(command.first, command.second);
    for (const auto& key : c.keys) AddEvent(key.first, key.second, 0);
    gFake.keyEvents.clear();
    Play();
    std::vector<uint8_t> released;
    for (const FakeKeyEvent& k : gFake.keyEvents) {
      EXPECT_EQ(k.flags, uint32_t{kKeyUp});
      released.push_back(k.virtualKey);
    }
    EXPECT_EQ(released, c.released);
  }
}

TEST_F(SchedulerTest, KeysLeftDownAreReleasedWhenPlaybackIsCancelledOrCutOff) {
  for (bool cancelled : {true, false}) {
    SCOPED_TRACE(cancelled ? "cancelled by the system" : "cut off by Exit");
    gFake.keyEvents.clear();
    gRecording.eventCount = 0;
    gRecording.commandCount = 0;
    AddCommand(kCommandType, "{shiftdown}");
    AddEvent(kWmKeyDown, 'A', 1000);
    AddEvent(kWmKeyUp, 'A', 6000);
    StartPlayback(ID_PLAY);
    FakeDriverRun run;
    RunFakeDriver(&run, 4);  // up to the wait before the key-up
    ASSERT_EQ(run.waits, std::vector<int32_t>{5000});
    ASSERT_TRUE(gFake.keyEvents.empty());
    if (cancelled) {
      PlatformDropsHook();
      OnCancelJournal();
    } else {
      CutOffJournal("CANCELLED RECORDING: Morvik Exit called\r\n");
      EXPECT_TRUE(Logged("CANCELLED RECORDING: Morvik Exit called"));
      EXPECT_EQ(gFake.journalHook, 0u);
    }
    ASSERT_EQ(gFake.keyEvents.size(), 2u);
    EXPECT_EQ(gFake.keyEvents[0].virtualKey, 16);
    EXPECT_EQ(gFake.keyEvents[1].virtualKey, 'A');
    EXPECT_EQ(gFake.keyEvents[0].flags, uint32_t{kKeyUp});
    EXPECT_EQ(gFake.keyEvents[1].flags, uint32_t{kKeyUp});
    EXPECT_FALSE(gPlayback.gbPlayingNow);
    EXPECT_EQ(gPlayback.journalHook, 0u);
  }
}

TEST_F(SchedulerTest, ACutOffPlaybackPutsBackTheRecordingAndTheUsersSpeed) {
  FakeSetNumber("SOFTWARE\\Morvik", "FastMapPlay", 1);
  AddCommand(kCommandType, "ab");
  AddEvent(kWmKeyDown, 'A', 1000);
  AddEvent(kWmKeyUp, 'A', 1100);
  AddCommand(kCommandWait, "1");
  StartPlayback(ID_PLAY_MAPPING);
  FakeDriverRun run;
  RunFakeDriver(&run, 3);  // the TYPE and its first two keys
  ASSERT_EQ(gRecording.eventCount, 8);
  ASSERT_EQ(gSettings.speed, kSpeedFastest);

  CutOffJournal(nullptr);

  EXPECT_EQ(gRecording.eventCount, 4);
  EXPECT_EQ(gRecording.events[1].message, kWmKeyDown);
  EXPECT_EQ(gRecording.eventIndex[1], 3);
  EXPECT_EQ(gSettings.speed, kSpeedNormal);
  EXPECT_EQ(gPlayback.savedSpeed, 0);
  EXPECT_EQ(gPlayback.journalHook, 0u);

  // The next playback plays the recording as it was loaded.
  FakeDriverRun again = Play();
  EXPECT_EQ(TypedText(again.played), "aba");
  EXPECT_EQ(again.waits, (std::vector<int32_t>{100, 1000}));
}

TEST_F(SchedulerTest, ACutOffPlaybackForgetsItsPasses) {
  gSettings.repeats = 3;
  AddKeys({0});
  StartPlayback(ID_PLAY);
  FakeDriverRun run;
  RunFakeDriver(&run, 1);
  ASSERT_EQ(gPlayback.loopsCompleted, 1);

  CutOffJournal(nullptr);
  EXPECT_EQ(gPlayback.loopsCompleted, 0);

  // A Mapping's playback does not clear the count itself: all three passes.
  EXPECT_EQ(Play(ID_PLAY_MAPPING).played.size(), 3u);
}

}  // namespace
