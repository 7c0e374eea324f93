#include "playback/key_names.h"

#include <cstring>

#include "shared/char_keys.h"
#include "shared/nocase.h"

namespace {

struct KeyName {
  const char* name;
  int key;
};

// Searched in this order, each anywhere in the text and in any case: the
// order settles names that contain others ("Page Down" holds "Down",
// "Backspace" holds "Space", "Escape" holds "Cap").
constexpr KeyName kKeyNames[] = {
    {"NumLock", 144}, {"ScrollLock", 145}, {"Backspace", 8}, {"Space", 32},   {"Return", 13},
    {"Enter", 13},    {"Control", 17},     {"Ctrl", 17},     {"Tab", 9},      {"Pause", 19},
    {"Esc", 27},      {"Page Up", 33},     {"PgUp", 33},     {"pageup", 33},  {"Page Down", 34},
    {"PgDn", 34},     {"pagedown", 34},    {"End", 35},      {"Home", 36},    {"Left", 37},
    {"Up", 38},       {"Right", 39},       {"Down", 40},     {"Ins", 45},     {"Del", 46},
    {"Prt", 44},      {"Print", 44},       {"Cap", 20},      {"Num0", 96},    {"Num1", 97},
    {"Num2", 98},     {"Num3", 99},        {"Num4", 100},    {"Num5", 101},   {"Num6", 102},
    {"Num7", 103},    {"Num8", 104},       {"Num9", 105},    {"Num*", 106},   {"Num+", 107},
    {"add", 107},     {"NumSep", 108},     {"Num Sep", 108}, {"Num-", 109},   {"subtract", 109},
    {"Num.", 110},    {"decimal", 110},    {"Num/", 111},    {"divide", 111}, {"winkeyr", 92},
    {"winkey", 91},   {"winkeyl", 91},     {"appkey", 93},
};

constexpr int kFunctionKeyBase = 111;  // F1 is 112

bool IsF(char c) { return c == 'F' || c == 'f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ReadNumber(const char* text) {
  int number = 0;
  for (; IsDigit(*text); text++) number = number * 10 + (*text - '0');
  return number;
}

// "{F10}" to "{F24}": a braced two-digit function key.
bool IsBracedFunctionKey(const char* name) {
  if (name[0] != '{' || !IsDigit(name[2]) || !IsDigit(name[3]) || name[4] != '}' || name[5] != '\0')
    return false;
  int number = ReadNumber(name + 2);
  return number >= 10 && number <= 24;
}

// The function key the name spells, or 0: "F" and one or two characters
// after it at the start ("F7", "F12"), or the same after one leading
// character ("{F5}").
int FunctionKey(const char* name) {
  if (IsF(name[0]) && name[1] >= '1' && name[1] <= '9' && strlen(name + 1) <= 2) {
    return kFunctionKeyBase + ReadNumber(name + 1);
  }
  if (name[0] != '\0' && IsF(name[1]) && name[2] >= '1' && name[2] <= '9' &&
      (strlen(name + 2) <= 2 || IsBracedFunctionKey(name))) {
    return kFunctionKeyBase + ReadNumber(name + 2);
  }
  return 0;
}

}  // namespace

int KeyNameToVirtualKey(char* name) {
  int cut = FindNoCase(name, " = ");
  if (cut >= 0) name[cut] = '\0';
  int key = FunctionKey(name);
  if (key != 0) return key;
  if (strcmp(name, " ") == 0) return 32;
  for (const KeyName& k : kKeyNames) {
    if (FindNoCase(name, k.name) >= 0) return k.key;
  }
  bool needsShift;
  return CharToVirtualKey(name[0], &needsShift);
}
