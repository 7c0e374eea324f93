// Replace Mappings: during playback a key bound to one of them is typed as
// the loop number, a random number, the time, the date and time, or a
// time stamp.
#include "platform/platform.h"
#include "playback/event_insertion.h"
#include "playback/playback_state.h"
#include "playback/script_commands.h"
#include "playback/time_text.h"
#include "settings/mapping_store.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/wsprintf_format.h"

namespace {

enum : uint8_t {
  kReplaceLoop = 8,
  kReplaceRandom = 9,
  kReplaceTime = 10,
  kReplaceDateTime = 11,
  kReplaceStamp = 12
};

void ReplacementText(uint8_t action, char* text, int size) {
  PlatformTime t;
  PlatformLocalTime(&t);
  switch (action) {
    case kReplaceLoop:
      Wsprintf(text, size, "%li", PlaybackLoopNumber());
      break;
    case kReplaceRandom:
      Wsprintf(text, size, "%li", RandomInRange(gSettings.randomMin, gSettings.randomMax));
      break;
    case kReplaceTime:
      TimeText(t, text, size);
      break;
    case kReplaceDateTime: {
      char date[24], time[24];
      DateText(t, date, sizeof date);
      TimeText(t, time, sizeof time);
      Wsprintf(text, size, "%s %s", date, time);
      break;
    }
    default:
      StampText(t, text, size);
  }
}

}  // namespace

bool IsReplaceKeyDown(const EventRecord& event) {
  if (event.message != kWmKeyDown) return false;
  uint8_t action = gMappings.action[static_cast<uint8_t>(event.paramL)];
  return action >= kReplaceLoop && action <= kReplaceStamp;
}

int32_t ReplaceMappingKey(uint32_t wParam, EventRecord* event) {
  PlaybackState* p = &gPlayback;
  uint8_t key = static_cast<uint8_t>(gRecording.events[p->currentEvent].paramL);
  char text[64];
  ReplacementText(gMappings.action[key], text, sizeof text);
  LogLine(kLogMedium, "PLAY EVENT #%d: REPLACE Mapping: '%s'", p->currentEvent + 1, text);
  int32_t position = p->currentEvent + 2;
  if (position > gRecording.eventCount) position = gRecording.eventCount;  // the key-up is missing
  int32_t n = InjectText(position, gRecording.eventCount, text, p->altDown);
  gRecording.eventCount += n;
  ShiftCommandPositions(position, n);
  LogLine(kLogMedium, "   %d additional events added for replacement", n);
  LogLine(kLogHigh, "   >>>Continuing after non-Windows Event #%d", p->currentEvent + 1);
  return PassOn(wParam, event);
}
