#include "store/state_words.h"

#include <algorithm>
#include <array>

namespace kov {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

std::vector<std::string_view> Pieces(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    pieces.push_back(Trimmed(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
    if (end == std::string_view::npos) return pieces;
    start = end + 1;
  }
}

void AppendDigits(Text& text, std::int64_t number, int digits) {
  std::array<char, 24> buffer{};
  char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number).ptr;
  text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, digits - (end - buffer.data()))), '0');
  text.append(buffer.data(), end);
}

}  // namespace kov
