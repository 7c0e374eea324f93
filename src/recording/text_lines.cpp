#include "recording/text_lines.h"

#include <cstring>

#include "shared/nocase.h"

namespace {

constexpr int kMaxCommandWord = 32;

struct MessageName {
  const char* name;
  uint32_t message;
};

// In the order they are tried: the first name found in the value counts.
constexpr MessageName kMessageNames[] = {
    {"WM_MOUSEMOVE", kWmMouseMove}, {"WM_KEYDOWN", kWmKeyDown},
    {"WM_KEYUP", kWmKeyUp},         {"WM_LBUTTONDOWN", kWmLButtonDown},
    {"WM_LBUTTONUP", kWmLButtonUp}, {"WM_CHAR", kWmChar},
    {"WM_COMMAND", kWmCommand},     {"WM_SYSKEYDOWN", kWmSysKeyDown},
    {"WM_SYSKEYUP", kWmSysKeyUp},
};

struct CommandWord {
  const char* word;
  int code;
};

// In the order they are searched for in a command word.
constexpr CommandWord kCommandSearch[] = {
    {"START", kCommandStart}, {"GOTO", kCommandGoto},   {"WAIT", kCommandWait},
    {"TYPE", kCommandType},   {"CLICK", kCommandClick},
};

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// The first "message=" in any case, as FindNoCase finds it; searched for on
// every line, so without a library call per character.
const char* FindMessageKey(const char* line) {
  static const char kKey[] = "message=";
  for (const char* p = line; *p != '\0'; p++) {
    if (AsciiLower(*p) != 'm') continue;
    int i = 1;
    while (kKey[i] != '\0' && AsciiLower(p[i]) == kKey[i]) i++;
    if (kKey[i] == '\0') return p;
  }
  return nullptr;
}

const char* ValueEnd(const char* p) {
  while (*p != '\0' && *p != ' ') p++;
  return p;
}

// Whether `name` occurs, in exact case, within [p, end).
bool Contains(const char* p, const char* end, const char* name) {
  size_t length = strlen(name);
  for (; static_cast<size_t>(end - p) >= length; p++) {
    if (*p == name[0] && memcmp(p, name, length) == 0) return true;
  }
  return false;
}

uint32_t MessageNumber(const char* p, const char* end) {
  for (const MessageName& entry : kMessageNames) {
    if (Contains(p, end, entry.name)) return entry.message;
  }
  return static_cast<uint32_t>(ReadSignedNumber(p, end));
}

// `key` in exact case from `from` on, like strstr; a plain loop is faster
// for the short lines and keys of the format.
const char* FindKey(const char* from, const char* key) {
  for (const char* p = from; *p != '\0'; p++) {
    if (*p != key[0]) continue;
    int i = 1;
    while (key[i] != '\0' && p[i] == key[i]) i++;
    if (key[i] == '\0') return p;
  }
  return nullptr;
}

// Whether the two characters `pair` occur in `line`. Few lines hold the
// first one at all, which strchr finds fast.
bool HasPair(const char* line, const char* pair) {
  for (const char* p = strchr(line, pair[0]); p != nullptr; p = strchr(p + 1, pair[0])) {
    if (p[1] == pair[1]) return true;
  }
  return false;
}

// Reads the value after `key` found from `from` on; returns the value's
// end, or nullptr when the key is missing.
const char* ReadValue(const char* from, const char* key, uint32_t* value) {
  const char* at = FindKey(from, key);
  if (at == nullptr) return nullptr;
  const char* p = at + strlen(key);
  const char* end = ValueEnd(p);
  *value = static_cast<uint32_t>(ReadSignedNumber(p, end));
  return end;
}

}  // namespace

LineKind ClassifyLine(const char* line, bool* inComment) {
  if (HasPair(line, "/*")) {
    *inComment = true;
    return kLineIgnored;
  }
  if (*inComment) {
    if (HasPair(line, "*/")) *inComment = false;
    return kLineIgnored;
  }
  if (!IsAsciiLetter(line[0])) return kLineIgnored;
  return FindMessageKey(line) != nullptr ? kLineEvent : kLineCommand;
}

int32_t ReadSignedNumber(const char* p, const char* end) {
  while (p < end && (*p == ' ' || *p == '\t')) p++;
  bool negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) p++;
  int64_t value = 0;
  for (; p < end && *p >= '0' && *p <= '9'; p++) {
    value = value * 10 + (*p - '0');
    if (value > INT64_C(2147483648)) value = INT64_C(2147483648);
  }
  if (negative) return static_cast<int32_t>(-value);
  return value > INT32_MAX ? INT32_MAX : static_cast<int32_t>(value);
}

int ReadEventLine(const char* line, EventRecord* event) {
  const char* value = FindMessageKey(line) + strlen("message=");
  const char* end = ValueEnd(value);
  *event = EventRecord{MessageNumber(value, end), 0, 0, 0, 0};
  end = ReadValue(end, "paramH=", &event->paramH);
  if (end == nullptr) return kEventMissingParamH;
  end = ReadValue(end, "paramL=", &event->paramL);
  if (end == nullptr) return kEventMissingParamL;
  ReadValue(end, "time=", &event->time);
  return kEventRead;
}

int ReadCommandLine(const char* line, char* text) {
  char word[kMaxCommandWord + 1];
  int length = 0;
  while (length < kMaxCommandWord && line[length] != '\0' && line[length] != ' ' &&
         line[length] != '\t' && line[length] != '\r' && line[length] != '\n') {
    word[length] = line[length];
    length++;
  }
  word[length] = '\0';
  const char* argument = line + length;
  while (*argument == ' ' || *argument == '\t') argument++;
  int code = kCommandNone;
  for (const CommandWord& entry : kCommandSearch) {
    if (FindNoCase(word, entry.word) >= 0) {
      code = entry.code;
      break;
    }
  }
  size_t copied = strcspn(argument, "\r\n");
  if (copied > kCommandTextSize - 1) copied = kCommandTextSize - 1;
  memcpy(text, argument, copied);
  text[copied] = '\0';
  if (code == kCommandWait) {
    ReplaceAllNoCase(text, kCommandTextSize, "seconds", "");
    ReplaceAllNoCase(text, kCommandTextSize, "second", "");
  }
  return code;
}
