// What playback does at a script command's slot and at a key bound to a
// Replace Mapping. Each returns the hook procedure's answer to the system.
#pragma once

#include <cstdint>

#include "recording/recording.h"

int32_t RunScriptCommand(uint32_t wParam, EventRecord* event);

// True for a key-down of a key that carries a Replace Mapping (actions 8
// to 12): playback types the Mapping's text instead of the key.
bool IsReplaceKeyDown(const EventRecord& event);
int32_t ReplaceMappingKey(uint32_t wParam, EventRecord* event);

// Passes the current call on to the next hook without filling the record.
int32_t PassOn(uint32_t wParam, EventRecord* event);
