// Preparing events for the system and checking the waits it reports back.
#pragma once

#include <cstdint>

#include "recording/recording.h"

// First HC_GETNEXT for a real event: the gap to wait, or the event filled.
int32_t PrepareEvent(EventRecord* event);

// Repeated HC_GETNEXT for the same event.
int32_t CheckWait(uint32_t wParam, EventRecord* event);

// A duration in ms at the chosen speed: none at As Fast As Possible,
// divided by FactorFast at Fast, multiplied by FactorSlow at Slow.
int64_t ScaleForSpeed(int64_t ms);

// The recorded gap before the current event, scaled by the speed.
int32_t ScaledGap();

// Releases every key playback pressed and did not release.
void ReleaseHeldKeys();
