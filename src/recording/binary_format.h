// The .mvk binary form: the event records one after the other, 20 bytes
// each (five little-endian 32-bit fields), without header or count.
#pragma once

#include <cstdint>
#include <cstdio>

#include "recording/recording.h"

constexpr int kRecordBytes = 20;

void EncodeEvent(const EventRecord* event, unsigned char* bytes);
void DecodeEvent(const unsigned char* bytes, EventRecord* event);

// Appends the slots [0, count) of the event list to `file`; false when a
// write fails.
bool AppendEvents(FILE* file, int count);

enum BinaryWriteResult { kBinaryWritten, kBinaryRefused, kBinaryWriteFailed };

// Writes the recording to an open, empty file. A recording with an empty
// slot (a script command) cannot be stored in binary and is refused before
// anything is written. On refusal or failure the file is closed and the
// message shown; on success the caller closes it.
int WriteRecordingBinary(FILE* file);
