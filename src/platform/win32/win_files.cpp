// Files beyond C stdio.
#include <windows.h>

#include "platform/platform.h"

bool PlatformReplaceFile(const char* source, const char* target) {
  return MoveFileExA(source, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
