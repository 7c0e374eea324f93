// The diagnostic log writer shared by the program and the service library.
#pragma once

#include <cstdarg>

enum LogLevel { kLogOff = 0, kLogLow = 1, kLogMedium = 2, kLogHigh = 3 };

// Longest line the writer produces, without CR LF.
constexpr int kLogLineMax = 319;

// Formats one line like the platform's wsprintf (at most 319 characters)
// and appends it with CR LF to `file`, opening and closing the file for the
// one line. A file that cannot be opened loses the line silently.
// Integer arguments are 32 bits wide, with or without the 'l' or 'h' size.
void WriteLogLine(const char* file, const char* format, ...);
void WriteLogLineV(const char* file, const char* format, va_list args);

// Appends `text` and CR LF to `file` the same way, but whole, however long:
// for lines of files other than the log (backups), which a cut would
// corrupt. Returns false when the file could not be opened or written.
bool WriteWholeLine(const char* file, const char* text);

// Writes the system's text for the last error as one line, or
// "Unable to display error." when there is none.
void LogLastError(const char* file);
