// Presses and releases a key directly through the system, outside any
// journal: for toggle keys, the freeze watchdog and the service's typing.
#pragma once

#include <cstdint>

enum : uint8_t {
  kVkBack = 8,
  kVkTab = 9,
  kVkReturn = 13,
  kVkShift = 16,
  kVkControl = 17,
  kVkMenu = 18,
  kVkCapital = 20,
  kVkEscape = 27,
  kVkSpace = 32,
  kVkLWin = 91,
  kVkRWin = 92,
  kVkApps = 93,
  kVkNumLock = 144,
  kVkScroll = 145,
  kVkLMenu = 164,
  kVkRMenu = 165,
};

// True for the keys whose state the system toggles: Caps Lock, the Windows
// and Application keys, Num Lock and Scroll Lock.
bool IsToggleKey(uint8_t virtualKey);

// Sends the key (with Alt and an Alt key given: four Alt actions; with
// Shift: Shift around the key); returns the number of key actions sent.
int PressKey(uint8_t virtualKey, uint8_t altKey, bool withShift);
