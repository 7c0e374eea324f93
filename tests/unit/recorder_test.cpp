#include "recorder/recorder.h"

#include "app/journal_cancel.h"
#include "playback_fixture.h"
#include "settings/mapping_store.h"

namespace {

constexpr uint32_t kOwnWindow = 0x10;
constexpr uint32_t kOtherWindow = 0x77;

class RecorderTest : public PlaybackFixture {
 protected:
  void SetUp() override {
    PlaybackFixture::SetUp();
    gFake.ownWindows = {kOwnWindow};
    gFake.onSend = [](uint32_t message, uint32_t wParam, uint32_t) {
      if (message == kWindowCommand && wParam == ID_STOP_RECORDING) StopRecording();
      if (message == kWindowCommand && wParam == ID_PLAY) StartPlayback(wParam);
    };
  }

  // One input event as the record driver delivers it.
  void Input(uint32_t message, uint32_t paramL, uint32_t hwnd = kOtherWindow, uint32_t paramH = 1) {
    ASSERT_NE(gFake.journalProc, nullptr) << "no record hook installed";
    gFake.tickCount += 5;
    EventRecord event = {message, paramL, paramH, gFake.tickCount, hwnd};
    EXPECT_EQ(gFake.journalProc(kHcAction, 0, &event), 0);
  }
};

TEST_F(RecorderTest, StopKeyEndsTheRecordingWithoutBeingStored) {
  gMappings.stopKey = 120;  // F9
  StartRecording();
  ASSERT_TRUE(gFake.journalRecord);
  Input(kWmKeyDown, 'A' | 30 << 8);
  Input(kWmKeyUp, 'A' | 30 << 8);
  Input(kWmKeyDown, 120 | 67 << 8);

  EXPECT_EQ(gFake.journalHook, 0u);
  EXPECT_EQ(gPlayback.journalHook, 0u);
  ASSERT_EQ(gRecording.eventCount, 3);
  EXPECT_EQ(gRecording.events[0].message, kWmKeyDown);
  EXPECT_EQ(gRecording.events[1].message, kWmKeyUp);
  EXPECT_EQ(gRecording.events[2].message, kMsgEndMarker);
  EXPECT_EQ(gRecording.events[2].time, gFake.tickCount);
  EXPECT_EQ(gRecording.events[2].paramL | gRecording.events[2].paramH | gRecording.events[2].hwnd,
            0u);
  EXPECT_TRUE(gRecording.changed);
  EXPECT_TRUE(Logged("\"Stop Recording\" key pressed: 120"));
  EXPECT_TRUE(Logged("End recording time: " + std::to_string(gFake.tickCount) +
                     " ticks (3 total actions: final action not logged)"));
  EXPECT_TRUE(gFake.menuEnabled[ID_PLAY]);
  EXPECT_FALSE(gFake.menuEnabled[ID_STOP_RECORDING]);
}

TEST_F(RecorderTest, MorviksOwnWindowsAreLeftOutOnlyWhenAsked) {
  for (int exclude : {1, 0}) {
    SCOPED_TRACE(exclude);
    gSettings.excludeMorvikAction = static_cast<uint8_t>(exclude);
    StartRecording();
    Input(kWmLButtonDown, 20, kOwnWindow, 30);
    Input(kWmLButtonUp, 20, kOwnWindow, 30);
    Input(kWmKeyDown, 'B', kOtherWindow);
    StopRecording();
    EXPECT_EQ(gRecording.eventCount, exclude ? 2 : 4);
    EXPECT_EQ(gRecording.events[exclude ? 0 : 2].message, kWmKeyDown);
  }
}

TEST_F(RecorderTest, CapacityKeeps32766EventsAndTheEndMarker) {
  gSettings.log = kLogOff;  // forty thousand log lines would only slow the test
  StartRecording();
  for (int i = 0; i < 40000; i++) Input(kWmMouseMove, static_cast<uint32_t>(i));
  EXPECT_EQ(gRecording.cursor, kMaxStoredEvents);
  StopRecording();
  ASSERT_EQ(gRecording.eventCount, kMaxStoredEvents + 1);
  EXPECT_EQ(gRecording.events[kMaxStoredEvents - 1].paramL,
            static_cast<uint32_t>(kMaxStoredEvents - 1));
  EXPECT_EQ(gRecording.events[kMaxStoredEvents].message, kMsgEndMarker);
  EXPECT_EQ(gRecording.events[kMaxStoredEvents + 1].message, 0u);
}

TEST_F(RecorderTest, ARecordingWithoutInputIsTheEndMarkerAlone) {
  StartRecording();
  StopRecording();
  ASSERT_EQ(gRecording.eventCount, 1);
  EXPECT_EQ(gRecording.events[0].message, kMsgEndMarker);
}

TEST_F(RecorderTest, EachStoredEventIsLoggedAtMedium) {
  StartRecording();
  Input(kWmKeyDown, 0x41 | 0x1E << 8, kOtherWindow, 0x8001);
  Input(515, 7, kOtherWindow, 9);
  StopRecording();
  EXPECT_TRUE(
      Logged("RECORDING #1: hWnd=119, Time=1005, Message=WM_KEYDOWN (paramL=0x1E41, paramH=0x8001, "
             "wParam=0x41, lParam=0x1E)"));
  EXPECT_TRUE(
      Logged("RECORDING #2: hWnd=119, Time=1010, Message=515 (paramL=0x7, paramH=0x9, wParam=0x7, "
             "lParam=0x0)"));
  EXPECT_TRUE(Logged("Start recording time: 1000 ticks"));
}

TEST_F(RecorderTest, CtrlEscDiscardsTheRecordingForTheLastPlayedOne) {
  AddEvent(kWmKeyDown, 'P', 0);
  AddEvent(kWmKeyUp, 'P', 0);
  Play();  // takes the copy that a cancellation brings back
  StartRecording();
  Input(kWmKeyDown, 'Q');
  Input(kWmKeyUp, 'Q');

  gFake.journalHook = 0;  // the system removed the hook itself
  OnCancelJournal();

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Recording Stopped");
  EXPECT_EQ(gPlayback.journalHook, 0u);
  ASSERT_EQ(gRecording.eventCount, 2);
  EXPECT_EQ(gRecording.events[0].paramL, static_cast<uint32_t>('P'));
  EXPECT_TRUE(Logged("CANCELLED RECORDING: Forced by Windows Operating System"));
}

TEST_F(RecorderTest, StartIsIgnoredWhileAJournalHookRuns) {
  StartRecording();
  uint32_t hook = gPlayback.journalHook;
  Input(kWmKeyDown, 'A');
  StartRecording();
  EXPECT_EQ(gPlayback.journalHook, hook);
  EXPECT_EQ(gRecording.cursor, 1);
}

TEST_F(RecorderTest, RefusedHookIsReported) {
  gFake.refuseJournalHook = true;
  StartRecording();
  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, "Start Windows Recorder Failed!");
  EXPECT_EQ(gFake.messageBoxes[0].caption, "Failure");
  EXPECT_EQ(gFake.messageBoxes[0].style, kMbIconExclamation | kMbTaskModal);
  EXPECT_TRUE(Logged("Start Windows Recorder Failed!"));
  EXPECT_EQ(gPlayback.journalHook, 0u);
}

TEST_F(RecorderTest, MinimizeHidesTheWindowUnderItsStopTitle) {
  gSettings.minimize = 1;
  StartRecording();
  EXPECT_EQ(gFake.titles, std::vector<std::string>{"CLICK TO STOP RECORDING"});
  EXPECT_EQ(gFake.mainShowCommands, std::vector<int>{kShowMinimize});
  StopRecording();
  EXPECT_EQ(gFake.titles.size(), 1u);  // the stop leaves the title to the focus path
}

}  // namespace
