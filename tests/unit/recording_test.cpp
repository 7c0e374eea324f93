#include "recording/recording.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "fake_platform.h"
#include "playback/playback_state.h"
#include "settings/settings.h"

namespace {

// Allocation numbers in AllocateRecording's order: the two event lists, the
// three integer arrays, then one text buffer per command slot.
constexpr int kEventsAllocation = 1;
constexpr int kOriginalEventsAllocation = 2;
constexpr int kFirstIndexAllocation = 3;
constexpr int kFirstTextAllocation = 6;
constexpr int kAllAllocations = 5 + kCommandSlots;

bool AllZero(const void* block, size_t bytes) {
  const unsigned char* p = static_cast<const unsigned char*>(block);
  for (size_t i = 0; i < bytes; i++) {
    if (p[i] != 0) return false;
  }
  return true;
}

bool SameEvent(const EventRecord& a, const EventRecord& b) { return memcmp(&a, &b, sizeof a) == 0; }

class RecordingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetFakePlatform();
    gSettings = Settings{};
  }
  void TearDown() override { ReleaseRecording(); }
};

struct FailureCase {
  int failAt;
  const char* text;
  const char* caption;
  int allocationsTried;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << "allocation " << c.failAt << " fails: " << c.text;
}

class RecordingAllocationFailureTest : public RecordingTest,
                                       public ::testing::WithParamInterface<FailureCase> {};

TEST_P(RecordingAllocationFailureTest, ShowsItsMessageAndFails) {
  const FailureCase& c = GetParam();
  // The style is not set yet at start-up; a topmost setting must not leak in.
  gSettings.messageBoxStyle = kMbTaskModal | kMbTopmost;
  gFake.failAllocation = c.failAt;

  EXPECT_FALSE(AllocateRecording());

  ASSERT_EQ(gFake.messageBoxes.size(), 1u);
  EXPECT_EQ(gFake.messageBoxes[0].text, c.text);
  EXPECT_EQ(gFake.messageBoxes[0].caption, c.caption);
  EXPECT_EQ(gFake.messageBoxes[0].style, 0x30u);
  EXPECT_EQ(gFake.allocations, c.allocationsTried);
}

INSTANTIATE_TEST_SUITE_P(
    EveryBlock, RecordingAllocationFailureTest,
    ::testing::Values(
        FailureCase{kEventsAllocation, "Event Memory Failure!", "Failure", 1},
        FailureCase{kOriginalEventsAllocation, "Event Memory Failure!", "Failure", 2},
        // All three integer arrays are tried before the one message.
        FailureCase{kFirstIndexAllocation, "Integer Memory Failure!", "Failure", 5},
        FailureCase{kFirstIndexAllocation + 1, "Integer Memory Failure!", "Failure", 5},
        FailureCase{kFirstIndexAllocation + 2, "Integer Memory Failure!", "Failure", 5},
        FailureCase{kFirstTextAllocation, "Script Memory Allocation Failure!", "Memory Error",
                    kFirstTextAllocation},
        FailureCase{kAllAllocations, "Script Memory Allocation Failure!", "Memory Error",
                    kAllAllocations}),
    [](const ::testing::TestParamInfo<FailureCase>& info) {
      return "Allocation" + std::to_string(info.param.failAt);
    });

TEST_F(RecordingTest, AllocationZeroesEverythingAndResetsTheState) {
  Recording& r = gRecording;
  r.eventCount = 12;
  r.cursor = 5;
  r.originalCount = 9;
  r.commandCount = 3;
  r.changed = true;
  strcpy(r.fileName, "C:\\Tools\\Demo.exe");  // set by start-up before allocation
  gPlayback.journalHook = 44;
  gPlayback.gbPlayingNow = true;
  gPlayback.loopsCompleted = 3;
  gFake.tickCount = 4242;

  ASSERT_TRUE(AllocateRecording());

  EXPECT_TRUE(gFake.messageBoxes.empty());
  EXPECT_EQ(gFake.allocations, kAllAllocations);
  EXPECT_TRUE(AllZero(r.events, sizeof(EventRecord) * kEventSlots));
  EXPECT_TRUE(AllZero(r.originalEvents, sizeof(EventRecord) * kEventSlots));
  EXPECT_TRUE(AllZero(r.eventIndex, sizeof(int32_t) * kCommandSlots));
  EXPECT_TRUE(AllZero(r.originalEventIndex, sizeof(int32_t) * kCommandSlots));
  EXPECT_TRUE(AllZero(r.code, sizeof(int32_t) * kCommandSlots));
  for (int i = 0; i < kCommandSlots; i++) {
    ASSERT_NE(r.text[i], nullptr) << "text " << i;
    ASSERT_TRUE(AllZero(r.text[i], kCommandTextSize)) << "text " << i;
  }
  EXPECT_EQ(r.eventCount, 0);
  EXPECT_EQ(r.cursor, 0);
  EXPECT_EQ(r.originalCount, 0);
  EXPECT_EQ(r.commandCount, 0);
  EXPECT_FALSE(r.changed);
  EXPECT_STREQ(r.fileName, "C:\\Tools\\Demo.exe");
  EXPECT_EQ(gPlayback.journalHook, 0u);
  EXPECT_FALSE(gPlayback.gbPlayingNow);
  EXPECT_EQ(gPlayback.loopsCompleted, 0);

  // The generator is seeded with the tick count.
  const int drawn = rand();
  srand(4242);
  EXPECT_EQ(drawn, rand());
}

