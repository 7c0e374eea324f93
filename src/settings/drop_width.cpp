#include "settings/drop_width.h"

#include <cstring>

#include "platform/platform.h"

namespace {

// Capital X is the widest letter in common fonts: a run of them bounds the
// width of any entry of the same length. Longer runs than this are wider
// than any maximum a caller passes.
constexpr int kMeasureSize = 1024;
constexpr int kSpareCharacters = 3;
constexpr int kMarginPixels = 6;

}  // namespace

void SetDropWidth(uint32_t dialog, int control, int maxWidth) {
  int longest = 0;
  const int count = PlatformComboCount(dialog, control);
  for (int i = 0; i < count; i++) {
    int length = PlatformComboTextLength(dialog, control, i);
    if (length > longest) longest = length;
  }
  char run[kMeasureSize];
  int length = longest + kSpareCharacters;
  if (length > kMeasureSize - 1) length = kMeasureSize - 1;
  memset(run, 'X', static_cast<size_t>(length));
  run[length] = '\0';
  int width =
      PlatformComboTextWidth(dialog, control, run) + PlatformScrollBarWidth() + kMarginPixels;
  if (width > maxWidth) width = maxWidth;
  PlatformComboSetDropWidth(dialog, control, width);
}
