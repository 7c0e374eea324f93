// Recording what the user does anywhere on the desktop through the
// journal-record protocol.
#pragma once

#include <cstdint>

#include "recording/recording.h"

void StartRecording();
void StopRecording();
int32_t RecordHookProc(int code, uint32_t wParam, EventRecord* event);
