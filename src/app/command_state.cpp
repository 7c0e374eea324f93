#include "app/command_state.h"

#include "platform/platform.h"
#include "resource_ids.h"

namespace {

enum Availability : uint8_t { kOff, kOn, kKeep };

struct MenuRule {
  uint32_t command;
  Availability empty, loaded, busy;
};

const MenuRule kMenuRules[] = {
    {ID_START_RECORDING, kOn, kOn, kOff}, {ID_OPEN, kOn, kOn, kOff},
    {ID_STOP_RECORDING, kOff, kOff, kOn}, {ID_NEW, kOff, kOn, kOff},
    {ID_PLAY, kOff, kOn, kOff},           {ID_EDIT_SCRIPT, kOff, kKeep, kKeep},
    {ID_CLOSE, kOff, kOn, kOff},          {ID_SAVE_AS, kOff, kOn, kOff},
    {ID_CREATE_EXE, kOff, kOn, kOff},     {ID_RELOAD, kOff, kOn, kOff},
};

}  // namespace

void SetCommandState(CommandState state) {
  if (PlatformMainWindow() == 0) return;
  for (const MenuRule& rule : kMenuRules) {
    Availability a = state == kStateEmpty    ? rule.empty
                     : state == kStateLoaded ? rule.loaded
                                             : rule.busy;
    if (a != kKeep) PlatformEnableMenuCommand(rule.command, a == kOn);
  }
}
