#include "platform/win32/journal_driver.h"

#include <atomic>

#include "platform/platform.h"
#include "platform/win32/input_thread.h"
#include "platform/win32/win_input.h"
#include "recording/recording.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {

constexpr int kEventsPerRun = 32;  // then the message queue gets its turn
constexpr unsigned kRingSize = 4096;
constexpr UINT kDrainRecords = WM_APP + 10;

struct EmulatedDriver {
  bool native;  // the system grants journal hooks
  DWORD mainThread;
  JournalProc playback;
  uint32_t playbackHook;  // the handle given out for the running hook
  uint32_t nextHandle;
  HANDLE timer;
  LARGE_INTEGER frequency;
  double dueMs;     // when the current wait ends, 0 when none runs
  double anchorMs;  // when the last wait should have ended: the next wait counts from there
  bool waited;      // a wait ran for the current event
  std::atomic<bool> cancelled;
  // Recording: records from the input thread wait in a ring, in input
  // order, until the main thread hands them to the procedure.
  JournalProc record;
  uint32_t recordHook;
  CRITICAL_SECTION ringLock;
  EventRecord ring[kRingSize];
  unsigned ringHead, ringTail;  // read and write positions
  HWND wakeWindow;              // message-only window that drains the ring
  // The native hook and its procedure (before Vista).
  HHOOK nativeHook;
  JournalProc nativeProc;
};

EmulatedDriver gDriver;

double NowMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 /
         static_cast<double>(gDriver.frequency.QuadPart);
}

void SetTimerIn(double ms) {
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(ms > 0 ? ms * 10000.0 : 1);
  SetWaitableTimer(gDriver.timer, &due, 0, nullptr, nullptr, FALSE);
}

// A recorded gap runs from the moment the previous wait should have ended,
// so the time spent handing events over and small lateness of the timer
// never add up over a recording. A second wait for the same event is the
// scheduler's own correction and runs from now.
void ScheduleWait(int32_t wait) {
  double now = NowMs();
  gDriver.dueMs = (gDriver.waited ? now : gDriver.anchorMs) + wait;
  gDriver.waited = true;
  SetTimerIn(gDriver.dueMs - now);
}

// The scheduler banks overshoots of 10 ms or more itself: those move the
// anchor to now, so they are not made up twice.
void AccountLateness() {
  if (gDriver.dueMs == 0) return;
  double now = NowMs();
  gDriver.anchorMs = now - gDriver.dueMs >= 10 ? now : gDriver.dueMs;
  gDriver.dueMs = 0;
}

// One event: ask for it, wait if asked to, inject it, report it taken.
// Returns false when the driver must stop for now.
bool PlayOne() {
  uint32_t hook = gDriver.playbackHook;
  EventRecord event = {};
  int32_t wait = gDriver.playback(kHcGetNext, 0, &event);
  if (gDriver.cancelled || gDriver.playbackHook != hook) return gDriver.playbackHook != 0;
  if (wait > 0) {
    ScheduleWait(wait);
    return false;
  }
  if (event.message != 0) SendEventRecord(event);
  gDriver.waited = false;
  gDriver.playback(kHcSkip, 0, &event);
  return gDriver.playbackHook != 0 && !gDriver.cancelled;
}

// Input thread: queue one record and wake the main thread. A full ring
// drops the record rather than block the input thread.
void QueueRecord(const EventRecord& event) {
  EnterCriticalSection(&gDriver.ringLock);
  unsigned next = (gDriver.ringTail + 1) % kRingSize;
  bool wake = gDriver.ringHead == gDriver.ringTail;
  if (next != gDriver.ringHead) {
    gDriver.ring[gDriver.ringTail] = event;
    gDriver.ringTail = next;
  }
  LeaveCriticalSection(&gDriver.ringLock);
  if (wake) PostMessageA(gDriver.wakeWindow, kDrainRecords, 0, 0);
}

bool TakeRecord(EventRecord* event) {
  EnterCriticalSection(&gDriver.ringLock);
  bool any = gDriver.ringHead != gDriver.ringTail;
  if (any) {
    *event = gDriver.ring[gDriver.ringHead];
    gDriver.ringHead = (gDriver.ringHead + 1) % kRingSize;
  }
  LeaveCriticalSection(&gDriver.ringLock);
  return any;
}

// Main thread: hand the queued records to the record procedure, which may
// end the recording (the stop key) at any one of them.
void DrainRecords() {
  EventRecord event;
  while (gDriver.recordHook != 0 && !gDriver.cancelled && TakeRecord(&event)) {
    gDriver.record(kHcAction, 0, &event);
  }
}

LRESULT CALLBACK WakeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kDrainRecords) {
    DrainRecords();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void CreateWakeWindow() {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WakeProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "MorvikJournalDriver";
  RegisterClassA(&wc);
  gDriver.wakeWindow = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                       nullptr, wc.hInstance, nullptr);
}

