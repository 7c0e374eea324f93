// Subkey enumeration of the Windows registry, one open-enumerate-close per
// call.
#include <windows.h>

#include "platform/platform.h"

namespace {

HKEY Root(int root) {
  switch (root) {
    case kRootClassesRoot:
      return HKEY_CLASSES_ROOT;
    case kRootCurrentUser:
      return HKEY_CURRENT_USER;
    case kRootLocalMachine:
      return HKEY_LOCAL_MACHINE;
    default:
      return HKEY_USERS;
  }
}

}  // namespace

int PlatformRegEnumKey(int root, const char* keyPath, uint32_t index, char* name, uint32_t size) {
  if (size > 0) name[0] = '\0';
  HKEY key;
  if (RegOpenKeyExA(Root(root), keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) return kRegNoKey;
  DWORD length = size;
  LONG result = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  if (result == ERROR_SUCCESS) return kRegOk;
  if (size > 0) name[0] = '\0';
  return kRegFailed;
}
