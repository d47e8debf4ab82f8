#include "util/code_page.h"

#include <windows.h>

#include <climits>

namespace kov {

std::string AnsiToUtf8(const std::string& ansi) {
  if (ansi.empty() || ansi.size() > INT_MAX) return std::string();
  const int ansiLength = static_cast<int>(ansi.size());
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, nullptr, 0);
  if (wideLength <= 0) return std::string();
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), ansiLength, wide.data(), wideLength);
  const int utf8Length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (utf8Length <= 0) return std::string();
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

}  // namespace kov
