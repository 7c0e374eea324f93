// The playback scheduler: hands the recording to the system one event at a
// time through the journal-playback protocol, with the recorded gaps
// scaled by the speed.
#pragma once

#include <cstdint>

#include "recording/recording.h"

// The Playback commands: ID_PLAY, ID_PLAY_MAPPING and ID_PLAY_SERVICE_FILE.
void StartPlayback(uint32_t command);

int32_t PlaybackHookProc(int code, uint32_t wParam, EventRecord* event);

// Ends playback (keepLoopCount false) or one pass before the next.
void StopAndResetPlayback(bool keepLoopCount);

// After the hook of a playback was removed without its ending steps (Exit,
// Close, shutdown): puts back the recording as it was before the playback,
// the speed a Mapping's playback replaced, and the pass count.
void ForgetCutOffPlayback();

// Copies the current event into the system's record, with the time now.
void FillEventForSystem(EventRecord* event);

// The freeze watchdog, run on every tick of the main timer while a journal
// hook is installed.
void PlaybackWatchdogTick();

// Posts Exit when the run mode or QuitWhenDone asks to end after playback.
void PostExitIfDone();
