// The scheduler's bookkeeping, one instance for the program. The recorder
// shares the journal-hook slot, so at most one of the two runs.
#pragma once

#include <cstdint>

struct PlaybackState {
  int32_t currentEvent;
  bool newEvent;
  int32_t requestedDelay;
  int32_t surplus;
  uint32_t delayStart;
  int32_t lastWaitDuration;
  int32_t loopsCompleted;
  uint8_t savedSpeed;
  bool altDown;
  uint8_t consoleMinimized;
  uint32_t gotoWindow;
  bool gbPlayingNow;
  uint32_t journalHook;
  // Keys playback pressed and has not released yet, by virtual-key code.
  bool heldKeys[256];
};

extern PlaybackState gPlayback;

void ResetPlaybackState();
