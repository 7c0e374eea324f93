#include "recording/image_length.h"

// volatile: the value is read from the image at run time, never folded from
// the 0 it holds before the build step stamps it.
extern "C" __attribute__((used)) const volatile ImageLengthStamp gImageLengthStamp = {
    {'M', 'o', 'r', 'v', 'i', 'k', 'I', 'm', 'a', 'g', 'e', 'L', 'e', 'n', '#', '1'}, 0};

uint32_t ImageLength() { return gImageLengthStamp.length; }
