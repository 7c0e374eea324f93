#include <cstring>

#include "fake_platform.h"

uint32_t PlatformInstallJournalHook(bool record, JournalProc procedure) {
  if (gFake.refuseJournalHook) {
    gFake.refuseJournalHook = false;
    return 0;
  }
  gFake.journalHook = ++gFake.nextJournalHook;
  gFake.journalRecord = record;
  gFake.journalProc = procedure;
  return gFake.journalHook;
}

bool PlatformRemoveJournalHook(uint32_t hook) {
  if (hook == 0 || hook != gFake.journalHook) return false;
  gFake.journalRemovals++;
  gFake.journalHook = 0;
  gFake.journalProc = nullptr;
  return true;
}

int32_t PlatformCallNextHook(uint32_t, int, uint32_t, EventRecord*) {
  gFake.callNextHook++;
  return 0;
}

void PlatformKeybdEvent(uint8_t virtualKey, uint8_t scanCode, uint32_t flags) {
  gFake.keyEvents.push_back({virtualKey, scanCode, flags});
}

bool PlatformGetKeyboardState(uint8_t state[256]) {
  memcpy(state, gFake.keyboardState, 256);
  return true;
}

void PlatformSetKeyboardState(const uint8_t state[256]) {
  memcpy(gFake.keyboardState, state, 256);
  gFake.keyboardStateSet = true;
}

void PlatformVersion(int32_t* platformId, int32_t* major, int32_t* minor, int32_t* build) {
  *platformId = gFake.platformId;
  *major = gFake.majorVersion;
  *minor = gFake.minorVersion;
  *build = gFake.build;
}
