// Fuzzes the loader with arbitrary .mvk files and program images. A
// successful load without empty slots is saved as binary again and must
// give back the bytes it was read from.
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_loader.h"
#include "recording/binary_format.h"

namespace {

// The first byte chooses the form: a .mvk file, or a program image with
// the rest of the input behind the program.
constexpr uint32_t kFuzzImageLength = 16;

bool HasEmptySlot() {
  for (int i = 0; i < gRecording.eventCount; i++) {
    if (gRecording.events[i].message == kMsgEmpty) return true;
  }
  return false;
}

void CheckBinaryRoundTrip(const uint8_t* records, size_t size) {
  std::string path = FuzzFile(".saved.mvk");
  FILE* f = fopen(path.c_str(), "w+b");
  if (f == nullptr) return;
  gFake.messageBoxes.clear();
  int written = WriteRecordingBinary(f);
  if (written == kBinaryRefused) {
    Check(HasEmptySlot() && gFake.messageBoxes.size() == 1);
    return;
  }
  Check(written == kBinaryWritten && !HasEmptySlot());
  size_t length = static_cast<size_t>(gRecording.eventCount) * kRecordBytes;
  std::string saved(length + 1, '\0');
  fseek(f, 0, SEEK_SET);
  Check(fread(&saved[0], 1, saved.size(), f) == length);
  fclose(f);
  Check(length <= size && memcmp(saved.data(), records, length) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  bool image = data[0] & 1;
  const uint8_t* block = data + 1;
  size_t blockSize = size - 1;
  gFake.imageLength = kFuzzImageLength;
  std::string bytes;
  if (image) bytes.assign(kFuzzImageLength, 'P');
  bytes.append(reinterpret_cast<const char*>(block), blockSize);
  int result = LoadFuzzInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                             image ? ".exe" : ".mvk");
  bool binary = !gFake.menuEnabled[1105];
  if (result >= 0 && binary) CheckBinaryRoundTrip(block, blockSize);
  return 0;
}
