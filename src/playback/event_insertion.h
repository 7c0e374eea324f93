// Putting typed keys into the event list during playback, keeping the
// script commands' slots right.
#pragma once

#include <cstdint>

#include "recording/recording.h"

// Inserts `record` at `position` of a list of `count` events; the caller
// raises eventCount. Refused (false, logged) when the list is full.
bool InsertEvent(int32_t position, int32_t count, const EventRecord& record, const char* label);

// True when `more` events still fit behind the current eventCount; logs
// at LOW when they do not.
bool HasRoomFor(int32_t more);

// Adds `by` to the slot of every script command at `from` or later.
void ShiftCommandPositions(int32_t from, int32_t by);

// Inserts the key events that type `text` from `position` on, into a list
// of `count` events (WM_SYSKEY* and no Shift with `alt`). Returns the
// number inserted; eventCount is the caller's.
int32_t InjectText(int32_t position, int32_t count, const char* text, bool alt);

// The number a pass types for its loop: LoopTypeBase + passes completed
// + 1, wrapping like the 32-bit value it is shown as.
int32_t PlaybackLoopNumber();

// A number from min to max from the seeded generator.
int32_t RandomInRange(int32_t min, int32_t max);
