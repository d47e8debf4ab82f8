#include <gtest/gtest.h>

#include "util/text.h"
#include "util/utf8.h"

namespace kov {
namespace {

TEST(SplitFields, EmptyTextLeavesTheArrayAsItWas) {
  FieldArray fields = {"", "keep"};
  EXPECT_EQ(SplitFields("", "*", fields, 99), 0);
  EXPECT_EQ(fields[1], "keep");
}

TEST(SplitFields, EmptyFieldsFallWhereTheSeparatorsAre) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a*b**", "*", fields, 99), 4);
  EXPECT_EQ(fields[1], "a");
  EXPECT_EQ(fields[2], "b");
  EXPECT_EQ(fields[3], "");
  EXPECT_EQ(fields[4], "");
  ASSERT_EQ(SplitFields("*a*", "*", fields, 99), 3);
  EXPECT_EQ(fields[1], "");
  EXPECT_EQ(fields[2], "a");
  EXPECT_EQ(fields[3], "");
  ASSERT_EQ(SplitFields("abc", "*", fields, 99), 1);
  EXPECT_EQ(fields[1], "abc");
}

TEST(SplitFields, ShorterSplitKeepsOlderFieldsAboveTheCount) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a*b*c", "*", fields, 99), 3);
  ASSERT_EQ(SplitFields("x", "*", fields, 99), 1);
  EXPECT_EQ(fields[1], "x");
  EXPECT_EQ(fields[2], "b");
  EXPECT_EQ(fields[3], "c");
}

TEST(SplitFields, SpaceSeparatorNormalisesFirst) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("  a   b ", " ", fields, 99), 2);
  EXPECT_EQ(fields[1], "a");
  EXPECT_EQ(fields[2], "b");
  EXPECT_EQ(SplitFields("    ", " ", fields, 99), 0);
}

TEST(SplitFields, OverlappingSeparatorMatchesAtSuccessivePositions) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a***b", "**", fields, 99), 3);
  EXPECT_EQ(fields[1], "a");
  EXPECT_EQ(fields[2], "");
  EXPECT_EQ(fields[3], "b");
  ASSERT_EQ(SplitFields("a\r\nb\r\n", "\r\n", fields, 99), 3);
  EXPECT_EQ(fields[2], "b");
  EXPECT_EQ(fields[3], "");
}

TEST(SplitFields, GrowsWithTheFieldsFoundNotWithTheHighestIndex) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a*b", "*", fields, 3000000), 2);
  EXPECT_LE(fields.size(), 3u);
}

TEST(SplitFields, SurplusFieldsAreJoinedIntoTheLastElement) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a*b*c*d", "*", fields, 3), 3);
  EXPECT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[2], "b");
  EXPECT_EQ(fields[3], "c*d");
}

TEST(SplitFields, EmptySeparatorGivesTheWholeText) {
  FieldArray fields;
  ASSERT_EQ(SplitFields("a*b", "", fields, 99), 1);
  EXPECT_EQ(fields[1], "a*b");
}

TEST(TrimText, Modes) {
  EXPECT_EQ(TrimText(" \t \t ", 13), "");
  EXPECT_EQ(TrimText("\tab  cd ", 13), "ab  cd");
  EXPECT_EQ(TrimText("  a   b  ", 7), "a b");
  EXPECT_EQ(TrimText(" a b ", 0), "ab");
  EXPECT_EQ(TrimText("\t a\t", 0), "\ta\t");
  EXPECT_EQ(TrimText("a\tb c", -1), "abc");
  EXPECT_EQ(TrimText("ab \t", 20), "ab ");
  EXPECT_EQ(TrimText("\t\tab", 32), "ab");
  EXPECT_EQ(TrimText("  ", 64), "");
  EXPECT_EQ(TrimText(" a\r\n ", 5), "a\r\n");
}

TEST(ReplaceAll, EdgesAndNonOverlappingScan) {
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAll("a.b.c", ".", ""), "abc");
  EXPECT_EQ(ReplaceAll("aaaa", "aa", "b"), "bb");
  EXPECT_EQ(ReplaceAll("aaaaa", "aa", "b"), "bba");
  EXPECT_EQ(ReplaceAll("Abc", "a", "x"), "Abc");
  EXPECT_EQ(ReplaceAll("a", "a", "aa"), "aa");
  EXPECT_EQ(ReplaceAll("c:\\kovrant.exe", ".exe", ".ini"), "c:\\kovrant.ini");
}

TEST(CountOccurrences, LeftmostWithoutOverlap) {
  EXPECT_EQ(CountOccurrences("aaaaa", "aa"), 2);
  EXPECT_EQ(CountOccurrences("aaaa", "aaa"), 1);
  EXPECT_EQ(CountOccurrences("", "a"), 0);
  EXPECT_EQ(CountOccurrences("abc", ""), 0);
}

TEST(TextToInt, NotANumberGivesZero) {
  for (const char* text : {"", " ", "abc", "-", "x", "\t5", "- 5"}) EXPECT_EQ(TextToInt(text), 0) << text;
}

TEST(TextToInt, TrailingTextDropsTheSign) {
  for (const char* text : {" 12", "12 ", "12ab", "-12ab", "+12"}) EXPECT_EQ(TextToInt(text), 12) << text;
  EXPECT_EQ(TextToInt("-12"), -12);
  EXPECT_EQ(TextToInt("007"), 7);
}

