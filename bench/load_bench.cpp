// Loading a full recording: 32766 event lines of .mvx text, and the same
// recording as .mvk records. Reports the time per load and per line.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fake_platform.h"
#include "recording/binary_format.h"
#include "recording/load_recording.h"
#include "recording/recording.h"
#include "recording/text_writer.h"
#include "settings/settings.h"

namespace {

std::string BenchFile(const char* extension) {
  return "/tmp/morvik-bench-" + std::to_string(getpid()) + extension;
}

// A recording as the recorder makes it: mouse moves with key presses in
// between, and the end marker.
void FillRecording() {
  Recording* r = &gRecording;
  ClearEvents();
  uint32_t time = 13024638;
  for (int i = 0; i < kMaxStoredEvents; i++) {
    EventRecord* e = &r->events[i];
    time += 7 + i % 23;
    if (i % 10 < 8) {
      *e = EventRecord{kWmMouseMove, static_cast<uint32_t>(100 + i % 1500),
                       static_cast<uint32_t>(50 + i % 900), time, 0x10086};
    } else {
      *e = EventRecord{i % 10 == 8 ? kWmKeyDown : kWmKeyUp, 0x1E41, i % 10 == 8 ? 1u : 0xC0000001u,
                       time, 0x10086};
    }
  }
  r->events[kMaxStoredEvents - 1] = EventRecord{kMsgEndMarker, 0, 0, time + 5, 0};
  r->eventCount = kMaxStoredEvents;
  r->commandCount = 0;
}

bool WriteFile(const std::string& path, bool text) {
  FILE* f = fopen(path.c_str(), "w+b");
  if (f == nullptr) return false;
  bool written = text ? WriteRecordingText(f) : WriteRecordingBinary(f) == kBinaryWritten;
  if (written) fclose(f);
  return written;
}

void LoadFull(benchmark::State& state, const char* extension, bool text) {
  std::string path = BenchFile(extension);
  FillRecording();
  if (!WriteFile(path, text)) {
    state.SkipWithError("cannot write the recording");
    return;
  }
  snprintf(gRecording.fileName, sizeof gRecording.fileName, "%s", path.c_str());
  for (auto _ : state) {
    int result = LoadRecording();
    if (result != 0 || gRecording.eventCount != kMaxStoredEvents) {
      state.SkipWithError("the load failed");
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kMaxStoredEvents);
  state.counters["per_line"] =
      benchmark::Counter(kMaxStoredEvents, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
  remove(path.c_str());
}

void BM_LoadText32766Lines(benchmark::State& state) { LoadFull(state, ".mvx", true); }
void BM_LoadBinary32766Records(benchmark::State& state) { LoadFull(state, ".mvk", false); }

BENCHMARK(BM_LoadText32766Lines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBinary32766Records)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  ResetFakePlatform();
  if (!AllocateRecording()) return 1;
  gSettings = Settings{};
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ReleaseRecording();
  return 0;
}
