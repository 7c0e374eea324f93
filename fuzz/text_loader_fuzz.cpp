// Fuzzes the loader with arbitrary .mvx files. A successful load is saved
// as text and loaded again: the slots and commands must come back.
#include <cstdint>
#include <cstring>
#include <vector>

#include "fuzz_loader.h"
#include "recording/text_writer.h"

namespace {

struct Snapshot {
  std::vector<EventRecord> events;
  std::vector<int32_t> codes, slots;
  std::vector<std::string> texts;
};

Snapshot Take() {
  const Recording* r = &gRecording;
  Snapshot s;
  s.events.assign(r->events, r->events + r->eventCount);
  for (int i = 0; i < r->commandCount; i++) {
    s.codes.push_back(r->code[i]);
    s.slots.push_back(r->eventIndex[i]);
    s.texts.push_back(r->text[i]);
  }
  return s;
}

bool SameSlots(const Snapshot& a, const Snapshot& b) {
  if (a.events.size() != b.events.size() || a.codes != b.codes || a.slots != b.slots) return false;
  for (size_t i = 0; i < a.events.size(); i++) {
    const EventRecord &x = a.events[i], &y = b.events[i];
    // Text has no window field.
    if (x.message != y.message || x.paramL != y.paramL || x.paramH != y.paramH ||
        x.time != y.time) {
      return false;
    }
  }
  for (size_t i = 0; i < a.texts.size(); i++) {
    // Removing "second" from a WAIT text can join a new one, which the next
    // load removes too.
    if (a.codes[i] != kCommandWait && a.texts[i] != b.texts[i]) return false;
  }
  return true;
}

void CheckTextRoundTrip() {
  Snapshot loaded = Take();
  std::string path = FuzzFile(".saved.mvx");
  FILE* f = fopen(path.c_str(), "w+b");
  if (f == nullptr) return;
  Check(WriteRecordingText(f));
  fclose(f);
  snprintf(gRecording.fileName, sizeof gRecording.fileName, "%s", path.c_str());
  gFake.messageBoxes.clear();
  int again = LoadRecording();
  Check(again == static_cast<int>(loaded.codes.size()));
  Check(SameSlots(loaded, Take()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int result = LoadFuzzInput(data, size, ".mvx");
  // A load cut short by the 2048th command showed its message; the saved
  // file holds 2047 and loads without one.
  if (result >= 0) CheckTextRoundTrip();
  return 0;
}
