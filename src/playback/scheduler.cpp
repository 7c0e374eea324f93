#include "playback/scheduler.h"

#include "app/command_line.h"
#include "app/command_state.h"
#include "app/window_title.h"
#include "platform/platform.h"
#include "playback/event_timing.h"
#include "playback/playback_state.h"
#include "playback/script_commands.h"
#include "recording/load_recording.h"
#include "resource_ids.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/press_key.h"
#include "shared/version.h"
#include "shared/wsprintf_format.h"

namespace {

void LogHeader() {
  int32_t id, major, minor, build;
  PlatformVersion(&id, &major, &minor, &build);
  LogLine(kLogLow,
          "\r\nStarting '%s' playback (%d Total Actions) with Morvik %s at log level %d on Windows "
          "Platform %li "
          "Version %li.%li Build #%li....",
          ShownFileName(), gRecording.eventCount, kMorvikVersion, gSettings.log, id, major, minor,
          build);
}

// Command 1733: the Keyboard Service named the file to play.
bool LoadServiceFile() {
  ReadMorvikText("ServiceFileLoad", gRecording.fileName);
  uint8_t state[256] = {};
  PlatformSetKeyboardState(state);
  return LoadRecording() >= 0;
}

void RestoreSavedSpeed() {
  PlaybackState* p = &gPlayback;
  if (p->savedSpeed == 0) return;
  gSettings.speed = p->savedSpeed;
  p->savedSpeed = 0;
}

void InstallHook() {
  PlaybackState* p = &gPlayback;
  p->journalHook = PlatformInstallJournalHook(false, PlaybackHookProc);
  if (p->journalHook != 0) {
    p->gbPlayingNow = true;
    return;
  }
  LogError(kLogLow);
  LogLine(kLogLow, "Unable to start playback!");
  // Nothing plays: the commands, the user's speed and a fresh pass count
  // come back, and a run without a window ends.
  SetCommandState(kStateLoaded);
  RestoreSavedSpeed();
  p->loopsCompleted = 0;
  PlatformMessageBox("Unable to start playback!", "Playback Failure",
                     kMbIconExclamation | MessageBoxStyle());
  PostExitIfDone();
}

int32_t OnGetNext(uint32_t wParam, EventRecord* event) {
  PlaybackState* p = &gPlayback;
  if (p->currentEvent >= gRecording.eventCount || p->currentEvent < 0) {
    LogLine(kLogLow, "ERROR: Event #%d: This recording appears to be corrupted!",
            p->currentEvent + 1);
    StopAndResetPlayback(false);
    PlatformMessageBox("This recording appears to be corrupted!\n\nPlease re-record your actions.",
                       "Playback Error", kMbIconStop | MessageBoxStyle());
    PostExitIfDone();
    return 0;
  }
  if (!p->newEvent) return CheckWait(wParam, event);
  p->newEvent = false;
  if (gSettings.playUpdate == 2) {
    char title[64];
    Wsprintf(title, sizeof title, "Action %d of %d...", p->currentEvent + 1, gRecording.eventCount);
    PlatformSetMainTitle(title);
  }
  const EventRecord& current = gRecording.events[p->currentEvent];
  if (current.message == 0) return RunScriptCommand(wParam, event);
  if (IsReplaceKeyDown(current)) return ReplaceMappingKey(wParam, event);
  return PrepareEvent(event);
}

void StartNextPass() {
  PlaybackState* p = &gPlayback;
  StopAndResetPlayback(true);
  char progress[320];
  if (gSettings.continuous) {
    Wsprintf(progress, sizeof progress, "%li done for %s", p->loopsCompleted, ShownFileName());
  } else {
    Wsprintf(progress, sizeof progress, "%li of %li done for %s", p->loopsCompleted,
             gSettings.repeats, ShownFileName());
  }
  if (gSettings.playUpdate == 1) PlatformSetMainTitle(progress);
  LogLine(kLogLow, "%s", progress);
  PlatformSendMainWindow(kWindowCommand, ID_PLAY, 0);
}

int32_t OnSkip(uint32_t wParam, EventRecord* event) {
  PlaybackState* p = &gPlayback;
  p->currentEvent++;
  p->newEvent = true;
  LogLine(kLogHigh, "   -->Windows accepted the previous message at %li, go on to #%d...",
          PlatformTickCount(), p->currentEvent + 1);
  if (p->currentEvent < gRecording.eventCount)
    return PlatformCallNextHook(p->journalHook, kHcSkip, wParam, event);
  p->loopsCompleted++;
  if (p->loopsCompleted >= gSettings.repeats && !gSettings.continuous) {
    StopAndResetPlayback(false);
    PostExitIfDone();
    return 0;
  }
  StartNextPass();
  return 0;
}

}  // namespace

