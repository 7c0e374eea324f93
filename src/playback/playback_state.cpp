#include "playback/playback_state.h"

PlaybackState gPlayback;

void ResetPlaybackState() { gPlayback = PlaybackState{}; }
