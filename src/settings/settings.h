// The options of Morvik held in memory, read at start and written at exit.
#pragma once

#include <cstdint>

#include "settings/registry.h"

constexpr const char* kMorvikKey = "SOFTWARE\\Morvik\\";
constexpr const char* kDefaultLogfile = "C:\\Morvik.log";
constexpr int32_t kMaxRepeats = 2000000000;

enum PlaySpeed { kSpeedSlow = 1, kSpeedNormal = 2, kSpeedFast = 3, kSpeedFastest = 4 };

struct Settings {
  int32_t left;
  int32_t top;
  uint8_t excludeMorvikAction;
  uint8_t playImmediately;
  uint8_t quitWhenDone;
  uint8_t reload;
  uint8_t topmost;
  uint8_t promptForSave;
  uint8_t visited;
  uint8_t showTabs;
  uint8_t speed;
  int32_t repeats;
  uint8_t continuous;
  uint8_t minimize;
  int32_t factorFast;
  int32_t factorSlow;
  int32_t lastTab;
  int32_t randomMin;
  int32_t randomMax;
  int32_t loopTypeBase;
  uint8_t log;
  uint8_t interruptWarning;
  char logfile[kSettingTextSize];
  uint8_t lastFileType;
  int32_t userCommand;
  uint8_t keyboardService;
  int32_t showTrayIcon;
  uint8_t recentListSize;
  uint8_t lastOptionsTab;
  uint8_t playUpdate;
  int32_t gotoWait;
  uint32_t messageBoxStyle;
};

extern Settings gSettings;

// Style bits every message box of the program ORs in: task-modal, and
// topmost while the Topmost option is on. 0 before the settings are read.
uint32_t MessageBoxStyle();

// Reads "SOFTWARE\\Morvik\\<name>" as a number with its default.
int32_t ReadMorvikNumber(const char* name, int32_t fallback);
// Writes "SOFTWARE\\Morvik\\<name>" as a number or a text.
void WriteMorvikNumber(const char* name, int32_t number);
void WriteMorvikText(const char* name, const char* text);
// Deletes the value "SOFTWARE\\Morvik\\<name>".
void DeleteMorvikSetting(const char* name);
// Reads "SOFTWARE\\Morvik\\<name>" as a text into a 256-byte buffer.
void ReadMorvikText(const char* name, char* buffer);

// The Editor setting (256 bytes), "notepad.exe" when it is empty.
void ReadEditor(char* editor);

// Fills gSettings from the registry with every default and normalisation,
// sets the message-box style and, with RestartLog on, deletes the log file.
void LoadSettings();

struct NamedNumber {
  const char* name;
  int32_t value;
};

// The numbers stored before Logfile, in the order both the registry and a
// backup file list them: the window position, the options of gSettings,
// and the panel's tab.
constexpr int kLeadingNumberCount = 22;
void LeadingNumbers(int32_t left, int32_t top, int32_t lastTab,
                    NamedNumber (&out)[kLeadingNumberCount]);

// Writes gSettings back, with the main window's position and the panel's
// selected tab plus 1.
void SaveSettings(int32_t left, int32_t top, int32_t lastTab);
