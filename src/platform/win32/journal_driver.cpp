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

constexpr UINT kWmCancelJournal = 0x004B;
constexpr int kEventsPerRun = 32;  // then the message queue gets its turn

struct EmulatedDriver {
  bool native;  // the system grants journal hooks
  DWORD mainThread;
  JournalProc playback;
  uint32_t playbackHook;  // the handle given out for the running hook
  uint32_t nextHandle;
  HANDLE timer;
  LARGE_INTEGER frequency;
  double dueMs;   // when the current wait ends, 0 when none runs
  double debtMs;  // lateness too small for the scheduler to bank
  std::atomic<bool> cancelled;
  // The native hook and its procedure (before Vista).
  HHOOK nativeHook;
  JournalProc nativeProc;
};

EmulatedDriver gDriver;

double NowMs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(gDriver.frequency.QuadPart);
}

void SetTimerIn(double ms) {
  LARGE_INTEGER due;
  due.QuadPart = -static_cast<LONGLONG>(ms > 0 ? ms * 10000.0 : 1);
  SetWaitableTimer(gDriver.timer, &due, 0, nullptr, nullptr, FALSE);
}

// The scheduler banks overshoots of 10 ms or more itself; smaller lateness
// is kept here and taken off the next wait so it never adds up.
void ScheduleWait(int32_t wait) {
  double now = NowMs();
  double shorten = gDriver.debtMs < wait ? gDriver.debtMs : wait;
  gDriver.debtMs -= shorten;
  gDriver.dueMs = now + wait - shorten;
  SetTimerIn(gDriver.dueMs - now);
}

void AccountLateness() {
  if (gDriver.dueMs == 0) return;
  double late = NowMs() - gDriver.dueMs;
  gDriver.dueMs = 0;
  if (late > 0 && late < 10) gDriver.debtMs += late;
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
  gDriver.playback(kHcSkip, 0, &event);
  return gDriver.playbackHook != 0 && !gDriver.cancelled;
}

LRESULT CALLBACK NativeThunk(int code, WPARAM wParam, LPARAM lParam) {
  EVENTMSG* system = reinterpret_cast<EVENTMSG*>(lParam);
  EventRecord event = {};
  if (system != nullptr) {
    event = EventRecord{system->message, system->paramL, system->paramH, system->time,
                        static_cast<uint32_t>(reinterpret_cast<uintptr_t>(system->hwnd))};
  }
  int32_t result = gDriver.nativeProc(code, static_cast<uint32_t>(wParam), system ? &event : nullptr);
  if (system != nullptr) {
    *system = EVENTMSG{event.message, event.paramL, event.paramH, event.time,
                       reinterpret_cast<HWND>(static_cast<uintptr_t>(event.hwnd))};
  }
  return result;
}

uint32_t InstallNative(bool record, JournalProc procedure) {
  gDriver.nativeProc = procedure;
  gDriver.nativeHook = SetWindowsHookExA(record ? WH_JOURNALRECORD : WH_JOURNALPLAYBACK, NativeThunk,
                                         GetModuleHandleA(nullptr), 0);
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
  gDriver.timer = CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
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
  gDriver.playbackHook = 0;
  gDriver.playback = nullptr;
  gDriver.dueMs = 0;
  gDriver.debtMs = 0;
  CancelWaitableTimer(gDriver.timer);
  InputThreadWatchCancel(false);
}

bool JournalDriverCancelFromInput() {
  if (gDriver.playbackHook == 0 || gDriver.cancelled) return false;
  gDriver.cancelled = true;
  PostThreadMessageA(gDriver.mainThread, kWmCancelJournal, 0, 0);
  return true;
}

uint32_t PlatformInstallJournalHook(bool record, JournalProc procedure) {
  if (gDriver.native) return InstallNative(record, procedure);
  if (record) return 0;  // the emulated record driver comes with the recorder
  gDriver.playback = procedure;
  gDriver.playbackHook = ++gDriver.nextHandle;
  gDriver.cancelled = false;
  gDriver.debtMs = 0;
  gDriver.dueMs = 0;
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
  if (hook == 0 || hook != gDriver.playbackHook || gDriver.cancelled) {
    SetLastError(ERROR_INVALID_HOOK_HANDLE);
    return false;
  }
  gDriver.playbackHook = 0;
  gDriver.playback = nullptr;
  gDriver.dueMs = 0;
  CancelWaitableTimer(gDriver.timer);
  InputThreadWatchCancel(false);
  return true;
}

int32_t PlatformCallNextHook(uint32_t, int code, uint32_t wParam, EventRecord* event) {
  if (!gDriver.native) return 0;
  return static_cast<int32_t>(CallNextHookEx(gDriver.nativeHook, code, wParam, reinterpret_cast<LPARAM>(event)));
}
