#include "shared/nocase.h"

#include <cctype>
#include <cstring>

namespace {

int Lower(char c) { return tolower(static_cast<unsigned char>(c)); }

int FindFrom(const char* text, size_t start, const char* part) {
  for (size_t i = start; text[i] != '\0'; i++) {
    size_t j = 0;
    while (part[j] != '\0' && text[i + j] != '\0' && Lower(text[i + j]) == Lower(part[j])) j++;
    if (part[j] == '\0') return static_cast<int>(i);
    if (text[i + j] == '\0') return -1;  // the rest is shorter than part
  }
  return -1;
}

}  // namespace

int FindNoCase(const char* text, const char* part) {
  if (text == nullptr || part == nullptr || text[0] == '\0' || part[0] == '\0') return -1;
  return FindFrom(text, 0, part);
}

bool EqualNoCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; a++, b++) {
    if (Lower(*a) != Lower(*b)) return false;
  }
  return *a == *b;
}

int ReplaceAllNoCase(char* text, size_t capacity, const char* part, const char* replacement) {
  if (text == nullptr || part == nullptr || replacement == nullptr || capacity == 0) return 0;
  if (part[0] == '\0') return 0;
  size_t partLength = strlen(part);
  size_t replacementLength = strlen(replacement);
  int count = 0;
  size_t from = 0;
  for (;;) {
    int found = FindFrom(text, from, part);
    if (found < 0) break;
    size_t at = static_cast<size_t>(found);
    size_t length = strlen(text);
    size_t tail = length - at - partLength;  // characters after the match
    size_t room = capacity - 1;
    if (at + replacementLength > room) {  // even the replacement is cut
      memcpy(text + at, replacement, room - at);
      text[room] = '\0';
      return count + 1;
    }
    size_t keptTail = tail;
    if (at + replacementLength + keptTail > room) keptTail = room - at - replacementLength;
    memmove(text + at + replacementLength, text + at + partLength, keptTail);
    memcpy(text + at, replacement, replacementLength);
    text[at + replacementLength + keptTail] = '\0';
    count++;
    from = at + replacementLength;
  }
  return count;
}
