#include "playback/time_text.h"

#include "shared/wsprintf_format.h"

void DateText(const PlatformTime& t, char* text, int size) {
  Wsprintf(text, size, "%02d/%02d/%02d", t.month, t.day, t.year);
}

void TimeText(const PlatformTime& t, char* text, int size) {
  Wsprintf(text, size, "%02d:%02d:%02d", t.hour, t.minute, t.second);
}

void StampText(const PlatformTime& t, char* text, int size) {
  Wsprintf(text, size, "%04d%02d%02d%02d%02d%02d%04d", t.year, t.month, t.day, t.hour, t.minute,
           t.second, t.milliseconds);
}
