// Letters as the search compares them: without letter case and diacritics, so that "e"
// finds "É", "c" finds "ç", "ss" finds "ß" and "ι" finds "Ί". The folds come from
// Unicode's character data (letter_fold_table.cpp, made by scripts/make_letter_folds).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace kov {

// One letter folded: no letters for a diacritic mark, else one to three.
struct FoldedLetter {
  std::array<char32_t, 3> letters{};
  std::size_t count = 0;

  std::u32string_view View() const { return {letters.data(), count}; }
};

// The fold of a letter that non-ASCII upper-casing has left to it (UpperLetter).
FoldedLetter FoldOtherLetter(char32_t upperLetter);

// The fold of a letter upper-cased with UpperLetter: "É" is "E", "ẞ" and "ß" are "SS",
// a combining acute accent is nothing. ASCII folds to itself: it is what the other
// letters fold to.
inline FoldedLetter FoldLetter(char32_t upperLetter) {
  if (upperLetter < 0x80) return {{upperLetter}, 1};
  return FoldOtherLetter(upperLetter);
}

}  // namespace kov
