// Splits a file into the lines of the text format: a line ends at CR, LF
// or NUL (CR LF and LF CR are one end), and a line longer than 1023
// characters is split after its 1023rd. The file is read in large chunks.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr int kMaxLineLength = 1023;
constexpr uint32_t kLineChunkSize = 64 * 1024;

struct TextLine {
  char text[kMaxLineLength + 1];  // without its end
  int length;
  char end[3];  // the CR and LF characters that ended it; empty for NUL or none
};

struct LineReader {
  FILE* file;
  uint32_t size;    // reading stops at this offset
  uint32_t offset;  // file offset of the next line
  uint32_t bufferStart;
  uint32_t bufferLength;
  bool failed;
  unsigned char buffer[kLineChunkSize];
};

// Starts reading at `offset`.
void StartLineReader(LineReader* reader, FILE* file, uint32_t offset, uint32_t size);

// 1 when a line was read, 0 at the end, -1 when the file cannot be read
// (including a file that ends before its size).
int ReadLine(LineReader* reader, TextLine* line);
