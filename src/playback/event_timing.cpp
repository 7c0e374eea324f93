#include "playback/event_timing.h"

#include <cstring>

#include "platform/platform.h"
#include "playback/playback_state.h"
#include "playback/scheduler.h"
#include "playback/script_commands.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/press_key.h"
#include "shared/wsprintf_format.h"

namespace {

constexpr uint32_t kWmLButtonDblClk = 515;
constexpr int32_t kInt32Max = 2147483647;

int32_t Clamp(int64_t value) {
  if (value > kInt32Max) return kInt32Max;
  if (value < -kInt32Max) return -kInt32Max;
  return static_cast<int32_t>(value);
}

int32_t RecordedGap() {
  int32_t current = gPlayback.currentEvent;
  if (current == 0) return 0;
  uint32_t previous = gRecording.events[current - 1].time;
  if (previous == 0 || previous == 1) return 0;
  // Injected events carry time 0; taken from a recorded tick count past
  // 2^31 the 32-bit difference would come out as a wait of days.
  uint32_t time = gRecording.events[current].time;
  if (time == 0 || time == 1) return 0;
  int32_t gap = static_cast<int32_t>(time - previous);
  return gap < 0 ? 0 : gap;
}

uint32_t MessageAt(int32_t index) {
  return index < kEventSlots ? gRecording.events[index].message : 0;
}

// At Slow speed a click keeps its recorded rhythm, or a double click would
// come apart.
bool KeepsSlowGap(int32_t current) {
  uint32_t message = MessageAt(current);
  return message == kWmLButtonDblClk || message == kWmLButtonUp ||
         MessageAt(current + 1) == kWmLButtonUp || MessageAt(current + 2) == kWmLButtonUp;
}

void DescribeEvent(const EventRecord& e, char* text, int size) {
  char name[32];
  if (e.message == kWmMouseMove)
    strcpy(name, "WM_MOUSEMOVE");
  else if (e.message == kWmKeyDown)
    strcpy(name, "WM_KEYDOWN");
  else if (e.message == kWmKeyUp)
    strcpy(name, "WM_KEYUP");
  else
    Wsprintf(name, sizeof name, "%li", e.message);
  if (e.paramL >= 65 && e.paramL <= 90)
    Wsprintf(text, size, "%s (%li, '%c')", name, e.paramH, e.paramL);
  else
    Wsprintf(text, size, "%s (%li, %li)", name, e.paramH, e.paramL);
}

void LogPlayEvent() {
  if (gSettings.log < kLogMedium) return;
  int32_t current = gPlayback.currentEvent;
  const EventRecord& e = gRecording.events[current];
  char text[96];
  DescribeEvent(e, text, sizeof text);
  if (gSettings.log == kLogMedium) {
    LogLine(kLogMedium, "PLAY EVENT #%d: Message=%s", current + 1, text);
    return;
  }
  uint32_t previous = current > 0 ? gRecording.events[current - 1].time : 0;
  LogLine(kLogHigh,
          "PLAY EVENT #%d at %li: Requested Delay=%li, Surplus Remaining=%li, Rec Time=%li, Rec "
          "Prev=%li, "
          "Message=%s",
          current + 1, PlatformTickCount(), gPlayback.requestedDelay, gPlayback.surplus, e.time,
          previous, text);
}

void TakeOffSurplus() {
  PlaybackState* p = &gPlayback;
  if (p->surplus <= 0 || p->requestedDelay == 0) return;
  if (p->surplus > p->requestedDelay) {
    p->surplus -= p->requestedDelay;
    p->requestedDelay = 0;
  } else {
    p->requestedDelay -= p->surplus;
    p->surplus = 0;
  }
  LogLine(kLogHigh,
          "   Adjusting for Surplus: Requesting Altered Delay of %li, Remaining Surplus=%li",
          p->requestedDelay, p->surplus);
}

// Toggle keys are also pressed directly: a journal event alone does not
// switch their state. Returns true when the key was pressed.
bool ToggleKeyStep(const EventRecord* event) {
  uint8_t key = static_cast<uint8_t>(event->paramL);
  if (event->message != kWmKeyDown || !IsToggleKey(key)) return false;
  PressKey(key, 0, false);
  return true;
}

// Hands the current event over; returns whether the toggle step pressed it.
bool HandOver(EventRecord* event) {
  FillEventForSystem(event);
  return ToggleKeyStep(event);
}

}  // namespace

