// The date and time texts that TYPE tokens and Replace Mappings type.
#pragma once

#include "platform/platform.h"

// "MM/DD/YYYY": month, day and year of `t`, each at least two digits.
void DateText(const PlatformTime& t, char* text, int size);
// "hh:mm:ss".
void TimeText(const PlatformTime& t, char* text, int size);
// "YYYYMMDDhhmmssmmmm": a time stamp to the millisecond.
void StampText(const PlatformTime& t, char* text, int size);
