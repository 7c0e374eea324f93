// The per-event cost of playback: preparing one event for the system, and
// expanding a TYPE command's text into key events.
#include <benchmark/benchmark.h>

#include "fake_platform.h"
#include "playback/event_timing.h"
#include "playback/playback_state.h"
#include "playback/type_expansion.h"
#include "recording/recording.h"
#include "settings/settings.h"

namespace {

void Setup(int events) {
  ResetFakePlatform();
  AllocateRecording();
  gSettings = Settings{};
  gSettings.speed = kSpeedNormal;
  gSettings.factorFast = 15;
  gSettings.factorSlow = 4;
  for (int i = 0; i < events; i++) {
    uint32_t message = i % 3 == 2 ? kWmMouseMove : (i % 3 == 0 ? kWmKeyDown : kWmKeyUp);
    gRecording.events[i] = EventRecord{message, 65u + i % 26, 0, 1000u + 10u * i, 0};
  }
  gRecording.eventCount = events;
}

// The first HC_GETNEXT for an event: gap, speed, surplus, and at As Fast
// As Possible the record handed over.
void BM_PrepareEvent(benchmark::State& state) {
  Setup(1000);
  gSettings.speed = static_cast<uint8_t>(state.range(0));
  EventRecord system;
  int32_t current = 1;
  for (auto _ : state) {
    gPlayback.currentEvent = current;
    benchmark::DoNotOptimize(PrepareEvent(&system));
    current = current == 999 ? 1 : current + 1;
  }
  ReleaseRecording();
}
BENCHMARK(BM_PrepareEvent)->Arg(kSpeedNormal)->Arg(kSpeedFastest);

// A TYPE text with tokens, inserted into the middle of a 1000-event list.
void BM_ExpandTypeCommand(benchmark::State& state) {
  Setup(1000);
  for (auto _ : state) {
    gRecording.eventCount = 1000;
    benchmark::DoNotOptimize(ExpandTypeCommand(500, "Dear Sir, order {random} of {date}.{enter}"));
  }
  ReleaseRecording();
}
BENCHMARK(BM_ExpandTypeCommand);

}  // namespace

BENCHMARK_MAIN();