int64_t ScaleForSpeed(int64_t ms) {
  switch (gSettings.speed) {
    case kSpeedFastest:
      return 0;
    case kSpeedFast:
      return ms / (gSettings.factorFast > 0 ? gSettings.factorFast : 1);
    case kSpeedSlow:
      return ms * (gSettings.factorSlow > 0 ? gSettings.factorSlow : 1);
    default:
      return ms;
  }
}

int32_t ScaledGap() {
  int32_t gap = RecordedGap();  // never negative
  if (gSettings.speed == kSpeedSlow && KeepsSlowGap(gPlayback.currentEvent)) return gap;
  return Clamp(ScaleForSpeed(gap));
}

void FillEventForSystem(EventRecord* event) {
  const EventRecord& e = gRecording.events[gPlayback.currentEvent];
  *event = EventRecord{e.message, e.paramL, e.paramH, PlatformTickCount(), e.hwnd};
  uint8_t key = static_cast<uint8_t>(e.paramL);
  if (e.message == kWmKeyDown || e.message == kWmSysKeyDown) gPlayback.heldKeys[key] = true;
  if (e.message == kWmKeyUp || e.message == kWmSysKeyUp) gPlayback.heldKeys[key] = false;
}

void ReleaseHeldKeys() {
  for (int key = 0; key < 256; key++) {
    if (!gPlayback.heldKeys[key]) continue;
    gPlayback.heldKeys[key] = false;
    PlatformKeybdEvent(static_cast<uint8_t>(key), 0, kKeyUp);
  }
}

int32_t PrepareEvent(EventRecord* event) {
  PlaybackState* p = &gPlayback;
  p->requestedDelay = ScaledGap();
  LogPlayEvent();
  TakeOffSurplus();
  if (p->requestedDelay != 0) {
    p->delayStart = PlatformTickCount();
    return p->requestedDelay;
  }
  bool pressed = HandOver(event);
  LogLine(kLogHigh,
          pressed ? "   >>>Sending Event #%d with Morvik secret sauce with NO DELAY"
                  : "   >>>Sending Event #%d with no delay",
          p->currentEvent + 1);
  p->delayStart = PlatformTickCount();
  return 0;
}

int32_t CheckWait(uint32_t wParam, EventRecord* event) {
  PlaybackState* p = &gPlayback;
  if (p->requestedDelay != 0) {
    uint32_t now = PlatformTickCount();
    int32_t elapsed = static_cast<int32_t>(now - p->delayStart);
    int32_t left = Clamp(static_cast<int64_t>(p->requestedDelay) - elapsed);
    LogLine(kLogHigh, "   Actual Delay Completed=%li, %s=%li", elapsed,
            left >= 0 ? "Deficit" : "Surplus", left);
    if (left >= 10) {
      LogLine(kLogHigh, "   ...Try waiting again, %li remaining...", left);
      p->delayStart = now;
      p->requestedDelay = left;
      return left;
    }
    p->requestedDelay = 0;
    p->delayStart = 0;
    if (left <= -10) {
      p->surplus = Clamp(static_cast<int64_t>(p->surplus) - left);
      LogLine(kLogHigh, "   Windows waited too long; Surplus updated to %li", p->surplus);
    }
    LogLine(kLogHigh, "   Delay was done!");
  }
  // A placeholder, and a key-down that a Replace Mapping typed as text,
  // are never handed over, however often the system asks for them.
  const EventRecord& current = gRecording.events[p->currentEvent];
  if (current.message == 0 || IsReplaceKeyDown(current)) {
    LogLine(kLogHigh, "   >>>Continuing after non-Windows Event #%d", p->currentEvent + 1);
    return PassOn(wParam, event);
  }
  bool pressed = HandOver(event);
  LogLine(kLogHigh,
          pressed ? "   >>>Sending Event #%d with Morvik secret sauce" : "   >>>Sending Event #%d",
          p->currentEvent + 1);
  return 0;
}
