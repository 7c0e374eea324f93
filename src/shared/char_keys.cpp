#include "shared/char_keys.h"

namespace {

// Punctuation keys of the US layout: the unshifted and the shifted
// character of each key.
struct PunctuationKey {
  char plain;
  char shifted;
  uint8_t key;
};

constexpr PunctuationKey kPunctuation[] = {
    {';', ':', 186},  {'=', '+', 187}, {',', '<', 188},  {'-', '_', 189},
    {'.', '>', 190},  {'/', '?', 191}, {'`', '~', 192},  {'[', '{', 219},
    {'\\', '|', 220}, {']', '}', 221}, {'\'', '"', 222},
};

// The shifted characters of the digit row, from 1 to 0.
constexpr char kShiftedDigits[] = "!@#$%^&*()";

}  // namespace

uint8_t CharToVirtualKey(char character, bool* needsShift) {
  const unsigned char c = static_cast<unsigned char>(character);
  *needsShift = false;
  if (c >= 'A' && c <= 'Z') {
    *needsShift = true;
    return c;
  }
  if (c >= 'a' && c <= 'z') return static_cast<uint8_t>(c - 'a' + 'A');
  if (c >= '0' && c <= '9') return c;
  if (c == '\n' || c == '\r') return 13;
  if (c == '\t' || c == ' ') return c;
  for (int i = 0; i < 10; i++) {
    if (kShiftedDigits[i] == character) {
      *needsShift = true;
      return static_cast<uint8_t>(i == 9 ? '0' : '1' + i);
    }
  }
  for (const PunctuationKey& p : kPunctuation) {
    if (p.plain == character) return p.key;
    if (p.shifted == character) {
      *needsShift = true;
      return p.key;
    }
  }
  return c;
}
