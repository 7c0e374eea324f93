// The open file a load reads, shared by the loader's frame and its text and
// binary branches.
#pragma once

#include <cstdint>
#include <cstdio>

struct LoadSource {
  FILE* file;       // nullptr once closed
  uint32_t size;    // the file's size when the load began; reading stops there
  uint32_t offset;  // where the recording's data begins
};

// Closes the file if it is still open.
void CloseLoadSource(LoadSource* source);

// The failure of a file that cannot be read: at log level LOW and above
// logs the system's error text (withError) and "Unable to open file
// '<name>'! (<code>)", closes the file and shows that text with `advice`.
void ReportUnreadable(LoadSource* source, int code, bool withError, const char* advice);

// The branches read from source->offset to source->size. On success they
// set eventCount and commandCount and return commandCount; on failure they
// have closed the file and shown their message.
int ReadTextBranch(LoadSource* source);
int ReadBinaryBranch(LoadSource* source);
