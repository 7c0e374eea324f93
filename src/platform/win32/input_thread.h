// A small thread of its own for low-level input hooks: Windows removes a
// low-level hook that does not answer within its timeout, and the main
// thread can be busy (a message box, a GOTO retry). The thread only
// converts and forwards; it never touches the recording.
#pragma once

#include "recording/recording.h"

// Starts or stops watching for Ctrl+Esc, which cancels a running journal
// driver.
void InputThreadWatchCancel(bool on);

// Starts or stops forwarding the user's input as journal records, in input
// order, to `deliver` (called on the input thread; it must only queue).
typedef void (*RecordSink)(const EventRecord& event);
void InputThreadRecord(RecordSink deliver);
