// The image length of the fake program: tests set it to build program
// images of their own.
#include "fake_platform.h"
#include "recording/image_length.h"

uint32_t ImageLength() { return gFake.imageLength; }
