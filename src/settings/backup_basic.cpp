// The basic section of a backup, in the order the registry editor shows it.
#include <cstdio>

#include "settings/backup.h"
#include "settings/recent_files.h"
#include "settings/reg_file.h"
#include "settings/registry.h"
#include "settings/settings.h"

namespace {

template <size_t N>
bool WriteNumbers(const char* file, const NamedNumber (&numbers)[N]) {
  bool ok = true;
  for (const NamedNumber& n : numbers)
    ok = WriteRegDword(file, n.name, static_cast<uint32_t>(n.value)) && ok;
  return ok;
}

}  // namespace

bool WriteBasicSection(const char* file, int32_t left, int32_t top, int32_t lastTab) {
  const Settings& s = gSettings;
  NamedNumber head[kLeadingNumberCount];
  LeadingNumbers(left, top, lastTab, head);
  bool ok = WriteRegKeyLine(file, "Software\\Morvik");
  ok = WriteNumbers(file, head) && ok;
  ok = WriteRegString(file, "Logfile", s.logfile) && ok;
  char editor[kSettingTextSize];
  ReadEditor(editor);
  ok = WriteRegString(file, "Editor", editor) && ok;
  const NamedNumber tail[] = {
      {"LastFileType", s.lastFileType},
      {"UserCommand", s.userCommand},
      {"KeyboardService", s.keyboardService},
      {"ShowTrayIcon", s.showTrayIcon},
      {"RecentListSize", s.recentListSize},
      {"LastOptionsTab", s.lastOptionsTab},
      {"RestartLog", ReadMorvikNumber("RestartLog", 1)},
      {"HaltScriptOnError", ReadMorvikNumber("HaltScriptOnError", 1)},
      {"RememberPlaybackSettings", ReadMorvikNumber("RememberPlaybackSettings", 1)},
      {"PlayUpdate", s.playUpdate},
  };
  ok = WriteNumbers(file, tail) && ok;
  for (int n = 1; n <= kRecentSlots; n++) {
    char name[kSlotNameSize];
    char path[kSettingTextSize];
    RecentSlotName(n, name);
    ReadMorvikText(name, path);
    ok = WriteRegString(file, name, path) && ok;
  }
  return ok;
}