TEST(TextToInt, Hexadecimal) {
  for (const char* text : {"$1A", "x1a", "0X1A", "X1a"}) EXPECT_EQ(TextToInt(text), 26) << text;
  EXPECT_EQ(TextToInt("-0x10"), -16);
  EXPECT_EQ(TextToInt("0x1g"), 1);
}

TEST(TextToInt, OutOfRangeStopsOrClamps) {
  EXPECT_EQ(TextToInt("2147483647"), 2147483647);
  EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(TextToInt("2147483649"), 2147483647);
  EXPECT_EQ(TextToInt("99999999999"), 999999999);
  EXPECT_EQ(TextToInt("0xFFFFFFFF"), 2147483647);
  EXPECT_EQ(TextToInt("0x1FFFFFFFF"), 0x1FFFFFFF);
}

TEST(Searches, PositionsAreOneBasedAndZeroMeansNone) {
  EXPECT_EQ(PosFrom("a\\b\\c", "\\", 3), 4);
  EXPECT_EQ(PosFrom("a\\b\\c", "\\", 5), 0);
  EXPECT_EQ(PosFrom("a\\b\\c", "\\", -3), 2);
  EXPECT_EQ(PosFrom("a\\b\\c", "\\", 0), 0);
  EXPECT_EQ(PosFrom("abcab", "ab", -5), 4);
  EXPECT_EQ(PosFrom("abcab", "ab", -3), 1);
  EXPECT_EQ(PosFrom("abc", "bc", 99), 0);
  EXPECT_EQ(PosFrom("abc", "abcd", -9), 0);
  EXPECT_EQ(TextPos("abc", ""), 0);
  EXPECT_EQ(TextPos("", "a"), 0);
  EXPECT_EQ(TextPos("abcabc", "ca"), 3);
  EXPECT_EQ(LastCharPos("a\\b\\", '\\'), 4);
  EXPECT_EQ(LastCharPos("", '\\'), 0);
}

TEST(Copies, OutOfRangeGivesEmptyOrWholeText) {
  EXPECT_EQ(LeftText("abcdef", -2), "abcd");
  EXPECT_EQ(LeftText("ab", -5), "");
  EXPECT_EQ(LeftText("ab", 9), "ab");
  EXPECT_EQ(RightText("abc", 5), "abc");
  EXPECT_EQ(RightText("abc", 2), "bc");
  EXPECT_EQ(RightText("abc", -1), "");
  EXPECT_EQ(TailFrom("abc", 0), "abc");
  EXPECT_EQ(TailFrom("abc", 3), "c");
  EXPECT_EQ(TailFrom("abc", 4), "");
  EXPECT_EQ(IntText(-9000000000LL), "-9000000000");
}

TEST(SlashMode, AppendsAndRemovesOneBackslash) {
  EXPECT_EQ(SlashMode("", 0), "");
  EXPECT_EQ(SlashMode("", 1), "");
  EXPECT_EQ(SlashMode("C:\\", 0), "C:\\");
  EXPECT_EQ(SlashMode("C:\\Tools", 0), "C:\\Tools\\");
  EXPECT_EQ(SlashMode("C:\\Tools\\\\", 1), "C:\\Tools\\");
  EXPECT_EQ(SlashMode("C:\\Tools\\", 2), "C:\\Tools\\");
}

TEST(Utf8, TextIsCutBetweenCharactersOnly) {
  EXPECT_EQ(CutAtCharacter("ab\u0436c", 3), "ab");
  EXPECT_EQ(CutAtCharacter("ab\u0436c", 4), "ab\u0436");
  EXPECT_EQ(CutAtCharacter("\U0001F600", 3), "");
  EXPECT_EQ(CutAtCharacter("abc", 9), "abc");
}

// Captions, folders and paths compare ignoring case in every script, and bytes that are
// not UTF-8 are kept as they are.
TEST(CaseMapping, EveryScriptAndNoCorruption) {
  EXPECT_EQ(UpperText("abc \u00e9\u00ff \u0436\u0443\u043a \u03c9 \U0001F600"),
            "ABC \u00c9\u0178 \u0416\u0423\u041a \u03a9 \U0001F600");
  EXPECT_EQ(LowerText("\u00c9\u0416\u03a9\u00d7"), "\u00e9\u0436\u03c9\u00d7");
  EXPECT_EQ(UpperText("a\xE9\xC3(b"), "A\xE9\xC3(B");
  EXPECT_EQ(UpperText(std::string("a\0b", 3)), std::string("A\0B", 3));
  EXPECT_TRUE(StartsWithIgnoringCase("tools\\net\\*x", "TOOLS\\"));
  EXPECT_TRUE(StartsWithIgnoringCase("\u0436\u0443\u043a\\*", UpperText("\u0416\u0443\u043a\\*")));
  EXPECT_FALSE(StartsWithIgnoringCase("tools2\\*", "TOOLS\\"));
  EXPECT_FALSE(StartsWithIgnoringCase("to", "TOOLS"));
  EXPECT_EQ(PrefixLengthIgnoringCase("\u0436\u0443\u043a\\x", "\u0416\u0423\u041a\\"), 7u);
}

}  // namespace
}  // namespace kov
