#include "app/journal_cancel.h"

#include "app/command_line.h"
#include "app/icon_message.h"
#include "app/window_title.h"
#include "platform/platform.h"
#include "playback/event_timing.h"
#include "playback/playback_state.h"
#include "playback/scheduler.h"
#include "recording/recording.h"
#include "resource_ids.h"
#include "settings/program_log.h"
#include "settings/settings.h"
#include "shared/wsprintf_format.h"

namespace {

constexpr char kInterruptWarning[] =
    "Windows is forcing Morvik to stop recording and playing.\n\nThe CTRL+ESC and CTRL+ALT+DEL key "
    "combinations "
    "terminate Morvik functions.\n(You can use these key combinations as a safe way to cancel a "
    "playback or "
    "recording)\n\n--> If you intended to go to the Windows START button, use the \"Windows Key\" "
    "instead.";

}  // namespace

void OnCancelJournal() {
  PlaybackState* p = &gPlayback;
  if (p->journalHook == 0) return;
  char caption[64];
  if (p->gbPlayingNow) {
    Wsprintf(caption, sizeof caption, "%li Playbacks Completed", p->loopsCompleted);
  } else {
    Wsprintf(caption, sizeof caption, "Recording Stopped");
  }
  StopAndResetPlayback(false);
  LogLine(kLogLow, "CANCELLED RECORDING: Forced by Windows Operating System\r\n");
  if (gSettings.interruptWarning)
    ShowIconMessage(kInterruptWarning, caption, kMbTaskModal | kMbTopmost);
  ShowFileTitle();
  PostExitIfDone();
}

void CutOffJournal(const char* logLine) {
  PlaybackState* p = &gPlayback;
  if (p->journalHook == 0) return;
  if (logLine != nullptr) LogLine(kLogLow, "%s", logLine);
  bool playing = p->gbPlayingNow;
  if (!PlatformRemoveJournalHook(p->journalHook)) LogError(kLogLow);
  p->journalHook = 0;
  p->gbPlayingNow = false;
  ReleaseHeldKeys();
  // Otherwise the typed texts and clicks inserted so far would stay in the
  // recording (and be saved and played again), and a Mapping's fast speed
  // would be kept as the user's.
  if (playing) ForgetCutOffPlayback();
}
