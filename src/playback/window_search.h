// Finding a top-level window by any part of its title, in any case.
#pragma once

#include <cstdint>

uint32_t FindWindowByTitle(const char* text);
