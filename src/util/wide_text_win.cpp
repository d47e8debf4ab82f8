#include "util/wide_text_win.h"

#include <windows.h>

#include <algorithm>
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

std::wstring WideText(const std::string& utf8) {
  if (utf8.empty() || utf8.size() > INT_MAX) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
  return wide;
}

std::string Utf8Text(const std::wstring& wide) {
  if (wide.empty() || wide.size() > INT_MAX) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::string WindowTextOf(HWND window) {
  // One call reads a short text (a search's letters at each keystroke); a text that may
  // have been cut there is measured and read whole.
  constexpr int kShortText = 256;
  std::wstring text(kShortText, L'\0');
  int length = GetWindowTextW(window, text.data(), kShortText);
  if (length >= kShortText - 1) {
    text.assign(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  }
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return Utf8Text(text);
}

void SetWindowTextOf(HWND window, const std::string& utf8) { SetWindowTextW(window, WideText(utf8).c_str()); }

}  // namespace kov