void PostExitIfDone() {
  if (gSettings.quitWhenDone || gRunMode != kRunNormal)
    PlatformPostMainWindow(kWindowCommand, ID_EXIT, 0);
}

void StartPlayback(uint32_t command) {
  PlaybackState* p = &gPlayback;
  if (p->journalHook != 0) return;
  if (command == ID_PLAY_SERVICE_FILE && !LoadServiceFile()) return;
  if (gRecording.eventCount < 1) {
    PlatformMessageBox(kNoActionsMessage, "Play Error", kMbIconExclamation | MessageBoxStyle());
    // A run without a window would wait for nothing; a Normal run stays.
    if (gRunMode != kRunNormal) PlatformPostMainWindow(kWindowCommand, ID_EXIT, 0);
    return;
  }
  if (p->gbPlayingNow)
    LogLine(kLogLow,
            "Sanity Check Failure: 'ID_PLAY' with 'gbPlayingNow' (this should never happen)");
  LogHeader();
  SetCommandState(kStateBusy);
  SaveOriginal();
  p->newEvent = true;
  p->surplus = 0;
  p->altDown = false;
  p->currentEvent = 0;
  if (gSettings.minimize && PlatformIsMainWindowVisible()) PlatformShowMainWindow(kShowMinimize);
  if (command == ID_PLAY_MAPPING && ReadMorvikNumber("FastMapPlay", 0) != 0) {
    p->savedSpeed = gSettings.speed;
    gSettings.speed = kSpeedFastest;
  }
  InstallHook();
}

int32_t PlaybackHookProc(int code, uint32_t wParam, EventRecord* event) {
  switch (code) {
    case kHcGetNext:
      return OnGetNext(wParam, event);
    case kHcSkip:
      return OnSkip(wParam, event);
    case kHcSysModalOn:
      LogLine(kLogHigh, "* * * HC_SYSMODALON Flag * * *");
      break;
    case kHcSysModalOff:
      LogLine(kLogHigh, "* * * HC_SYSMODALOFF Flag * * *");
      break;
  }
  return PlatformCallNextHook(gPlayback.journalHook, code, wParam, event);
}

void StopAndResetPlayback(bool keepLoopCount) {
  PlaybackState* p = &gPlayback;
  LogLine(kLogLow, "Playback Complete!\r\n");
  if (p->journalHook != 0) {
    if (!PlatformRemoveJournalHook(p->journalHook)) {
      LogError(kLogLow);
      LogLine(kLogLow, "Unable to unhook windows hook during stop and reset playback!");
    }
    p->journalHook = 0;
    p->gbPlayingNow = false;
  }
  ReleaseHeldKeys();
  if (!keepLoopCount) p->loopsCompleted = 0;
  LogLine(kLogHigh, "Restoring entire original event array from %li back to %li",
          gRecording.eventCount, gRecording.originalCount);
  RestoreOriginal();
  p->surplus = 0;
  p->requestedDelay = 0;
  p->delayStart = 0;
  if (!keepLoopCount && gSettings.keyboardService)
    PlatformSendMainWindow(kWindowTimer, ID_MAIN_TIMER, 0);
  RestoreSavedSpeed();
  if (!keepLoopCount && gRunMode == kRunNormal) {
    if (gSettings.minimize && PlatformIsMainWindowVisible()) PlatformShowMainWindow(kShowRestore);
    SetCommandState(kStateLoaded);
    ShowFileTitle();
  }
  if (p->consoleMinimized != 0 && gRunMode == kRunNormal) {
    p->consoleMinimized = 0;
    PlatformShowMainWindow(kShowRestore);
  }
}

void ForgetCutOffPlayback() {
  PlaybackState* p = &gPlayback;
  p->loopsCompleted = 0;
  RestoreOriginal();
  p->surplus = 0;
  p->requestedDelay = 0;
  p->delayStart = 0;
  RestoreSavedSpeed();
}

void PlaybackWatchdogTick() {
  PlaybackState* p = &gPlayback;
  if (!p->gbPlayingNow || p->lastWaitDuration == 0) return;
  uint32_t since = PlatformTickCount() - p->delayStart;
  if (since <= static_cast<uint32_t>(p->lastWaitDuration) + 500u) return;
  PressKey(kVkControl, 0, false);
  LogLine(kLogLow, "      !!! WINDOWS FROZE DURING DELAY PLAYBACK, KICK IT !!!");
}
