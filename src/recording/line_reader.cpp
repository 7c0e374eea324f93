#include "recording/line_reader.h"

#include <cstring>

namespace {

// Most characters are above CR: one comparison decides for them.
bool IsLineEnd(unsigned char c) { return c <= '\r' && (c == '\r' || c == '\n' || c == '\0'); }

// How many leading bytes of p[0, limit) are certainly no line end, passed
// eight at a time while none of the eight is below 14 (CR is 13). The rest
// is looked at byte by byte.
uint32_t SkipPlainBytes(const unsigned char* p, uint32_t limit) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighBits = 0x8080808080808080ULL;
  uint32_t length = 0;
  for (; length + 8 <= limit; length += 8) {
    uint64_t word;
    memcpy(&word, p + length, sizeof word);
    if (((word - kOnes * 14) & ~word & kHighBits) != 0) break;
  }
  return length;
}

// Makes at least `wanted` bytes from the offset on available, or as many as
// the file still gives; false when not even one byte can be had.
bool Fill(LineReader* r, uint32_t wanted) {
  uint32_t available = r->bufferStart + r->bufferLength - r->offset;
  if (available >= wanted) return true;
  memmove(r->buffer, r->buffer + (r->offset - r->bufferStart), available);
  r->bufferStart = r->offset;
  r->bufferLength = available;
  while (r->bufferLength < wanted) {
    uint32_t room = kLineChunkSize - r->bufferLength;
    uint32_t left = r->size - (r->bufferStart + r->bufferLength);
    size_t got = fread(r->buffer + r->bufferLength, 1, room < left ? room : left, r->file);
    if (got == 0) break;
    r->bufferLength += static_cast<uint32_t>(got);
  }
  return r->bufferLength > 0;
}

// Takes the line end at p[0], with a second character that pairs with it.
int TakeEnd(const unsigned char* p, uint32_t available, char* end) {
  end[0] = '\0';
  if (p[0] == '\0') return 1;
  end[0] = static_cast<char>(p[0]);
  end[1] = '\0';
  if (available < 2 || (p[1] != '\r' && p[1] != '\n') || p[1] == p[0]) return 1;
  end[1] = static_cast<char>(p[1]);
  end[2] = '\0';
  return 2;
}

}  // namespace

void StartLineReader(LineReader* reader, FILE* file, uint32_t offset, uint32_t size) {
  reader->file = file;
  reader->size = size;
  reader->offset = offset;
  reader->bufferStart = offset;
  reader->bufferLength = 0;
  reader->failed = offset < size && fseek(file, static_cast<long>(offset), SEEK_SET) != 0;
}

int ReadLine(LineReader* r, TextLine* line) {
  if (r->offset >= r->size) return 0;
  // The longest line's end, and the byte after it for a two-character end.
  uint32_t wanted = r->size - r->offset;
  if (wanted > kMaxLineLength + 1) wanted = kMaxLineLength + 1;
  if (r->failed || !Fill(r, wanted)) return -1;
  const unsigned char* p = r->buffer + (r->offset - r->bufferStart);
  uint32_t available = r->bufferStart + r->bufferLength - r->offset;
  uint32_t limit = available < kMaxLineLength ? available : kMaxLineLength;
  uint32_t length = SkipPlainBytes(p, limit);
  while (length < limit && !IsLineEnd(p[length])) length++;
  memcpy(line->text, p, length);
  line->text[length] = '\0';
  line->length = static_cast<int>(length);
  line->end[0] = '\0';
  uint32_t used = length;
  if (length < limit) used += TakeEnd(p + length, available - length, line->end);
  r->offset += used;
  return 1;
}
