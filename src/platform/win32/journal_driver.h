// The journal drivers. The system's own journal hooks work only before
// Vista; elsewhere Morvik plays the system's part itself: the emulated
// driver calls the procedures on the main thread and injects with
// SendInput, timing waits with a high-resolution waitable timer that the
// main loop waits on together with the message queue.
#pragma once

#include <windows.h>

// Chooses the driver once, from the system version, and remembers the
// main thread that receives WM_CANCELJOURNAL.
void JournalDriverInit();

// The timer the main loop waits on; signalled when the emulated playback
// driver has work. Null while no emulated playback runs.
HANDLE JournalDriverTimer();

// Runs the emulated playback driver: called by the main loop when the
// timer is signalled.
void JournalDriverRun();

// The main loop saw WM_CANCELJOURNAL: the emulated hook is gone.
void JournalDriverCancelled();

// Called on the input thread on Ctrl+Esc: stops the emulated driver at
// once and posts WM_CANCELJOURNAL to the main thread. Returns false when
// no emulated hook is installed.
bool JournalDriverCancelFromInput();
