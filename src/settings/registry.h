// The three registry functions through which Morvik reads, writes and
// deletes its values. A path is one text "SOFTWARE\\Morvik\\Name", split at
// its last backslash into key path and value name.
#pragma once

#include <cstdint>

enum SettingKind { kSettingNumber = 2, kSettingText = 3 };

// Room a text setting may take, terminator included.
constexpr int kSettingTextSize = 256;

// Kind 2: the stored number, or `fallback` when the key or value is missing
// or does not fit in 4 bytes. Kind 3: copies the text into `buffer` (at
// least 256 bytes) and returns 0, or leaves it empty and returns `fallback`.
// `buffer`, when given, is emptied first in every case.
int32_t ReadSetting(int root, const char* path, int kind, char* buffer, int32_t fallback);

// Kind 2 stores `number` as REG_DWORD; kind 3 stores `text` (REG_EXPAND_SZ
// when it holds '%', else REG_SZ); kind 3 without text stores nothing.
// Creates the key when missing. Returns 1 on success, 0 on failure.
int WriteSetting(int root, const char* path, int kind, const char* text, int32_t number);

// Deletes the named value; when the key exists but the value cannot be
// deleted, deletes the key named by the whole path instead.
void DeleteSetting(int root, const char* path);

// Splits `path` at its last backslash. Both outputs hold 256 bytes; longer
// parts are cut. A path without backslash is all value name.
void SplitSettingPath(const char* path, char* keyPath, char* valueName);
