#include "playback/type_expansion.h"

#include <cstring>

#include "platform/platform.h"
#include "playback/event_insertion.h"
#include "playback/key_names.h"
#include "playback/playback_state.h"
#include "playback/time_text.h"
#include "recording/recording.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/nocase.h"
#include "shared/press_key.h"
#include "shared/wsprintf_format.h"

namespace {

constexpr int kWorkSize = 1024;

bool Contains(const char* text, const char* part) { return FindNoCase(text, part) >= 0; }

bool ContainsAny(const char* text, const char* const* parts, int n) {
  for (int i = 0; i < n; i++) {
    if (Contains(text, parts[i])) return true;
  }
  return false;
}

// One key event at `position`, counted and with the later commands moved.
void InsertCounted(int32_t position, uint32_t message, uint8_t key, const char* label) {
  if (!HasRoomFor(1)) return;
  ShiftCommandPositions(position, 1);
  InsertEvent(position, gRecording.eventCount, EventRecord{message, key, 0, 0, 0}, label);
  gRecording.eventCount++;
}

uint8_t AltKey(const char* text, const char* right, const char* left) {
  if (Contains(text, right)) return kVkRMenu;
  if (Contains(text, left)) return kVkLMenu;
  return kVkMenu;
}

bool AltToken(int32_t position, const char* text) {
  PlaybackState* p = &gPlayback;
  const char* downs[] = {"{altdown}", "{r_altdown}", "{l_altdown}"};
  const char* ups[] = {"{altup}", "{r_altup}", "{l_altup}"};
  if (!p->altDown && ContainsAny(text, downs, 3)) {
    LogLine(kLogHigh, "   +++Injecting events for {altdown}");
    uint8_t key = AltKey(text, "{r_altdown}", "{l_altdown}");
    p->altDown = true;
    InsertCounted(position, kWmSysKeyDown, key, "WM_MENUDOWN");
    return true;
  }
  if (p->altDown && ContainsAny(text, ups, 3)) {
    LogLine(kLogHigh, "   +++Injecting 2 events for {altup}");
    uint8_t key = AltKey(text, "{r_altup}", "{l_altup}");
    p->altDown = false;
    InsertCounted(position, kWmSysKeyUp, key, "WM_MENUUP");
    return true;
  }
  return false;
}

bool ShiftCtrlToken(int32_t position, const char* text) {
  if (Contains(text, "{shiftdown}") || Contains(text, "{ctrldown}")) {
    LogLine(kLogHigh, "   +++Injecting events for {shift/ctrl down}");
    InsertCounted(position, kWmKeyDown, Contains(text, "{shiftdown}") ? kVkShift : kVkControl,
                  "WM_KEYDOWN");
    return true;
  }
  if (Contains(text, "{shiftup}") || Contains(text, "{ctrlup}")) {
    LogLine(kLogHigh, "   +++Injecting events for {shift/ctrl up}");
    InsertCounted(position, kWmKeyUp, Contains(text, "{shiftup}") ? kVkShift : kVkControl,
                  "WM_KEYUP");
    return true;
  }
  return false;
}

bool NamedKeyToken(int32_t position, char* text) {
  const char* names[] = {"{F",         "{up",         "{down",   "{right",     "{left",
                         "{pagedown}", "{pageup}",    "{home}",  "{end}",      "{insert}",
                         "{delete}",   "{backspace}", "{add}",   "{subtract}", "{decimal}",
                         "{divide}",   "{esc",        "{winkey", "{appkey"};
  if (!ContainsAny(text, names, sizeof names / sizeof names[0])) return false;
  LogLine(kLogHigh, "   +++Injecting events for {some non-printing key}");
  uint8_t key = static_cast<uint8_t>(KeyNameToVirtualKey(text));
  if (IsToggleKey(key)) {
    PressKey(key, 0, false);
    LogLine(kLogHigh, "   >>>Sending script key with Morvik secret sauce");
    return true;
  }
  if (!HasRoomFor(2)) return true;
  bool alt = gPlayback.altDown;
  ShiftCommandPositions(position, 2);
  InsertEvent(position, gRecording.eventCount,
              EventRecord{alt ? kWmSysKeyDown : kWmKeyDown, key, 0, 0, 0}, "WM_*DOWN");
  gRecording.eventCount++;
  InsertEvent(position + 1, gRecording.eventCount,
              EventRecord{alt ? kWmSysKeyUp : kWmKeyUp, key, 0, 0, 0}, "WM_*UP");
  gRecording.eventCount++;
  return true;
}

void ReplaceToken(char* text, int capacity, const char* token, const char* value) {
  ReplaceAllNoCase(text, static_cast<size_t>(capacity), token, value);
}

void ReplaceTimeTokens(char* text, int capacity) {
  char value[64];
  PlatformTime t;
  if (Contains(text, "{date}")) {
    PlatformLocalTime(&t);
    DateText(t, value, sizeof value);
    ReplaceToken(text, capacity, "{date}", value);
  }
  if (Contains(text, "{time}")) {
    PlatformLocalTime(&t);
    TimeText(t, value, sizeof value);
    ReplaceToken(text, capacity, "{time}", value);
  }
  if (Contains(text, "{dtnumber}")) {
    PlatformLocalTime(&t);
    StampText(t, value, sizeof value);
    ReplaceToken(text, capacity, "{dtnumber}", value);
  }
}

}  // namespace

void ReplaceTextTokens(char* text, int capacity) {
  const struct {
    const char* token;
    const char* value;
  } fixed[] = {{"{\\n}", "\n"},    {"{\\r}", "\r"},   {"{\\t}", "\t"},  {"{newline}", "\n"},
               {"{return}", "\n"}, {"{enter}", "\n"}, {"{space}", " "}, {"{tab}", "\t"}};
  for (const auto& f : fixed) ReplaceToken(text, capacity, f.token, f.value);
  char value[32];
  if (Contains(text, "{random}")) {
    Wsprintf(value, sizeof value, "%li", RandomInRange(gSettings.randomMin, gSettings.randomMax));
    ReplaceToken(text, capacity, "{random}", value);
  }
  ReplaceTimeTokens(text, capacity);
  if (Contains(text, "{playbackloop}")) {
    Wsprintf(value, sizeof value, "%li", PlaybackLoopNumber());
    ReplaceToken(text, capacity, "{playbackloop}", value);
  }
}

int32_t ExpandTypeCommand(int32_t position, const char* text) {
  char work[kWorkSize];
  strncpy(work, text, kWorkSize - 1);
  work[kWorkSize - 1] = '\0';
  if (AltToken(position, work) || ShiftCtrlToken(position, work) || NamedKeyToken(position, work))
    return 0;
  ReplaceTextTokens(work, kWorkSize);
  return InjectText(position, gRecording.eventCount, work, gPlayback.altDown);
}
