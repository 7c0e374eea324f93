// The drop-down width of a combo box, fitted to its longest entry.
#pragma once

#include <cstdint>

// Sets the drop-down list of combo box `control` of `dialog` as wide as
// its longest entry plus three characters and a scroll bar, but no wider
// than `maxWidth` pixels.
void SetDropWidth(uint32_t dialog, int control, int maxWidth);
