// Build-time helper: writes a program file's size into its ImageLength
// stamp ("stamp FILE"), or checks that the stamp holds the size ("check
// FILE"). Runs on the build machine.
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const char kMarker[16] = {'M', 'o', 'r', 'v', 'i', 'k', 'I', 'm',
                          'a', 'g', 'e', 'L', 'e', 'n', '#', '1'};

bool ReadFile(const char* path, std::vector<unsigned char>* bytes) {
  FILE* f = fopen(path, "rb");
  if (f == nullptr) return false;
  unsigned char buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
    bytes->insert(bytes->end(), buffer, buffer + n);
  fclose(f);
  return true;
}

// Offset of the length field after the one marker; -1 when the marker is
// missing or appears more than once.
long FindStamp(const std::vector<unsigned char>& bytes) {
  long found = -1;
  for (size_t i = 0; i + sizeof kMarker + 4 <= bytes.size(); i++) {
    if (memcmp(&bytes[i], kMarker, sizeof kMarker) != 0) continue;
    if (found >= 0) return -1;
    found = static_cast<long>(i + sizeof kMarker);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (strcmp(argv[1], "stamp") != 0 && strcmp(argv[1], "check") != 0)) {
    fprintf(stderr, "usage: image_length stamp|check FILE\n");
    return 2;
  }
  std::vector<unsigned char> bytes;
  if (!ReadFile(argv[2], &bytes)) {
    fprintf(stderr, "image_length: cannot read %s\n", argv[2]);
    return 1;
  }
  long at = FindStamp(bytes);
  if (at < 0) {
    fprintf(stderr, "image_length: %s holds no single ImageLength stamp\n", argv[2]);
    return 1;
  }
  unsigned long size = bytes.size();
  unsigned long stamped = bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
                          static_cast<unsigned long>(bytes[at + 3]) << 24;
  if (strcmp(argv[1], "check") == 0) {
    printf("%s: %lu bytes, ImageLength %lu\n", argv[2], size, stamped);
    return stamped == size ? 0 : 1;
  }
  FILE* f = fopen(argv[2], "r+b");
  unsigned char le[4] = {static_cast<unsigned char>(size), static_cast<unsigned char>(size >> 8),
                         static_cast<unsigned char>(size >> 16),
                         static_cast<unsigned char>(size >> 24)};
  if (f == nullptr || fseek(f, at, SEEK_SET) != 0 || fwrite(le, 1, 4, f) != 4 || fclose(f) != 0) {
    fprintf(stderr, "image_length: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
