// The registry on Windows, one open-act-close per call.
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

bool OpenOrCreate(int root, const char* keyPath, HKEY* key) {
  if (RegOpenKeyExA(Root(root), keyPath, 0, KEY_ALL_ACCESS, key) == ERROR_SUCCESS) return true;
  char emptyClass[1] = "";
  return RegCreateKeyExA(Root(root), keyPath, 0, emptyClass, REG_OPTION_NON_VOLATILE,
                         KEY_ALL_ACCESS, nullptr, key, nullptr) == ERROR_SUCCESS;
}

}  // namespace

int PlatformRegQuery(int root, const char* keyPath, const char* name, uint32_t* type, void* data,
                     uint32_t* size) {
  HKEY key;
  if (RegOpenKeyExA(Root(root), keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return kRegNoKey;
  DWORD valueType = 0;
  DWORD valueSize = *size;
  LONG result =
      RegQueryValueExA(key, name, nullptr, &valueType, static_cast<BYTE*>(data), &valueSize);
  RegCloseKey(key);
  *type = valueType;
  *size = valueSize;
  return result == ERROR_SUCCESS ? kRegOk : kRegFailed;
}

int PlatformRegCreateKey(int root, const char* keyPath) {
  HKEY key;
  if (!OpenOrCreate(root, keyPath, &key)) return kRegFailed;
  RegCloseKey(key);
  return kRegOk;
}

int PlatformRegSet(int root, const char* keyPath, const char* name, uint32_t type, const void* data,
                   uint32_t size) {
  HKEY key;
  if (!OpenOrCreate(root, keyPath, &key)) return kRegFailed;
  LONG result = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? kRegOk : kRegFailed;
}

int PlatformRegDeleteValue(int root, const char* keyPath, const char* name) {
  HKEY key;
  if (RegOpenKeyExA(Root(root), keyPath, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return kRegNoKey;
  LONG result = RegDeleteValueA(key, name);
  RegCloseKey(key);
  return result == ERROR_SUCCESS ? kRegOk : kRegFailed;
}

int PlatformRegDeleteKey(int root, const char* keyPath) {
  return RegDeleteKeyA(Root(root), keyPath) == ERROR_SUCCESS ? kRegOk : kRegFailed;
}

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
