// Mappings and ShortTypes written into the fake registry.
#pragma once

#include <cstdint>
#include <string>

#include "fake_platform.h"

inline std::string MappingKey(int key) {
  return "SOFTWARE\\Morvik\\Mappings\\" + std::to_string(key);
}

// A Mapping with its four numbers; the Text is left out when `text` is null.
inline void AddMapping(int key, uint32_t action, uint32_t control, uint32_t shift, uint32_t alt,
                       const char* text) {
  FakeSetNumber(MappingKey(key), "Action", action);
  FakeSetNumber(MappingKey(key), "Control", control);
  FakeSetNumber(MappingKey(key), "Shift", shift);
  FakeSetNumber(MappingKey(key), "Alt", alt);
  if (text != nullptr) FakeSetText(MappingKey(key), "Text", text);
}

inline void AddShortType(const std::string& name, const char* text) {
  const std::string key = "SOFTWARE\\Morvik\\ShortType\\" + name;
  if (text != nullptr) {
    FakeSetText(key, "Text", text);
  } else {
    PlatformRegCreateKey(kRootCurrentUser, key.c_str());
  }
}
