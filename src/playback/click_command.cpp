#include "playback/click_command.h"

#include "platform/platform.h"
#include "playback/event_insertion.h"
#include "playback/playback_state.h"
#include "settings/program_log.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int32_t ReadDigits(const char** p) {
  int32_t value = 0;
  for (int n = 0; n < 8 && IsDigit(**p); n++, (*p)++) value = value * 10 + (**p - '0');
  return value;
}

// The origin of the click: the GOTO window's top-left corner, else the
// foreground window's, else the screen's.
void ClickOrigin(int32_t* left, int32_t* top) {
  PlaybackState* p = &gPlayback;
  if (p->gotoWindow == 0) {
    LogLine(kLogLow, "   ERROR: The 'GOTO' command should be used before the 'CLICK' command");
    p->gotoWindow = PlatformForegroundWindow();
  }
  int32_t right, bottom;
  if (PlatformWindowRect(p->gotoWindow, left, top, &right, &bottom)) return;
  uint32_t foreground = PlatformForegroundWindow();
  if (foreground != p->gotoWindow && PlatformWindowRect(foreground, left, top, &right, &bottom)) {
    LogLine(kLogLow,
            "   ERROR: The window for 'CLICK' is gone; clicking relative to the foreground window");
    return;
  }
  LogLine(kLogLow, "   ERROR: The window for 'CLICK' is gone; clicking relative to the screen");
  *left = 0;
  *top = 0;
}

}  // namespace

void ParseClickText(const char* text, int32_t* x, int32_t* y) {
  const char* p = text;
  *x = ReadDigits(&p);
  while (*p != '\0' && !IsDigit(*p)) p++;
  *y = ReadDigits(&p);
}

void RunClick(const char* text) {
  PlaybackState* p = &gPlayback;
  int32_t position = p->currentEvent + 1;
  if (!HasRoomFor(2)) return;
  ShiftCommandPositions(position, 2);
  int32_t x, y, left, top;
  ParseClickText(text, &x, &y);
  ClickOrigin(&left, &top);
  x += left;
  y += top;
  LogLine(kLogHigh, "   Mouse clicking at screen coordinate (%d, %d)...", x, y);
  EventRecord click = {kWmLButtonDown, static_cast<uint32_t>(x), static_cast<uint32_t>(y), 0,
                       p->gotoWindow};
  InsertEvent(position, gRecording.eventCount, click, "WM_LBUTTONDOWN");
  gRecording.eventCount++;
  click.message = kWmLButtonUp;
  InsertEvent(position + 1, gRecording.eventCount, click, "WM_LBUTTONUP");
  gRecording.eventCount++;
}
