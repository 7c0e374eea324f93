// A scripted fake of the platform seam for the unit tests: it records every
// call and answers from a script the test sets up.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct FakeMessageBox {
  std::string text;
  std::string caption;
  uint32_t style;
};

struct FakeRegValue {
  uint32_t type;
  std::vector<unsigned char> data;
};

struct FakeRegKey {
  std::string path;  // as first created, for listing
  std::map<std::string, FakeRegValue> values;  // by lower-cased name
  std::map<std::string, std::string> names;    // lower-cased name -> name as written
};

struct FakeDialogAnswer {
  bool chosen;
  std::string path;
  int filterIndex;  // 0 keeps the index the caller proposed
};

struct FakeDialogCall {
  bool save;
  std::string proposal;
  std::string filter;  // the pairs joined with '|'
  int filterIndex;
};

struct FakeWindow {
  uint32_t handle;
  std::string className;
  bool visible;
  bool minimized;
};

struct FakePlatform {
  // Message boxes shown, and the answers to give (kIdOk when none is queued).
  std::vector<FakeMessageBox> messageBoxes;
  std::deque<int> messageBoxAnswers;
  // Memory: the allocation with this 1-based number fails (0: none fails).
  // Blocks handed out are filled with kFakeGarbage, so code that relies on
  // fresh memory being zero shows it.
  int failAllocation;
  int allocations;
  uint32_t tickCount;
  PlatformTime localTime;
  std::string lastErrorText;
  std::string moduleFileName;
  int screenWidth, screenHeight;
  // Registry: keys by lower-cased "root\\path".
  std::map<std::string, FakeRegKey> registry;
  std::deque<FakeDialogAnswer> dialogAnswers;
  std::vector<FakeDialogCall> dialogCalls;
  std::vector<FakeWindow> windows;
  std::vector<std::string> windowCalls;  // "show 5 9", "foreground 5"
  // The main window and the states its menu commands were given.
  uint32_t mainWindow;
  std::map<uint32_t, bool> menuEnabled;
  std::map<uint32_t, bool> menuChecked;
};

extern FakePlatform gFake;

constexpr unsigned char kFakeGarbage = 0xA5;

// Empties every script and record and sets the defaults.
void ResetFakePlatform();

// Registry helpers for the tests (path below HKEY_CURRENT_USER unless a
// root is given).
void FakeSetNumber(const std::string& keyPath, const std::string& name, uint32_t value);
void FakeSetText(const std::string& keyPath, const std::string& name, const std::string& text,
                 uint32_t type = kRegSz);
bool FakeHasKey(const std::string& keyPath, int root = kRootCurrentUser);
// The stored value, or nullptr.
const FakeRegValue* FakeValue(const std::string& keyPath, const std::string& name,
                              int root = kRootCurrentUser);
uint32_t FakeNumber(const std::string& keyPath, const std::string& name);
std::string FakeText(const std::string& keyPath, const std::string& name);
// The names of the key's values as they were written, sorted.
std::vector<std::string> FakeValueNames(const std::string& keyPath, int root = kRootCurrentUser);
