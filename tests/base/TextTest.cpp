#include "base/Text.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(AnsiCodec, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(ToAnsi(FromAnsi(all)), all);
}

TEST(AnsiCodec, MapsTheWindows1252Characters) {
  EXPECT_EQ(FromAnsi("\x80"), "\u20AC");
  EXPECT_EQ(FromAnsi("\x8A\x9F"), "\u0160\u0178");
  EXPECT_EQ(FromAnsi("\xE9"), "\u00E9");
  EXPECT_EQ(ToAnsi("caf\u00E9 \u2013 \u20AC"), "caf\xE9 \x96 \x80");
}

TEST(AnsiCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(ToAnsi("a\u4E2Db\U0001F600c"), "a?b?c");
  EXPECT_EQ(ToAnsi(std::string("x\xFFy", 3)), "x?y");  // malformed UTF-8
}

TEST(VbStrings, TrimRemovesOnlyBlanks) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(LTrim("  a "), "a ");
  EXPECT_EQ(RTrim(" a  "), " a");
  EXPECT_EQ(Trim("   "), "");
}

TEST(VbStrings, PositionsCountCharacters) {
  const std::string text = "\u00C4pfel und Birnen";
  EXPECT_EQ(Len(text), 16);
  EXPECT_EQ(Left(text, 5), "\u00C4pfel");
  EXPECT_EQ(Mid(text, 7, 3), "und");
  EXPECT_EQ(Right(text, 6), "Birnen");
  EXPECT_EQ(Mid(text, 40), "");
  EXPECT_EQ(InStr(text, "und"), 7);
}

TEST(VbStrings, InStr) {
  struct Case {
    int start;
    const char* text;
    const char* find;
    Compare compare;
    int expected;
  };
  const Case cases[] = {
      {1, "abcabc", "c", Compare::Binary, 3}, {4, "abcabc", "c", Compare::Binary, 6},
      {1, "abc", "C", Compare::Binary, 0},    {1, "abc", "C", Compare::Text, 3},
      {1, "ÄBC", "äb", Compare::Text, 1},     {2, "abc", "", Compare::Binary, 2},
      {5, "abc", "", Compare::Binary, 0},     {1, "", "a", Compare::Binary, 0},
      {1, "a%b%", "%", Compare::Binary, 2},   {4, "a%b%", "%", Compare::Binary, 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InStr(c.start, c.text, c.find, c.compare), c.expected)
        << c.text << " / " << c.find << " from " << c.start;
  }
}

TEST(VbStrings, Replace) {
  EXPECT_EQ(Replace("a|b|c", "|", ", "), "a, b, c");
  EXPECT_EQ(Replace("Re: RE: re:", "re:", "", Compare::Text), "  ");
  EXPECT_EQ(Replace("Re: RE: re:", "re:", ""), "Re: RE: ");
  EXPECT_EQ(Replace("aaa", "aa", "b"), "ba");
  EXPECT_EQ(Replace("abc", "", "x"), "abc");
  EXPECT_EQ(Replace("a.a.a", ".", "-", Compare::Binary, 1), "a-a.a");
}

TEST(VbStrings, SplitAndJoin) {
  EXPECT_TRUE(Split("", "|").empty());
  EXPECT_EQ(Split("a||b", "|"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(Split("a|", "|"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(Split("abc", ""), (std::vector<std::string>{"abc"}));
  EXPECT_EQ(Split("one AND two and three", " and ", Compare::Text),
            (std::vector<std::string>{"one", "two", "three"}));
  EXPECT_EQ(Join({"a", "", "b"}, "|"), "a||b");
}

TEST(VbStrings, CaseInsensitiveComparison) {
  EXPECT_TRUE(TextEquals("Inbox", "INBOX"));
  EXPECT_TRUE(TextEquals("\u00C9t\u00E9", "\u00E9T\u00C9"));
  EXPECT_FALSE(TextEquals("Inbox", "Inbo"));
  EXPECT_LT(TextCompare("apple", "Banana"), 0);
  EXPECT_EQ(UCase("stra\u00DFe \u00E9\u0161"), "STRA\u00DFE \u00C9\u0160");
  EXPECT_EQ(LCase("\u0178ES"), "\u00FFes");
}

}  // namespace
}  // namespace kov
