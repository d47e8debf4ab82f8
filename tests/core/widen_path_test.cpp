#include <gtest/gtest.h>

#include "shell/widen_path.h"
#include "util/code_page.h"

namespace kov {
namespace {

TEST(DecodeUtf8, DecodesEveryLengthAndSupplementaryCharactersAsPairs) {
  EXPECT_EQ(DecodeUtf8("abc"), L"abc");
  EXPECT_EQ(DecodeUtf8("\xC3\xA9"), std::wstring(1, wchar_t{0xE9}));
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC"), std::wstring(1, wchar_t{0x20AC}));
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), (std::wstring{wchar_t{0xD83D}, wchar_t{0xDE00}}));
  EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF"), (std::wstring{wchar_t{0xDBFF}, wchar_t{0xDFFF}}));
  EXPECT_EQ(DecodeUtf8(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(DecodeUtf8, MalformedInputGivesNothing) {
  for (const char* bad : {"",                  // nothing to decode
                          "D\xE9j\xE0",        // Windows-1252 accents
                          "\x80",              // stray continuation byte
                          "\xC3",              // truncated at the end
                          "\xC3(",             // missing continuation
                          "\xE2\x82",          // truncated three-byte form
                          "\xC0\xAF",          // overlong "/"
                          "\xE0\x80\xAF",      // overlong three-byte
                          "\xF0\x80\x80\xAF",  // overlong four-byte
                          "\xED\xA0\x80",      // surrogate D800
                          "\xED\xBF\xBF",      // surrogate DFFF
                          "\xF4\x90\x80\x80",  // above U+10FFFF
                          "\xF8\x88\x80\x80\x80", "\xFF"}) {
    EXPECT_EQ(DecodeUtf8(bad), L"") << testing::PrintToString(std::string(bad));
  }
}

TEST(LegacyToUtf8, ConvertsTheWesternCodePage) {
  EXPECT_EQ(LegacyToUtf8("D\xE9j\xE0"), "D\xC3\xA9j\xC3\xA0");
  EXPECT_EQ(LegacyToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(LegacyToUtf8("\x9F"), "\xC5\xB8");
  EXPECT_EQ(LegacyToUtf8(""), "");
}

TEST(WidenPath, PlainNamesAndPathsKeepTheirCharacters) {
  EXPECT_EQ(WidenPath("GodMode.{ED7BA470-8E54-465E-825C-99712043E01C}"),
            L"GodMode.{ED7BA470-8E54-465E-825C-99712043E01C}");
  EXPECT_EQ(WidenPath("C:\\Data\\Sub"), L"C:\\Data\\Sub");
  EXPECT_EQ(WidenPath(""), L"");
}

TEST(WidenPath, DoubledBackslashesCollapseAndATrailingOneStaysOnlyWhenGiven) {
  EXPECT_EQ(WidenPath("C:\\Data\\\\Sub\\"), L"C:\\Data\\Sub\\");
  EXPECT_EQ(WidenPath("C:\\Data\\\\\\Sub"), L"C:\\Data\\Sub");
  EXPECT_EQ(WidenPath("C:\\"), L"C:\\");
  EXPECT_EQ(WidenPath("C:\\Data\\\\"), L"C:\\Data\\");
}

TEST(WidenPath, NetworkAndRootPathsKeepTheirLeadingBackslashes) {
  EXPECT_EQ(WidenPath("\\\\server\\share\\dir"), L"\\\\server\\share\\dir");
  EXPECT_EQ(WidenPath("\\\\server\\share\\"), L"\\\\server\\share\\");
  EXPECT_EQ(WidenPath("\\\\server"), L"\\\\server");
  EXPECT_EQ(WidenPath("\\Data\\Sub"), L"\\Data\\Sub");
  EXPECT_EQ(WidenPath("\\Data"), L"\\Data");
  EXPECT_EQ(WidenPath("\\"), L"\\");
}

TEST(WidenPath, EachComponentIsReadAsUtf8OrAnsiByItself) {
  const std::wstring cafeDejaVu = L"C:\\Caf\u00e9\\D\u00e9j\u00e0";
  EXPECT_EQ(WidenPath("C:\\Caf\xC3\xA9\\D\xE9j\xE0"), cafeDejaVu);
  EXPECT_EQ(WidenPath("C:\\Caf\xE9\\D\xC3\xA9j\xC3\xA0"), cafeDejaVu);
  EXPECT_EQ(WidenPath("C:\\Caf\xE9\\D\xE9j\xE0\\"), cafeDejaVu + L"\\");
  EXPECT_EQ(WidenPath("\\\\h\xC3\xB4te\\d\xE9p\xF4t"), L"\\\\h\u00f4te\\d\u00e9p\u00f4t");
  // Without a backslash the whole name is judged at once.
  EXPECT_EQ(WidenPath("Caf\xC3\xA9"), L"Caf\u00e9");
  EXPECT_EQ(WidenPath("Caf\xE9"), L"Caf\u00e9");
  EXPECT_EQ(WidenPath("\x80uro\\\xE2\x82\xAC"), L"\u20acuro\\\u20ac");
}

TEST(WidenPath, EveryComponentOfAVeryDeepPathIsReadOnItsOwn) {
  std::string deep;
  for (int i = 0; i < 1001; ++i) deep += "c\\";
  const std::wstring widened = WidenPath(deep + "a\\\\b");
  EXPECT_EQ(widened.substr(widened.size() - 5), L"c\\a\\b");
}

}  // namespace
}  // namespace kov
