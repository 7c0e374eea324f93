#include "settings/registry.h"

#include <cstring>

#include "platform/platform.h"

namespace {

void CopyCut(char* out, const char* from, size_t length) {
  if (length > kSettingTextSize - 1) length = kSettingTextSize - 1;
  memcpy(out, from, length);
  out[length] = '\0';
}

}  // namespace

void SplitSettingPath(const char* path, char* keyPath, char* valueName) {
  const char* slash = strrchr(path, '\\');
  if (slash == nullptr) {
    keyPath[0] = '\0';
    CopyCut(valueName, path, strlen(path));
    return;
  }
  CopyCut(keyPath, path, static_cast<size_t>(slash - path));
  CopyCut(valueName, slash + 1, strlen(slash + 1));
}

int32_t ReadSetting(int root, const char* path, int kind, char* buffer, int32_t fallback) {
  if (buffer != nullptr) buffer[0] = '\0';
  char keyPath[kSettingTextSize];
  char name[kSettingTextSize];
  SplitSettingPath(path, keyPath, name);
  uint32_t type = 0;
  if (kind == kSettingNumber) {
    unsigned char bytes[4] = {0, 0, 0, 0};
    uint32_t size = sizeof bytes;
    if (PlatformRegQuery(root, keyPath, name, &type, bytes, &size) != kRegOk) return fallback;
    return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 |
                                static_cast<uint32_t>(bytes[3]) << 24);
  }
  char text[kSettingTextSize];
  uint32_t size = sizeof text;
  if (PlatformRegQuery(root, keyPath, name, &type, text, &size) != kRegOk) return fallback;
  if (buffer != nullptr) {
    // Stored data need not end with a NUL: cut at what was stored.
    size_t length = strnlen(text, size < sizeof text ? size : sizeof text - 1);
    memcpy(buffer, text, length);
    buffer[length] = '\0';
  }
  return 0;
}

int WriteSetting(int root, const char* path, int kind, const char* text, int32_t number) {
  char keyPath[kSettingTextSize];
  char name[kSettingTextSize];
  SplitSettingPath(path, keyPath, name);
  if (kind == kSettingNumber) {
    unsigned char bytes[4];
    uint32_t value = static_cast<uint32_t>(number);
    for (int i = 0; i < 4; i++) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
    return PlatformRegSet(root, keyPath, name, kRegDword, bytes, 4) == kRegOk ? 1 : 0;
  }
  if (text == nullptr) {
    // Nothing to store, but the key is made as for any write.
    return PlatformRegCreateKey(root, keyPath) == kRegOk ? 1 : 0;
  }
  uint32_t type = strchr(text, '%') != nullptr ? kRegExpandSz : kRegSz;
  uint32_t size = static_cast<uint32_t>(strlen(text) + 1);
  return PlatformRegSet(root, keyPath, name, type, text, size) == kRegOk ? 1 : 0;
}

void DeleteSetting(int root, const char* path) {
  char keyPath[kSettingTextSize];
  char name[kSettingTextSize];
  SplitSettingPath(path, keyPath, name);
  if (PlatformRegDeleteValue(root, keyPath, name) == kRegFailed) PlatformRegDeleteKey(root, path);
}
