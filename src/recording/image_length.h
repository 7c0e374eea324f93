// The exact length of the main program file. The build writes it into the
// stamp after linking; a longer program file carries a recording behind it.
#pragma once

#include <cstdint>

// The stamp as it lies in the image: a marker the build step searches for,
// then the length, little-endian.
struct ImageLengthStamp {
  char marker[16];
  uint32_t length;
};

uint32_t ImageLength();
