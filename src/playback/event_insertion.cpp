#include "playback/event_insertion.h"

#include <cstdlib>
#include <cstring>

#include "playback/playback_state.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/char_keys.h"
#include "shared/press_key.h"

bool HasRoomFor(int32_t more) {
  if (gRecording.eventCount + more <= kEventSlots) return true;
  LogLine(kLogLow, "   ERROR: The event list is full; %d more events do not fit after %d", more,
          gRecording.eventCount);
  return false;
}

bool InsertEvent(int32_t position, int32_t count, const EventRecord& record, const char* label) {
  if (count >= kEventSlots || position < 0 || position > count) {
    LogLine(kLogLow, "   ERROR: The event list is full; '%s' not inserted", label);
    return false;
  }
  EventRecord* events = gRecording.events;
  memmove(events + position + 1, events + position,
          sizeof(EventRecord) * static_cast<size_t>(count - position));
  events[position] = record;
  LogLine(
      kLogHigh,
      "      +---Injected new event message '%s' at (0-based) position [%d] for a new total of %d",
      label, position, count + 1);
  return true;
}

void ShiftCommandPositions(int32_t from, int32_t by) {
  if (by == 0) return;
  Recording* r = &gRecording;
  for (int i = 0; i < r->commandCount; i++) {
    if (r->eventIndex[i] < from) continue;
    LogLine(kLogHigh,
            "      ~~~Adjusting upcoming script command #%d \"%s %s\" from event (0-based) index "
            "[%d] to [%d]",
            i + 1, CommandWordOf(r->code[i]), r->text[i], r->eventIndex[i], r->eventIndex[i] + by);
    r->eventIndex[i] += by;
  }
}

namespace {

EventRecord Key(uint32_t message, uint8_t key) { return EventRecord{message, key, 0, 0, 0}; }

// The events of one character, in order; returns how many.
int CharacterEvents(char c, bool alt, EventRecord out[4]) {
  bool needsShift = false;
  uint8_t key = CharToVirtualKey(c, &needsShift);
  if (needsShift) {
    LogLine(kLogHigh,
            "   +++Injecting VK_SHIFT + WM_KEYDOWN + WM_KEYUP + VK_SHIFT for '%c' (%d) into event "
            "stream...",
            c, key);
  } else {
    LogLine(kLogHigh, "   +++Injecting WM_KEYDOWN + WM_KEYUP for '%c' (%d) into event stream...", c,
            key);
  }
  bool shift = needsShift && !alt;
  int n = 0;
  if (shift) out[n++] = Key(kWmKeyDown, kVkShift);
  out[n++] = Key(alt ? kWmSysKeyDown : kWmKeyDown, key);
  out[n++] = Key(alt ? kWmSysKeyUp : kWmKeyUp, key);
  if (shift) out[n++] = Key(kWmKeyUp, kVkShift);
  return n;
}

const char* Label(const EventRecord& e) {
  if (e.paramL == kVkShift) return e.message == kWmKeyDown ? "WM_SHIFTDOWN" : "WM_SHIFTUP";
  return (e.message == kWmKeyDown || e.message == kWmSysKeyDown) ? "WM_*DOWN" : "WM_*UP";
}

}  // namespace

int32_t InjectText(int32_t position, int32_t count, const char* text, bool alt) {
  int32_t inserted = 0;
  for (const char* p = text; *p != '\0'; p++) {
    EventRecord events[4];
    int n = CharacterEvents(*p, alt, events);
    // A character goes in whole or not at all, so no Shift is left down.
    if (count + inserted + n > kEventSlots) {
      LogLine(kLogLow, "   ERROR: The event list is full; typing stops before '%c'", *p);
      break;
    }
    for (int i = 0; i < n; i++, inserted++)
      InsertEvent(position + inserted, count + inserted, events[i], Label(events[i]));
  }
  LogLine(kLogHigh, "   Injected a total of %d additional events for a new total of %d", inserted,
          gRecording.eventCount + inserted);
  return inserted;
}

int32_t PlaybackLoopNumber() {
  uint32_t sum = static_cast<uint32_t>(gSettings.loopTypeBase) +
                 static_cast<uint32_t>(gPlayback.loopsCompleted) + 1u;
  return static_cast<int32_t>(sum);
}

int32_t RandomInRange(int32_t min, int32_t max) {
  float range = static_cast<float>(static_cast<int64_t>(max) - min + 1);
  // The factor fits a generator of 0 to 32767; libraries whose rand()
  // reaches further are cut to those 15 bits.
  float offset = static_cast<float>(rand() & 0x7FFF) * 3.0516646f * 0.00001f * range;
  return static_cast<int32_t>(min + static_cast<int64_t>(offset));
}
