#include "shared/nocase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(FindNoCaseTest, FindsTheFirstOccurrenceIgnoringCase) {
  const struct {
    const char* text;
    const char* part;
    int expected;
  } cases[] = {
      {"Hello World", "world", 6},
      {"abc", "ABC", 0},
      {"TYPE {Enter}", "{ENTER}", 5},
      {"C:\\Rec\\demo.MVK", ".mvk", 11},
      {"aab", "ab", 1},   // a partial match does not skip the next start
      {"abab", "ab", 0},  // the first of several
      {"xyz", "z", 2},    // at the very end
      {"abc", "abcd", -1},
      {"ab", "b c", -1},
      {"Notepad", "pad ", -1},
      {"\xC4pfel", "\xC4PFEL", 0},  // bytes above 127 compare without sign trouble
      {"", "a", -1},
      {"a", "", -1},
      {nullptr, "a", -1},
      {"a", nullptr, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.text ? c.text : "null") + " / " + (c.part ? c.part : "null"));
    EXPECT_EQ(FindNoCase(c.text, c.part), c.expected);
  }
}

TEST(EqualNoCaseTest, ComparesWholeTextsIgnoringCase) {
  const struct {
    const char* a;
    const char* b;
    bool equal;
  } cases[] = {
      {"C:\\Rec\\Demo.MVX", "c:\\rec\\demo.mvx", true},
      {"", "", true},
      {"demo.mvx", "demo.mvx ", false},  // a prefix is not equal
      {"demo", "", false},
      {"a", "b", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " / " + c.b);
    EXPECT_EQ(EqualNoCase(c.a, c.b), c.equal);
    EXPECT_EQ(EqualNoCase(c.b, c.a), c.equal);
  }
}

// Runs ReplaceAllNoCase on a heap buffer of exactly `capacity` bytes, so the
// sanitizer sees any write past it.
std::pair<std::string, int> Replaced(const std::string& text, size_t capacity, const char* part,
                                     const char* replacement) {
  std::vector<char> buffer(capacity);
  memcpy(buffer.data(), text.c_str(), text.size() + 1);
  int count = ReplaceAllNoCase(buffer.data(), capacity, part, replacement);
  return {std::string(buffer.data()), count};
}

TEST(ReplaceAllNoCaseTest, ReplacesEveryOccurrenceInPlace) {
  const struct {
    std::string text;
    const char* part;
    const char* replacement;
    std::string expected;
    int count;
  } cases[] = {
      {"Date {DATE}, again {date}.", "{date}", "03/05/2002", "Date 03/05/2002, again 03/05/2002.",
       2},
      {"A{Enter}B", "{ENTER}", "\r", "A\rB", 1},
      {"aXa", "a", "aa", "aaXaa", 2},  // a replacement is not searched again
      {"loop", "o", "oo", "loooop", 2},
      {"{enter}{enter}", "{enter}", "", "", 2},  // shrinks to nothing
      {"one two", "one", "three", "three two", 1},
      {"abcabc", "abc", "x", "xx", 2},
      {"abc", "z", "y", "abc", 0},
      {"abc", "", "y", "abc", 0},
      {"", "a", "b", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("[" + c.text + "] " + c.part + " -> " + c.replacement);
    EXPECT_EQ(Replaced(c.text, 64, c.part, c.replacement), std::make_pair(c.expected, c.count));
  }
}

TEST(ReplaceAllNoCaseTest, ResultIsCutAtCapacityLessOne) {
  const struct {
    std::string text;
    size_t capacity;
    const char* part;
    const char* replacement;
    std::string expected;
  } cases[] = {
      {"aXb", 6, "x", "123", "a123b"},  // exactly fits
      {"aXb", 5, "x", "123", "a123"},   // the tail is cut
      {"aXb", 4, "x", "123", "a12"},    // the replacement is cut
      {"XXXX", 8, "x", "ab", "abababa"},
      {"{date}{date}", 13, "{date}", "03/05/2002", "03/05/2002{d"},
      {"ab", 3, "a", "long", "lo"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("[" + c.text + "] in " + std::to_string(c.capacity) + " bytes");
    auto result = Replaced(c.text, c.capacity, c.part, c.replacement);
    EXPECT_EQ(result.first, c.expected);
    EXPECT_GE(result.second, 1);
  }
}

TEST(ReplaceAllNoCaseTest, WorkingTextIsCutAt1023Characters) {
  const std::string text = "{random}" + std::string(995, '.') + "{random}";
  auto result = Replaced(text, 1024, "{RANDOM}", "1234567890123456");
  EXPECT_EQ(result.first,
            "1234567890123456" + std::string(995, '.') + "123456789012");  // 1023 characters
  EXPECT_EQ(result.second, 2);
}

TEST(ReplaceAllNoCaseTest, MissingArgumentReplacesNothing) {
  char text[16] = "abc";
  EXPECT_EQ(ReplaceAllNoCase(nullptr, 16, "a", "b"), 0);
  EXPECT_EQ(ReplaceAllNoCase(text, sizeof text, nullptr, "b"), 0);
  EXPECT_EQ(ReplaceAllNoCase(text, sizeof text, "a", nullptr), 0);
  EXPECT_EQ(ReplaceAllNoCase(text, 0, "a", "b"), 0);
  EXPECT_STREQ(text, "abc");
}

}  // namespace
