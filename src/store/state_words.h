// The words of the state file's lines, which a user may edit by hand: blanks around
// them are left out, names are read in any letter case, numbers are whole.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "util/text.h"

namespace kov {

bool IsBlank(char c);
// The text without the blanks around it.
std::string_view Trimmed(std::string_view text);
char AsciiLower(char c);
// Whether two words are the same but for the case of their ASCII letters.
bool SameWord(std::string_view a, std::string_view b);
// The text cut at every separator, each piece without the blanks around it.
std::vector<std::string_view> Pieces(std::string_view text, char separator);

// The whole text as a number in decimal; none for anything else, a sign of "+" included.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Appends the number with at least digits digits, zeros in front.
void AppendDigits(Text& text, std::int64_t number, int digits);

}  // namespace kov
