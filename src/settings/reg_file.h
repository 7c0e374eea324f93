// The lines of REGEDIT4 backup files, each appended whole and ended with
// CR LF. Every writer returns false when its line could not be written.
#pragma once

#include <cstdint>

// The empty line and key line that open a section:
// "\r\n[HKEY_CURRENT_USER\<key>]".
bool WriteRegKeyLine(const char* file, const char* key);

// "\"<name>\"=dword:%08x"; negative numbers as their two's complement.
bool WriteRegDword(const char* file, const char* name, uint32_t value);

// "\"<name>\"=\"<text>\"" with every backslash of the text (up to 255
// characters, as settings hold) doubled.
bool WriteRegString(const char* file, const char* name, const char* text);

// "\"Text\"=hex(2):" and each byte of `text` and its terminator as two
// lower-case hex digits with commas between them, 21 bytes a line:
// a full line ends with a backslash and the next begins with two spaces.
bool WriteRegHexText(const char* file, const char* text);
