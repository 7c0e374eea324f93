#include "shared/press_key.h"

#include "platform/platform.h"

namespace {

int DownUp(uint8_t key, uint8_t scan, uint32_t flags) {
  PlatformKeybdEvent(key, scan, flags);
  PlatformKeybdEvent(key, scan, flags | kKeyUp);
  return 2;
}

// On the old consumer systems the key's state byte has to be flipped by
// hand for the press to toggle it.
void FlipToggleState(uint8_t key) {
  int32_t id, major, minor, build;
  PlatformVersion(&id, &major, &minor, &build);
  uint8_t state[256];
  if (id != 1 || !PlatformGetKeyboardState(state)) return;
  state[key] = state[key] == 0 ? 1 : 0;
  PlatformSetKeyboardState(state);
}

}  // namespace

bool IsToggleKey(uint8_t virtualKey) {
  switch (virtualKey) {
    case kVkCapital:
    case kVkLWin:
    case kVkRWin:
    case kVkApps:
    case kVkNumLock:
    case kVkScroll:
      return true;
  }
  return false;
}

int PressKey(uint8_t virtualKey, uint8_t altKey, bool withShift) {
  if (altKey != 0) {
    PlatformKeybdEvent(kVkMenu, 0, 0);
    DownUp(altKey, 0, 0);
    PlatformKeybdEvent(kVkMenu, 0, kKeyUp);
    return 4;
  }
  if (virtualKey == kVkBack || virtualKey == kVkControl || virtualKey == kVkEscape) {
    return DownUp(virtualKey, 157, kKeyExtended);
  }
  if (IsToggleKey(virtualKey)) {
    FlipToggleState(virtualKey);
    return DownUp(virtualKey, 0x45, kKeyExtended);
  }
  if (withShift) {
    PlatformKeybdEvent(kVkShift, 129, kKeyExtended);
    DownUp(virtualKey, 0, 0);
    PlatformKeybdEvent(kVkShift, 129, kKeyExtended | kKeyUp);
    return 4;
  }
  bool plain = (virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9');
  return DownUp(virtualKey, 0, plain ? 0u : static_cast<uint32_t>(kKeyExtended));
}
