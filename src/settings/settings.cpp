#include "settings/settings.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

Settings gSettings;

namespace {

// Registry values held as 8-bit fields keep only the low byte.
uint8_t ReadByte(const char* name, int32_t fallback) {
  return static_cast<uint8_t>(ReadMorvikNumber(name, fallback));
}

void MorvikPath(const char* name, char* path) {
  snprintf(path, kSettingTextSize, "%s%s", kMorvikKey, name);
}

void ReadGeneral(Settings* s) {
  s->promptForSave = ReadByte("PromptForSave", 1);
  s->visited = ReadByte("Visited", 0);
  // The speed factors divide and multiply playback gaps: below 1 counts as 1.
  s->factorFast = ReadMorvikNumber("FactorFast", 15);
  if (s->factorFast < 1) s->factorFast = 1;
  s->factorSlow = ReadMorvikNumber("FactorSlow", 4);
  if (s->factorSlow < 1) s->factorSlow = 1;
  s->randomMin = ReadMorvikNumber("RandomMin", 1000);
  s->randomMax = ReadMorvikNumber("RandomMax", 9999);
  s->loopTypeBase = ReadMorvikNumber("LoopTypeBase", 0);
  s->log = ReadByte("Log", 0);
  s->showTabs = ReadByte("ShowTabs", 1);
  s->interruptWarning = ReadByte("InterruptWarning", 1);
  s->minimize = ReadByte("Minimize", 0);
  s->lastFileType = ReadByte("LastFileType", 1);
  s->userCommand = ReadMorvikNumber("UserCommand", 0);
  s->keyboardService = ReadByte("KeyboardService", 0);
  s->showTrayIcon = ReadByte("ShowTrayIcon", 0);
  s->recentListSize = ReadByte("RecentListSize", 8);
  if (s->recentListSize > 8) s->recentListSize = 8;
  s->lastOptionsTab = ReadByte("LastOptionsTab", 1);
  s->excludeMorvikAction = ReadByte("ExcludeMorvikAction", 1);
  s->playImmediately = ReadByte("PlayImmediately", 0);
  s->quitWhenDone = ReadByte("QuitWhenDone", 0);
  s->reload = ReadByte("Reload", 0);
  s->playUpdate = ReadByte("PlayUpdate", 1);
  s->gotoWait = ReadByte("GOTOWait", 2);
}

template <size_t N>
void WriteNumbers(const NamedNumber (&numbers)[N]) {
  for (const NamedNumber& n : numbers) WriteMorvikNumber(n.name, n.value);
}

void ReadPlaybackOptions(Settings* s) {
  if (ReadMorvikNumber("RememberPlaybackSettings", 1) != 0) {
    s->speed = ReadByte("Speed", kSpeedNormal);
    s->continuous = ReadByte("Continuous", 0);
    s->repeats = ReadMorvikNumber("Repeats", 1);
  } else {
    s->speed = kSpeedNormal;
    s->continuous = 0;
    s->repeats = 1;
  }
}

}  // namespace

uint32_t MessageBoxStyle() { return gSettings.messageBoxStyle; }

int32_t ReadMorvikNumber(const char* name, int32_t fallback) {
  char path[kSettingTextSize];
  MorvikPath(name, path);
  return ReadSetting(kRootCurrentUser, path, kSettingNumber, nullptr, fallback);
}

void ReadMorvikText(const char* name, char* buffer) {
  char path[kSettingTextSize];
  MorvikPath(name, path);
  ReadSetting(kRootCurrentUser, path, kSettingText, buffer, 0);
}

void WriteMorvikNumber(const char* name, int32_t number) {
  char path[kSettingTextSize];
  MorvikPath(name, path);
  WriteSetting(kRootCurrentUser, path, kSettingNumber, nullptr, number);
}

void WriteMorvikText(const char* name, const char* text) {
  char path[kSettingTextSize];
  MorvikPath(name, path);
  WriteSetting(kRootCurrentUser, path, kSettingText, text, 0);
}

void DeleteMorvikSetting(const char* name) {
  char path[kSettingTextSize];
  MorvikPath(name, path);
  DeleteSetting(kRootCurrentUser, path);
}

void ReadEditor(char* editor) {
  ReadMorvikText("Editor", editor);
  if (editor[0] == '\0') strcpy(editor, "notepad.exe");
}

void LoadSettings() {
  Settings* s = &gSettings;
  ReadGeneral(s);
  ReadPlaybackOptions(s);
  s->topmost = ReadByte("Topmost", 0);
  s->messageBoxStyle = s->topmost ? (kMbTaskModal | kMbTopmost) : kMbTaskModal;
  ReadMorvikText("Logfile", s->logfile);
  if (s->logfile[0] == '\0') strcpy(s->logfile, kDefaultLogfile);
  if (ReadMorvikNumber("RestartLog", 1) != 0) remove(s->logfile);
  if (s->speed < kSpeedSlow || s->speed > kSpeedFastest) s->speed = kSpeedNormal;
  if (s->repeats < 1 || s->repeats > kMaxRepeats) s->repeats = 1;
}

void LeadingNumbers(int32_t left, int32_t top, int32_t lastTab,
                    NamedNumber (&out)[kLeadingNumberCount]) {
  const Settings* s = &gSettings;
  const NamedNumber numbers[kLeadingNumberCount] = {
      {"Left", left},
      {"Top", top},
      {"ExcludeMorvikAction", s->excludeMorvikAction},
      {"PlayImmediately", s->playImmediately},
      {"QuitWhenDone", s->quitWhenDone},
      {"Reload", s->reload},
      {"Topmost", s->topmost},
      {"PromptForSave", s->promptForSave},
      {"Visited", s->visited},
      {"ShowTabs", s->showTabs},
      {"Speed", s->speed},
      {"Repeats", s->repeats},
      {"Continuous", s->continuous},
      {"Minimize", s->minimize},
      {"FactorFast", s->factorFast},
      {"FactorSlow", s->factorSlow},
      {"LastTab", lastTab},
      {"RandomMin", s->randomMin},
      {"RandomMax", s->randomMax},
      {"LoopTypeBase", s->loopTypeBase},
      {"Log", s->log},
      {"InterruptWarning", s->interruptWarning},
  };
  for (int i = 0; i < kLeadingNumberCount; i++) out[i] = numbers[i];
}

void SaveSettings(int32_t left, int32_t top, int32_t lastTab) {
  const Settings* s = &gSettings;
  NamedNumber numbers[kLeadingNumberCount];
  LeadingNumbers(left, top, lastTab, numbers);
  WriteNumbers(numbers);
  WriteMorvikText("Logfile", s->logfile);
  const NamedNumber rest[] = {
      {"LastFileType", s->lastFileType},       {"UserCommand", s->userCommand},
      {"KeyboardService", s->keyboardService}, {"ShowTrayIcon", s->showTrayIcon},
      {"RecentListSize", s->recentListSize},   {"LastOptionsTab", s->lastOptionsTab},
      {"PlayUpdate", s->playUpdate},           {"GOTOWait", s->gotoWait},
  };
  WriteNumbers(rest);
}
