#include "playback/key_names.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/key_display.h"
#include "shared/char_keys.h"

namespace {

int KeyOf(const std::string& name) {
  char text[64];
  snprintf(text, sizeof text, "%s", name.c_str());
  return KeyNameToVirtualKey(text);
}

TEST(CharToVirtualKeyTest, FollowsTheUsLayout) {
  const struct {
    char character;
    int key;
    bool shift;
  } cases[] = {
      {'A', 65, true},      {'Z', 90, true},      {'a', 65, false},   {'z', 90, false},
      {'0', 48, false},     {'9', 57, false},     {'\t', 9, false},   {'\n', 13, false},
      {'\r', 13, false},    {' ', 32, false},     {'!', 49, true},    {'@', 50, true},
      {'#', 51, true},      {'^', 54, true},      {'(', 57, true},    {')', 48, true},
      {';', 186, false},    {':', 186, true},     {'=', 187, false},  {'+', 187, true},
      {',', 188, false},    {'<', 188, true},     {'-', 189, false},  {'_', 189, true},
      {'.', 190, false},    {'>', 190, true},     {'/', 191, false},  {'?', 191, true},
      {'`', 192, false},    {'~', 192, true},     {'[', 219, false},  {'{', 219, true},
      {'\\', 220, false},   {'|', 220, true},     {']', 221, false},  {'}', 221, true},
      {'\'', 222, false},   {'"', 222, true},     {'\x01', 1, false}, {'\x7f', 127, false},
      {'\xe9', 233, false}, {'\xff', 255, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.character)));
    bool shift = !c.shift;
    EXPECT_EQ(CharToVirtualKey(c.character, &shift), c.key);
    EXPECT_EQ(shift, c.shift);
  }
}

TEST(KeyNameToVirtualKeyTest, NamesGiveTheirKeys) {
  const struct {
    const char* name;
    int key;
  } cases[] = {
      {"F1", 112},
      {"f12", 123},
      {"F24", 135},
      {"{F5}", 116},
      {"{f1}", 112},
      {"{F10}", 121},
      {"{F12}", 123},
      {"{F24}", 135},
      {"{F25}", 219},
      {"F7 = Start Recording", 118},
      {"F", 70},
      {"Fred", 70},
      {"Hello {Fred}", 72},
      {"F1x2", 70},
      {"Page Down", 34},
      {"{pagedown}", 34},
      {"PgUp", 33},
      {"Backspace", 8},
      {"{backspace}", 8},
      {" ", 32},
      {"Space", 32},
      {"Enter", 13},
      {"{return}", 13},
      {"Ctrl", 17},
      {"Control", 17},
      {"Tab", 9},
      {"Pause", 19},
      {"Escape", 27},
      {"{esc}", 27},
      {"End", 35},
      {"Home", 36},
      {"{left}", 37},
      {"{up}", 38},
      {"Right", 39},
      {"Down", 40},
      {"{insert}", 45},
      {"{delete}", 46},
      {"PrtScr", 44},
      {"Print", 44},
      {"Caps", 20},
      {"NumLock", 144},
      {"ScrollLock", 145},
      {"Num0", 96},
      {"Num9", 105},
      {"Num*", 106},
      {"{add}", 107},
      {"NumSep", 108},
      {"Num Sep", 108},
      {"{subtract}", 109},
      {"{decimal}", 110},
      {"{divide}", 111},
      {"{winkey}", 91},
      {"{winkeyl}", 91},
      {"{winkeyr}", 92},
      {"{appkey}", 93},
      {"a", 65},
      {"7", 55},
      {";", 186},
      {"\\", 220},
      {"", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(KeyOf(c.name), c.key);
  }
}

TEST(KeyNameToVirtualKeyTest, CutsTheNameAtTheEqualsSignInPlace) {
  char entry[] = "Ctrl + Shift + F7 = Start Recording";
  EXPECT_EQ(KeyNameToVirtualKey(entry + 15), 118);
  EXPECT_STREQ(entry, "Ctrl + Shift + F7");
}

TEST(VirtualKeyToKeyNameTest, NamesTheKeys) {
  const struct {
    int key;
    const char* name;
  } cases[] = {
      {9, "Tab"},     {13, "Enter"},    {19, "Pause"}, {20, "Caps"},     {27, "Escape"},
      {32, "Space"},  {33, "PgUp"},     {34, "PgDn"},  {35, "End"},      {36, "Home"},
      {37, "Left"},   {38, "Up"},       {39, "Right"}, {40, "Down"},     {44, "PrtScr"},
      {45, "Insert"}, {46, "Del"},      {48, "0"},     {57, "9"},        {65, "A"},
      {90, "Z"},      {91, "Winkey"},   {96, "Num0"},  {105, "Num9"},    {106, "Num*"},
      {107, "Num+"},  {108, "Num Sep"}, {109, "Num-"}, {110, "Num."},    {111, "Num/"},
      {112, "F1"},    {123, "F12"},     {135, "F24"},  {144, "NumLock"}, {145, "ScrollLock"},
      {186, ";"},     {187, "="},       {188, ","},    {189, "-"},       {190, "."},
      {191, "/"},     {192, "`"},       {219, "["},    {220, "\\"},      {221, "]"},
      {222, "'"},     {0, ""},          {8, ""},       {16, ""},         {17, ""},
      {18, ""},       {47, ""},         {58, ""},      {64, ""},         {92, ""},
      {136, ""},      {146, ""},        {223, ""},     {255, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    char name[kKeyNameSize] = "garbage";
    VirtualKeyToKeyName(static_cast<uint8_t>(c.key), name);
    EXPECT_STREQ(name, c.name);
  }
}

// The Mapping editor turns a listed key name back into its code: every
// name shown must read back as its own key.
TEST(VirtualKeyToKeyNameTest, EveryNameReadsBackAsItsKey) {
  int named = 0;
  for (int key = 0; key < 256; key++) {
    char name[kKeyNameSize];
    VirtualKeyToKeyName(static_cast<uint8_t>(key), name);
    if (name[0] == '\0') continue;
    named++;
    SCOPED_TRACE(name);
    EXPECT_EQ(KeyNameToVirtualKey(name), key);
  }
  EXPECT_EQ(named, 107);
}

}  // namespace
