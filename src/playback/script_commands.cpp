#include "playback/script_commands.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/command_line.h"
#include "platform/platform.h"
#include "playback/click_command.h"
#include "playback/event_insertion.h"
#include "playback/event_timing.h"
#include "playback/playback_state.h"
#include "playback/scheduler.h"
#include "playback/type_expansion.h"
#include "playback/window_search.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/nocase.h"
#include "shared/start_program.h"
#include "shared/wsprintf_format.h"

namespace {

constexpr int32_t kGotoAnswer = 250;

bool HaltOnError() { return ReadMorvikNumber("HaltScriptOnError", 1) != 0; }

// A halting failure: playback ends first, so no event goes into the box.
void HaltWithMessage(const char* format, const char* text) {
  StopAndResetPlayback(false);
  char message[1400];
  snprintf(message, sizeof message, format, text);
  PlatformMessageBox(message, text, kMbSystemModal | kMbIconExclamation);
  PostExitIfDone();
}

void RunStart(const char* text) {
  if (!StartProgram(text)) {
    LogLine(kLogLow, "   ERROR: Unable to START the program '%s'!", text);
    if (HaltOnError()) {
      HaltWithMessage(
          "Unable to START the program '%s'!\n\n(NOTE: Try to copy the correct program path from "
          "the "
          "\"Properties\" of its icon)\n\nThe playback has stopped.",
          text);
    }
  }
  if (gRunMode == kRunNormal &&
      (FindNoCase(text, "CMD.EXE") >= 0 || FindNoCase(text, "COMMAND.COM") >= 0)) {
    gPlayback.consoleMinimized++;
    if (PlatformIsMainWindowMinimized()) PlatformShowMainWindow(kShowRestore);
    PlatformShowMainWindow(kShowMinimize);
  }
}

int32_t RunGoto(const char* text) {
  LogLine(kLogHigh, "   Searching for window '%s'...", text);
  gPlayback.gotoWindow = 0;
  int32_t waitMs = gSettings.gotoWait * 1000;
  for (int32_t spent = 0;;) {
    uint32_t window = FindWindowByTitle(text);
    if (window != 0) {
      gPlayback.gotoWindow = window;
      PlatformActivateWindow(window);
      LogLine(kLogHigh, "   Found window '%s'", text);
      return kGotoAnswer;
    }
    if (gSettings.gotoWait == 0) break;
    LogLine(kLogLow, "   Unable to find window '%s', trying again...", text);
    PlatformSleep(500);
    spent += 500;
    if (spent > waitMs) break;
  }
  LogLine(kLogLow, "   ERROR: Unable to find window '%s'!", text);
  if (HaltOnError()) {
    HaltWithMessage(
        "Unable to find and GOTO window with the title '%s'!\n\nThe playback has stopped.", text);
  }
  return kGotoAnswer;
}

void RunType(const char* text) {
  LogLine(kLogHigh, "   Typing '%s'...", text);
  int32_t position = gPlayback.currentEvent + 1;
  int32_t n = ExpandTypeCommand(position, text);
  gRecording.eventCount += n;
  ShiftCommandPositions(position, n);
}

// Whole seconds from the leading number of the text, scaled by the speed.
int32_t WaitDuration(const char* text) {
  int64_t seconds = strtol(text, nullptr, 10);
  // Beyond three weeks the 32-bit wait is full anyway; the bounds also keep
  // the product below from overflowing.
  if (seconds > 2000000) seconds = 2000000;
  if (seconds < -2000000) seconds = -2000000;
  int64_t duration = ScaleForSpeed(seconds * 1000);
  if (duration < 0) duration = 0;  // a negative wait is no wait
  return duration > 2147483647 ? 2147483647 : static_cast<int32_t>(duration);
}

int32_t RunWait(const char* text) {
  PlaybackState* p = &gPlayback;
  p->delayStart = PlatformTickCount();
  int32_t duration = WaitDuration(text);
  p->requestedDelay = duration;
  p->lastWaitDuration = duration;
  LogLine(kLogHigh, "   >>>Sending WAIT command duration %li at %li", duration,
          PlatformTickCount());
  return duration;
}

}  // namespace

int32_t PassOn(uint32_t wParam, EventRecord* event) {
  return PlatformCallNextHook(gPlayback.journalHook, kHcGetNext, wParam, event);
}

int32_t RunScriptCommand(uint32_t wParam, EventRecord* event) {
  Recording* r = &gRecording;
  int32_t current = gPlayback.currentEvent;
  int index = 0;
  while (index < r->commandCount && r->eventIndex[index] != current) index++;
  if (index == r->commandCount) return PassOn(wParam, event);
  int32_t code = r->code[index];
  const char* text = r->text[index];
  LogLine(kLogMedium, "PLAY EVENT #%d: Script Command #%d: %s '%s'", current + 1, index + 1,
          CommandWordOf(code), text);
  if (gSettings.playUpdate == 2) {
    char title[64];
    Wsprintf(title, sizeof title, "Script Line %d of %d...", index + 1, r->commandCount);
    PlatformSetMainTitle(title);
  }
  switch (code) {
    case kCommandStart:
      RunStart(text);
      break;
    case kCommandGoto:
      return RunGoto(text);
    case kCommandType:
      RunType(text);
      break;
    case kCommandWait:
      return RunWait(text);
    case kCommandClick:
      RunClick(text);
      break;
  }
  LogLine(kLogHigh, "   >>>Continuing after non-Windows Event #%d", current + 1);
  return PassOn(wParam, event);
}
