#include "recorder/recorder.h"

#include "app/command_state.h"
#include "platform/platform.h"
#include "playback/playback_state.h"
#include "resource_ids.h"
#include "settings/mapping_store.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/version.h"
#include "shared/wsprintf_format.h"

namespace {

const char* MessageName(uint32_t message, char* number, int size) {
  switch (message) {
    case kWmMouseMove:
      return "WM_MOUSEMOVE";
    case kWmKeyDown:
      return "WM_KEYDOWN";
    case kWmKeyUp:
      return "WM_KEYUP";
    case kWmLButtonDown:
      return "WM_LBUTTONDOWN";
    case kWmLButtonUp:
      return "WM_LBUTTONUP";
    case kWmChar:
      return "WM_CHAR";
    case kWmCommand:
      return "WM_COMMAND";
  }
  Wsprintf(number, size, "%d", message);
  return number;
}

void LogStart() {
  if (gSettings.log < kLogLow) return;
  int32_t id, major, minor, build;
  PlatformVersion(&id, &major, &minor, &build);
  LogLine(kLogLow,
          "\r\nStarting recording with Morvik %s at log level %d on Windows Platform %li Version "
          "%li.%li Build #%li....",
          kMorvikVersion, gSettings.log, id, major, minor, build);
}

void Store(const EventRecord* event) {
  Recording* r = &gRecording;
  r->events[r->cursor] = *event;
  if (gSettings.log >= kLogMedium) {
    char number[16];
    LogLine(kLogMedium,
            "RECORDING #%d: hWnd=%li, Time=%li, Message=%s (paramL=0x%X, paramH=0x%X, wParam=0x%X, "
            "lParam=0x%X)",
            r->cursor + 1, event->hwnd, event->time,
            MessageName(event->message, number, sizeof number), event->paramL, event->paramH,
            event->paramL & 0xFF, (event->paramL >> 8) & 0xFF);
  }
  r->cursor++;
}

}  // namespace

void StartRecording() {
  if (gPlayback.journalHook != 0) return;
  LogStart();
  ClearEvents();
  SetCommandState(kStateBusy);
  gRecording.changed = true;
  if (gSettings.minimize && PlatformIsMainWindowVisible()) {
    PlatformSetMainTitle("CLICK TO STOP RECORDING");
    PlatformShowMainWindow(kShowMinimize);
  }
  LogLine(kLogLow, "Start recording time: %li ticks", PlatformTickCount());
  gRecording.cursor = 0;
  gPlayback.journalHook = PlatformInstallJournalHook(true, RecordHookProc);
  if (gPlayback.journalHook != 0) return;
  LogError(kLogLow);
  LogLine(kLogLow, "Start Windows Recorder Failed!");
  PlatformMessageBox("Start Windows Recorder Failed!", "Failure",
                     kMbIconExclamation | MessageBoxStyle());
}

int32_t RecordHookProc(int code, uint32_t wParam, EventRecord* event) {
  if (code < 0) return PlatformCallNextHook(gPlayback.journalHook, code, wParam, event);
  uint32_t stopKey = gMappings.stopKey;
  if (stopKey != 0 && event->message == kWmKeyDown && (event->paramL & 0xFF) == stopKey) {
    LogLine(kLogMedium, "\"Stop Recording\" key pressed: %d", stopKey);
    PlatformSendMainWindow(kWindowCommand, ID_STOP_RECORDING, 0);
    return 0;
  }
  if (code != kHcAction) return 0;
  if (gSettings.excludeMorvikAction && PlatformIsOwnWindow(event->hwnd)) return 0;
  if (gRecording.cursor < kMaxStoredEvents) Store(event);
  return 0;
}

void StopRecording() {
  PlaybackState* p = &gPlayback;
  Recording* r = &gRecording;
  if (p->journalHook != 0) {
    if (!PlatformRemoveJournalHook(p->journalHook)) {
      LogError(kLogLow);
      LogLine(kLogLow, "Unable to unhook windows hook after STOP command!");
    }
    uint32_t now = PlatformTickCount();
    r->events[r->cursor] = EventRecord{kMsgEndMarker, 0, 0, now, 0};
    p->journalHook = 0;
    LogLine(kLogLow,
            "End recording time: %li ticks (%d total actions: final action not logged)\r\n", now,
            r->cursor + 1);
    r->cursor++;
    r->eventCount = r->cursor;
  }
  SetCommandState(kStateLoaded);
}
