#include "settings/list_text.h"

#include <cstring>

void CutForList(char* text, size_t shown) {
  if (strlen(text) >= shown) strcpy(text + shown, "...");
}

void LineBreaksToSpaces(char* entry) {
  for (char* p = entry; *p != '\0'; p++) {
    if (*p == '\n' || *p == '\r') *p = ' ';
  }
}
