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

// A letter and the one to three upper-case letters it folds to (0 where unused). A
// letter of the Basic Multilingual Plane folds to letters of the plane, one beyond it to
// letters beyond it; the plane's table, nearly all of it, takes half the room.
template <typename Letter>
struct LetterFoldEntry {
  Letter letter;
  Letter folded[3];
};
using PlaneLetterFold = LetterFoldEntry<char16_t>;
using FarLetterFold = LetterFoldEntry<char32_t>;

// Each in code point order.
std::span<const DiacriticMarks> DiacriticMarkRanges();
std::span<const PlaneLetterFold> PlaneLetterFolds();
std::span<const FarLetterFold> FarLetterFolds();

}  // namespace kov
