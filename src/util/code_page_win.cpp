#include "util/code_page.h"

#include <windows.h>

#include <climits>

namespace kov {

namespace {

// Under a UTF-8 process code page GetACP() gives 65001; the system locale still names
// the code page that programs without Unicode support use.
UINT LegacyCodePage() {
  DWORD codePage = 0;
  const int got = GetLocaleInfoEx(LOCALE_NAME_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                  reinterpret_cast<LPWSTR>(&codePage), sizeof codePage / sizeof(WCHAR));
  return got > 0 && codePage != 0 && codePage != CP_UTF8 ? codePage : 1252;
}

}  // namespace

std::string LegacyToUtf8(const std::string& legacy) {
  if (legacy.empty() || legacy.size() > INT_MAX) return std::string();
  static const UINT codePage = LegacyCodePage();
  const int legacyLength = static_cast<int>(legacy.size());
  const int wideLength = MultiByteToWideChar(codePage, 0, legacy.data(), legacyLength, nullptr, 0);
  if (wideLength <= 0) return std::string();
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(codePage, 0, legacy.data(), legacyLength, wide.data(), wideLength);
  const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

}  // namespace kov
