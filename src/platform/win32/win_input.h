// Input injection shared by the journal drivers and the key functions.
#pragma once

#include <windows.h>

#include <cstdint>

#include "recording/recording.h"

// The extra-info value every event Morvik injects carries.
constexpr ULONG_PTR kMorvikInputMarker = 0x4D564B21;  // "MVK!"

// Sends one key: the scan code is looked up when 0, and keys that sit on
// the extended part of the keyboard get the extended flag.
void SendKey(uint8_t virtualKey, uint8_t scanCode, bool up, bool extended);

// Hands one journal record to the system: keys by virtual key, scan code,
// up and extended flags; mouse events at their absolute screen position.
// Records of other kinds are not input and are dropped.
void SendEventRecord(const EventRecord& event);
