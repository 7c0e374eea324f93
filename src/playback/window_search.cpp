#include "playback/window_search.h"

#include "platform/platform.h"
#include "shared/nocase.h"

namespace {

struct Search {
  const char* text;
  uint32_t found;
};

bool Match(uint32_t window, const char* title, void* context) {
  Search* search = static_cast<Search*>(context);
  if (FindNoCase(title, search->text) < 0) return true;
  search->found = window;
  return false;
}

}  // namespace

uint32_t FindWindowByTitle(const char* text) {
  Search search = {text, 0};
  PlatformEnumWindows(Match, &search);
  return search.found;
}
