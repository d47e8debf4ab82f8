#include "util/wide_text_win.h"

#include <windows.h>

#include <climits>

namespace kov {

namespace {

std::string Convert(const std::wstring& wide, DWORD flags, BOOL* usedDefault) {
  if (wide.empty() || wide.size() > INT_MAX) return std::string();
  const int wideLength = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, nullptr, 0, nullptr, usedDefault);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), wideLength, text.data(), length, nullptr, usedDefault);
  return text;
}

}  // namespace

std::optional<std::string> ExactProcessText(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  // The UTF-8 conversion takes no default character; it refuses broken UTF-16 instead.
  if (GetACP() == CP_UTF8) {
    std::string text = Convert(wide, WC_ERR_INVALID_CHARS, nullptr);
    if (text.empty()) return std::nullopt;
    return text;
  }
  BOOL usedDefault = FALSE;
  std::string text = Convert(wide, WC_NO_BEST_FIT_CHARS, &usedDefault);
  if (text.empty() || usedDefault) return std::nullopt;
  return text;
}

std::string ShownProcessText(const std::wstring& wide) { return Convert(wide, 0, nullptr); }

}  // namespace kov