TEST_F(RecordingTest, ClearEventsZeroesEverySlotAndLeavesTheCount) {
  ASSERT_TRUE(AllocateRecording());
  Recording& r = gRecording;
  r.events[0] = {kWmKeyDown, 65, 1, 100, 7};
  r.events[kEventSlots - 1] = {kWmKeyUp, 65, 1, 200, 7};
  r.eventCount = 1;

  ClearEvents();

  EXPECT_TRUE(AllZero(r.events, sizeof(EventRecord) * kEventSlots));
  EXPECT_EQ(r.eventCount, 1);
}

// A TYPE command at slot 0, a key press, a WAIT command at slot 2 and the end
// marker; playback then inserts two events after the TYPE slot.
TEST_F(RecordingTest, RestoreOriginalTakesBackPlaybackInsertions) {
  ASSERT_TRUE(AllocateRecording());
  Recording& r = gRecording;
  const EventRecord recorded[4] = {
      {kMsgEmpty, 0, 0, 0, 0},
      {kWmKeyDown, 0x1E41, 1, 100, 7},
      {kMsgEmpty, 0, 0, 0, 0},
      {kMsgEndMarker, 0, 0, 400, 0},
  };
  memcpy(r.events, recorded, sizeof recorded);
  r.eventCount = 4;
  r.commandCount = 2;
  r.code[0] = kCommandType;
  r.eventIndex[0] = 0;
  r.code[1] = kCommandWait;
  r.eventIndex[1] = 2;

  SaveOriginal();
  EXPECT_EQ(r.originalCount, 4);
  for (int i = 0; i < 4; i++) EXPECT_TRUE(SameEvent(r.originalEvents[i], recorded[i])) << i;
  EXPECT_EQ(r.originalEventIndex[0], 0);
  EXPECT_EQ(r.originalEventIndex[1], 2);

  memmove(&r.events[3], &r.events[1], 3 * sizeof(EventRecord));
  r.events[1] = {kWmKeyDown, 0x48, 0, 0, 0};
  r.events[2] = {kWmKeyUp, 0x48, 0, 0, 0};
  r.eventCount = 6;
  r.eventIndex[1] = 4;

  RestoreOriginal();

  EXPECT_EQ(r.eventCount, 4);
  for (int i = 0; i < 4; i++) EXPECT_TRUE(SameEvent(r.events[i], recorded[i])) << i;
  EXPECT_TRUE(AllZero(&r.events[4], sizeof(EventRecord) * (kEventSlots - 4)));
  EXPECT_EQ(r.eventIndex[0], 0);
  EXPECT_EQ(r.eventIndex[1], 2);
  EXPECT_EQ(r.commandCount, 2);
}

TEST_F(RecordingTest, RestoreOriginalOfAShorterCopyLeavesNoOldEvents) {
  ASSERT_TRUE(AllocateRecording());
  Recording& r = gRecording;
  for (int i = 0; i < 5; i++) r.events[i] = {kWmKeyDown, static_cast<uint32_t>(i), 0, 0, 0};
  r.eventCount = 5;
  SaveOriginal();
  ClearEvents();
  r.events[0] = {kWmLButtonDown, 10, 20, 30, 0};
  r.eventCount = 1;
  SaveOriginal();
  for (int i = 0; i < 5; i++) r.events[i] = {kWmMouseMove, 1, 1, 1, 1};
  r.eventCount = 5;

  RestoreOriginal();

  EXPECT_EQ(r.eventCount, 1);
  EXPECT_EQ(r.events[0].message, kWmLButtonDown);
  EXPECT_TRUE(AllZero(&r.events[1], sizeof(EventRecord) * (kEventSlots - 1)));
}

TEST_F(RecordingTest, RestoreOriginalBeforeAnyPlaybackLeavesAnEmptyRecording) {
  ASSERT_TRUE(AllocateRecording());
  Recording& r = gRecording;
  r.events[0] = {kWmKeyDown, 65, 0, 10, 0};
  r.events[1] = {kMsgEndMarker, 0, 0, 20, 0};
  r.eventCount = 2;

  RestoreOriginal();

  EXPECT_EQ(r.eventCount, 0);
  EXPECT_TRUE(AllZero(r.events, sizeof(EventRecord) * kEventSlots));
}

TEST_F(RecordingTest, ReleaseFreesEveryBlockAndClearsItsReference) {
  ASSERT_TRUE(AllocateRecording());
  ReleaseRecording();
  const Recording& r = gRecording;
  EXPECT_EQ(r.events, nullptr);
  EXPECT_EQ(r.originalEvents, nullptr);
  EXPECT_EQ(r.eventIndex, nullptr);
  EXPECT_EQ(r.originalEventIndex, nullptr);
  EXPECT_EQ(r.code, nullptr);
  for (int i = 0; i < kCommandSlots; i++) ASSERT_EQ(r.text[i], nullptr) << "text " << i;
  ReleaseRecording();  // nothing left to free twice
}

TEST_F(RecordingTest, ReleaseAfterAFailedAllocationFreesWhatWasAllocated) {
  // The sanitizer's leak check at exit sees any block left behind.
  gFake.failAllocation = kFirstTextAllocation + 10;
  ASSERT_FALSE(AllocateRecording());
  ReleaseRecording();
  EXPECT_EQ(gRecording.events, nullptr);
  EXPECT_EQ(gRecording.text[9], nullptr);
}

}  // namespace
