// Files beyond C stdio: the tests use real files in private folders.
#include <cstdio>

#include "fake_platform.h"

bool PlatformReplaceFile(const char* source, const char* target) {
  return rename(source, target) == 0;
}
