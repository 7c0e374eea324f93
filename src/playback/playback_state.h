// The scheduler's bookkeeping that the rest of the program reads: the one
// journal-hook slot shared by recording and playback, whether a playback is
// running and how many passes it completed.
#pragma once

#include <cstdint>

struct PlaybackState {
  uint32_t journalHook;  // 0 while neither recording nor playback runs
  bool gbPlayingNow;
  int32_t loopsCompleted;
};

extern PlaybackState gPlayback;

void ResetPlaybackState();
