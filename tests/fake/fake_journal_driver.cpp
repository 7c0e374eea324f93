#include "fake_journal_driver.h"

#include "fake_platform.h"

void RunFakeDriver(FakeDriverRun* run, int maxCalls) {
  while (gFake.journalProc != nullptr && run->calls < maxCalls) {
    uint32_t hook = gFake.journalHook;
    EventRecord event = {};
    run->calls++;
    int32_t wait = gFake.journalProc(kHcGetNext, 0, &event);
    if (gFake.journalHook != hook || gFake.journalProc == nullptr) continue;
    if (wait > 0) {
      run->waits.push_back(wait);
      int32_t late = 0;
      if (!run->lateness.empty()) {
        late = run->lateness.front();
        run->lateness.pop_front();
      }
      gFake.tickCount += static_cast<uint32_t>(wait + late);
      continue;
    }
    if (event.message != 0) run->played.push_back(event);
    gFake.journalProc(kHcSkip, 0, &event);
  }
}
