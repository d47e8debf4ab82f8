// The data behind FoldLetter, made from Unicode's character data by
// scripts/make_letter_folds (letter_fold_table.cpp is its output).
#pragma once

#include <span>

namespace kov {

// Diacritic marks, first to last: a search passes over them.
struct DiacriticMarks {
  char32_t first;
  char32_t last;
};

// A letter and the one to three upper-case letters it folds to (0 where unused).
struct LetterFoldEntry {
  char32_t letter;
  char32_t folded[3];
};

// Both in code point order.
std::span<const DiacriticMarks> DiacriticMarkRanges();
std::span<const LetterFoldEntry> LetterFoldEntries();

}  // namespace kov
