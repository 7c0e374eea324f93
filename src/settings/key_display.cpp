#include "settings/key_display.h"

#include <cstdio>

namespace {

struct KeyDisplay {
  uint8_t key;
  const char* name;
};

constexpr KeyDisplay kNamedKeys[] = {
    {9, "Tab"},          {13, "Enter"}, {19, "Pause"},  {20, "Caps"},  {27, "Escape"},
    {32, "Space"},       {33, "PgUp"},  {34, "PgDn"},   {35, "End"},   {36, "Home"},
    {37, "Left"},        {38, "Up"},    {39, "Right"},  {40, "Down"},  {44, "PrtScr"},
    {45, "Insert"},      {46, "Del"},   {91, "Winkey"}, {106, "Num*"}, {107, "Num+"},
    {108, "Num Sep"},    {109, "Num-"}, {110, "Num."},  {111, "Num/"}, {144, "NumLock"},
    {145, "ScrollLock"}, {186, ";"},    {187, "="},     {188, ","},    {189, "-"},
    {190, "."},          {191, "/"},    {192, "`"},     {219, "["},    {220, "\\"},
    {221, "]"},          {222, "'"},
};

}  // namespace

void VirtualKeyToKeyName(uint8_t key, char* out) {
  out[0] = '\0';
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    snprintf(out, kKeyNameSize, "%c", key);
  } else if (key >= 96 && key <= 105) {
    snprintf(out, kKeyNameSize, "Num%d", key - 96);
  } else if (key >= 112 && key <= 135) {
    snprintf(out, kKeyNameSize, "F%d", key - 111);
  } else {
    for (const KeyDisplay& k : kNamedKeys) {
      if (k.key == key) snprintf(out, kKeyNameSize, "%s", k.name);
    }
  }
}
