// Real files for the tests that read or write them: a private folder per
// test, removed with its contents afterwards.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "morvik-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
  FILE* f = fopen(path.c_str(), "wb");
  if (f == nullptr) return;
  fwrite(bytes.data(), 1, bytes.size(), f);
  fclose(f);
}

// The file's bytes, or "<missing>" when it cannot be opened.
inline std::string ReadWholeFile(const std::string& path) {
  FILE* f = fopen(path.c_str(), "rb");
  if (f == nullptr) return "<missing>";
  std::string bytes;
  char chunk[4096];
  for (size_t n; (n = fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
  fclose(f);
  return bytes;
}

inline bool FileExists(const std::string& path) { return std::filesystem::exists(path); }
