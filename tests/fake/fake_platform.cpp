#include "fake_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

FakePlatform gFake;

namespace {

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string KeyId(int root, const std::string& keyPath) {
  return std::to_string(root) + "\\" + Lower(keyPath);
}

FakeRegKey* FindKey(int root, const char* keyPath) {
  auto it = gFake.registry.find(KeyId(root, keyPath));
  return it == gFake.registry.end() ? nullptr : &it->second;
}

FakeRegKey* CreateKey(int root, const std::string& keyPath) {
  // The keys above it exist too, as in the real registry.
  for (size_t at = keyPath.find('\\'); at != std::string::npos; at = keyPath.find('\\', at + 1)) {
    std::string parent = keyPath.substr(0, at);
    FakeRegKey& key = gFake.registry[KeyId(root, parent)];
    if (key.path.empty()) key.path = parent;
  }
  FakeRegKey& key = gFake.registry[KeyId(root, keyPath)];
  if (key.path.empty()) key.path = keyPath;
  return &key;
}

}  // namespace

void ResetFakePlatform() {
  gFake = FakePlatform{};
  gFake.tickCount = 1000;
  gFake.localTime = PlatformTime{2026, 12, 5, 11, 9, 30, 15, 0};
  gFake.moduleFileName = "C:\\Program Files\\Morvik\\Morvik.exe";
  gFake.screenWidth = 1024;
  gFake.screenHeight = 768;
  gFake.nextJournalHook = 0x100;
  gFake.platformId = 2;
  gFake.majorVersion = 10;
  gFake.build = 19045;
}

void* PlatformAllocate(size_t bytes) {
  gFake.allocations++;
  if (gFake.failAllocation == gFake.allocations) return nullptr;
  void* block = malloc(bytes);
  if (block != nullptr) memset(block, kFakeGarbage, bytes);
  return block;
}

void PlatformFree(void* block) { free(block); }

uint32_t PlatformTickCount() { return gFake.tickCount; }
void PlatformLocalTime(PlatformTime* time) { *time = gFake.localTime; }
void PlatformSleep(uint32_t milliseconds) { gFake.tickCount += milliseconds; }

int PlatformMessageBox(const char* text, const char* caption, uint32_t style) {
  gFake.messageBoxes.push_back({text ? text : "", caption ? caption : "", style});
  if (gFake.messageBoxAnswers.empty()) return kIdOk;
  int answer = gFake.messageBoxAnswers.front();
  gFake.messageBoxAnswers.pop_front();
  return answer;
}

int PlatformLastErrorText(char* buffer, int size) {
  snprintf(buffer, static_cast<size_t>(size), "%s", gFake.lastErrorText.c_str());
  return static_cast<int>(strlen(buffer));
}

int PlatformModuleFileName(char* buffer, int size) {
  snprintf(buffer, static_cast<size_t>(size), "%s", gFake.moduleFileName.c_str());
  return static_cast<int>(strlen(buffer));
}

int PlatformScreenWidth() { return gFake.screenWidth; }
int PlatformScreenHeight() { return gFake.screenHeight; }

uint32_t PlatformFindWindowByClass(const char* className) {
  for (const FakeWindow& w : gFake.windows) {
    if (Lower(w.className) == Lower(className)) return w.handle;
  }
  return 0;
}

static FakeWindow* Window(uint32_t handle) {
  for (FakeWindow& w : gFake.windows) {
    if (w.handle == handle) return &w;
  }
  return nullptr;
}

bool PlatformIsWindowVisible(uint32_t window) { return Window(window) && Window(window)->visible; }
bool PlatformIsWindowMinimized(uint32_t window) {
  return Window(window) && Window(window)->minimized;
}

void PlatformShowWindow(uint32_t window, int showCommand) {
  gFake.windowCalls.push_back("show " + std::to_string(window) + " " + std::to_string(showCommand));
}

void PlatformSetForegroundWindow(uint32_t window) {
  gFake.windowCalls.push_back("foreground " + std::to_string(window));
}

bool PlatformFileDialog(uint32_t, bool save, char* buffer, int size, const char* filter,
                        int* filterIndex) {
  std::string joined;
  for (const char* p = filter; *p != '\0'; p += strlen(p) + 1)
    joined += (joined.empty() ? "" : "|") + std::string(p);
  gFake.dialogCalls.push_back({save, buffer, joined, *filterIndex});
  if (gFake.dialogAnswers.empty()) return false;
  FakeDialogAnswer answer = gFake.dialogAnswers.front();
  gFake.dialogAnswers.pop_front();
  if (!answer.chosen) return false;
  snprintf(buffer, static_cast<size_t>(size), "%s", answer.path.c_str());
  if (answer.filterIndex != 0) *filterIndex = answer.filterIndex;
  return true;
}

