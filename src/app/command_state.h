// Which commands are available: Empty (nothing loaded), Loaded (a
// recording is present and idle) or Busy (recording or playing). A state
// is named by the command that leads to it.
#pragma once

#include <cstdint>

enum CommandState : uint32_t { kStateEmpty = 1066, kStateLoaded = 1051, kStateBusy = 1054 };

void SetCommandState(CommandState state);
