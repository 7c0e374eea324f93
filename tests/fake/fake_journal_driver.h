// Plays the installed journal-playback procedure as the system would, one
// call at a time, with the fake clock: a wait the procedure asks for
// passes on the clock, optionally early or late by a scripted amount.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "recording/recording.h"

struct FakeDriverRun {
  // Added to each successive wait (negative: the system comes back early);
  // waits beyond the list come back on time.
  std::deque<int32_t> lateness;
  // Every record handed over (message not 0), in order.
  std::vector<EventRecord> played;
  // Every wait the procedure asked for, in order.
  std::vector<int32_t> waits;
  int calls = 0;
};

// Runs until the hook is removed (or `maxCalls` calls were made); the
// record is cleared before every HC_GETNEXT, as the real driver does.
void RunFakeDriver(FakeDriverRun* run, int maxCalls = 1000000);