int PlatformRegQuery(int root, const char* keyPath, const char* name, uint32_t* type, void* data,
                     uint32_t* size) {
  FakeRegKey* key = FindKey(root, keyPath);
  if (key == nullptr) return kRegNoKey;
  auto it = key->values.find(Lower(name));
  if (it == key->values.end()) return kRegFailed;
  const FakeRegValue& value = it->second;
  *type = value.type;
  uint32_t room = *size;
  *size = static_cast<uint32_t>(value.data.size());
  if (value.data.size() > room) return kRegFailed;
  if (!value.data.empty()) memcpy(data, value.data.data(), value.data.size());
  return kRegOk;
}

int PlatformRegCreateKey(int root, const char* keyPath) {
  CreateKey(root, keyPath);
  return kRegOk;
}

int PlatformRegSet(int root, const char* keyPath, const char* name, uint32_t type, const void* data,
                   uint32_t size) {
  FakeRegKey* key = CreateKey(root, keyPath);
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  key->values[Lower(name)] = FakeRegValue{type, std::vector<unsigned char>(bytes, bytes + size)};
  key->names[Lower(name)] = name;
  return kRegOk;
}

int PlatformRegDeleteValue(int root, const char* keyPath, const char* name) {
  FakeRegKey* key = FindKey(root, keyPath);
  if (key == nullptr) return kRegNoKey;
  if (key->values.erase(Lower(name)) == 0) return kRegFailed;
  key->names.erase(Lower(name));
  return kRegOk;
}

int PlatformRegDeleteKey(int root, const char* keyPath) {
  std::string id = KeyId(root, keyPath);
  if (gFake.registry.count(id) == 0) return kRegFailed;
  for (const auto& entry : gFake.registry) {
    if (entry.first.size() > id.size() && entry.first.compare(0, id.size() + 1, id + "\\") == 0) {
      return kRegFailed;  // a key with subkeys is not deleted
    }
  }
  gFake.registry.erase(id);
  return kRegOk;
}

void FakeSetNumber(const std::string& keyPath, const std::string& name, uint32_t value) {
  unsigned char bytes[4];
  for (int i = 0; i < 4; i++) bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  PlatformRegSet(kRootCurrentUser, keyPath.c_str(), name.c_str(), kRegDword, bytes, 4);
}

void FakeSetText(const std::string& keyPath, const std::string& name, const std::string& text,
                 uint32_t type) {
  PlatformRegSet(kRootCurrentUser, keyPath.c_str(), name.c_str(), type, text.c_str(),
                 static_cast<uint32_t>(text.size() + 1));
}

bool FakeHasKey(const std::string& keyPath, int root) {
  return gFake.registry.count(KeyId(root, keyPath)) != 0;
}

const FakeRegValue* FakeValue(const std::string& keyPath, const std::string& name, int root) {
  FakeRegKey* key = FindKey(root, keyPath.c_str());
  if (key == nullptr) return nullptr;
  auto it = key->values.find(Lower(name));
  return it == key->values.end() ? nullptr : &it->second;
}

uint32_t FakeNumber(const std::string& keyPath, const std::string& name) {
  const FakeRegValue* value = FakeValue(keyPath, name);
  if (value == nullptr || value->data.size() != 4) return 0xDEADBEEF;
  return value->data[0] | value->data[1] << 8 | value->data[2] << 16 |
         static_cast<uint32_t>(value->data[3]) << 24;
}

std::string FakeText(const std::string& keyPath, const std::string& name) {
  const FakeRegValue* value = FakeValue(keyPath, name);
  if (value == nullptr) return "<missing>";
  return std::string(value->data.begin(), value->data.end()).c_str();
}

std::vector<std::string> FakeValueNames(const std::string& keyPath, int root) {
  std::vector<std::string> names;
  FakeRegKey* key = FindKey(root, keyPath.c_str());
  if (key == nullptr) return names;
  for (const auto& entry : key->names) names.push_back(entry.second);
  std::sort(names.begin(), names.end());
  return names;
}
