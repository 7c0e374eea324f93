// Subkey enumeration over the fake registry: the direct subkeys of a key in
// the order of their lower-cased names, as the real registry gives them.
#include <cctype>
#include <cstdio>

#include "fake_platform.h"

namespace {

std::string KeyId(int root, const char* keyPath) {
  std::string id = std::to_string(root) + "\\" + keyPath;
  for (char& c : id) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return id;
}

}  // namespace

int PlatformRegEnumKey(int root, const char* keyPath, uint32_t index, char* name, uint32_t size) {
  if (size > 0) name[0] = '\0';
  const std::string id = KeyId(root, keyPath);
  if (gFake.registry.count(id) == 0) return kRegNoKey;
  const std::string prefix = id + "\\";
  uint32_t seen = 0;
  for (const auto& entry : gFake.registry) {
    const std::string& other = entry.first;
    if (other.compare(0, prefix.size(), prefix) != 0) continue;
    if (other.find('\\', prefix.size()) != std::string::npos) continue;  // deeper down
    if (seen++ != index) continue;
    const std::string& path = entry.second.path;
    std::string child = path.substr(path.rfind('\\') + 1);
    if (child.size() + 1 > size) return kRegFailed;
    snprintf(name, size, "%s", child.c_str());
    return kRegOk;
  }
  return kRegFailed;
}