uint32_t InstallRecord(JournalProc procedure) {
  EnterCriticalSection(&gDriver.ringLock);
  gDriver.ringHead = gDriver.ringTail = 0;
  LeaveCriticalSection(&gDriver.ringLock);
  gDriver.record = procedure;
  gDriver.recordHook = ++gDriver.nextHandle;
  gDriver.cancelled = false;
  InputThreadWatchCancel(true);
  InputThreadRecord(QueueRecord);
  return gDriver.recordHook;
}

void StopPlaybackInput() {
  gDriver.playbackHook = 0;
  gDriver.playback = nullptr;
  gDriver.dueMs = 0;
  CancelWaitableTimer(gDriver.timer);
  InputThreadWatchCancel(false);
}

void StopRecordingInput() {
  gDriver.recordHook = 0;
  gDriver.record = nullptr;
  InputThreadRecord(nullptr);
  InputThreadWatchCancel(false);
}

LRESULT CALLBACK NativeThunk(int code, WPARAM wParam, LPARAM lParam) {
  EVENTMSG* system = reinterpret_cast<EVENTMSG*>(lParam);
  EventRecord event = {};
  if (system != nullptr) {
    event = EventRecord{system->message, system->paramL, system->paramH, system->time,
                        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(system->hwnd))};
  }
  int32_t result =
      gDriver.nativeProc(code, static_cast<uint32_t>(wParam), system ? &event : nullptr);
  if (system != nullptr) {
    *system = EVENTMSG{event.message, event.paramL, event.paramH, event.time,
                       reinterpret_cast<HWND>(static_cast<uintptr_t>(event.hwnd))};
  }
  return result;
}

uint32_t InstallNative(bool record, JournalProc procedure) {
  gDriver.nativeProc = procedure;
  gDriver.nativeHook = SetWindowsHookExA(record ? WH_JOURNALRECORD : WH_JOURNALPLAYBACK,
                                         NativeThunk, GetModuleHandleA(nullptr), 0);
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(gDriver.nativeHook));
}

}  // namespace

void JournalDriverInit() {
  QueryPerformanceFrequency(&gDriver.frequency);
  gDriver.mainThread = GetCurrentThreadId();
  int32_t id, major, minor, build;
  PlatformVersion(&id, &major, &minor, &build);
  gDriver.native = id == VER_PLATFORM_WIN32_NT && major < 6;
  gDriver.nextHandle = 0x4A000000;
  InitializeCriticalSection(&gDriver.ringLock);
  CreateWakeWindow();
  gDriver.timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                         TIMER_ALL_ACCESS);
  if (gDriver.timer == nullptr) gDriver.timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
}

HANDLE JournalDriverTimer() { return gDriver.playbackHook != 0 ? gDriver.timer : nullptr; }

void JournalDriverRun() {
  AccountLateness();
  for (int i = 0; i < kEventsPerRun; i++) {
    if (gDriver.playbackHook == 0 || gDriver.cancelled) return;
    if (!PlayOne()) return;
  }
  if (gDriver.playbackHook != 0) SetTimerIn(0);
}

void JournalDriverCancelled() {
  if (!gDriver.cancelled) return;
  if (gDriver.recordHook != 0) StopRecordingInput();
  StopPlaybackInput();
}

bool JournalDriverCancelFromInput() {
  if ((gDriver.playbackHook == 0 && gDriver.recordHook == 0) || gDriver.cancelled) return false;
  gDriver.cancelled = true;
  PostThreadMessageA(gDriver.mainThread, WM_CANCELJOURNAL, 0, 0);
  return true;
}

uint32_t PlatformInstallJournalHook(bool record, JournalProc procedure) {
  if (gDriver.native) return InstallNative(record, procedure);
  if (record) return InstallRecord(procedure);
  gDriver.playback = procedure;
  gDriver.playbackHook = ++gDriver.nextHandle;
  gDriver.cancelled = false;
  gDriver.dueMs = 0;
  gDriver.waited = false;
  gDriver.anchorMs = NowMs();
  InputThreadWatchCancel(true);
  SetTimerIn(0);
  return gDriver.playbackHook;
}

bool PlatformRemoveJournalHook(uint32_t hook) {
  if (gDriver.native) {
    bool removed = UnhookWindowsHookEx(gDriver.nativeHook) != 0;
    gDriver.nativeHook = nullptr;
    return removed;
  }
  if (hook == 0 || gDriver.cancelled ||
      (hook != gDriver.playbackHook && hook != gDriver.recordHook)) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return false;
  }
  if (hook == gDriver.recordHook) {
    StopRecordingInput();
    return true;
  }
  StopPlaybackInput();
  return true;
}

int32_t PlatformCallNextHook(uint32_t, int code, uint32_t wParam, EventRecord* event) {
  if (!gDriver.native) return 0;
  return static_cast<int32_t>(
      CallNextHookEx(gDriver.nativeHook, code, wParam, reinterpret_cast<LPARAM>(event)));
}
