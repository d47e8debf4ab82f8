#include "util/letter_fold.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "util/letter_fold_table.h"

namespace kov {

namespace {

constexpr char32_t kPlaneEnd = 0x10000;
constexpr std::uint16_t kUnfolded = 0;
constexpr std::uint16_t kMark = 0xFFFF;

// For each letter of the Basic Multilingual Plane, where the table names it: kUnfolded,
// kMark, or one past its entry; so that a letter there is folded with one look.
std::vector<std::uint16_t> FoldsInPlane() {
  std::vector<std::uint16_t> folds(kPlaneEnd, kUnfolded);
  for (const DiacriticMarks& marks : DiacriticMarkRanges()) {
    for (char32_t letter = marks.first; letter <= marks.last && letter < kPlaneEnd; ++letter) folds[letter] = kMark;
  }
  const auto entries = PlaneLetterFolds();
  for (std::size_t at = 0; at < entries.size(); ++at) folds[entries[at].letter] = static_cast<std::uint16_t>(at + 1);
  return folds;
}

template <typename Letter>
FoldedLetter FoldOf(const LetterFoldEntry<Letter>& entry) {
  FoldedLetter fold;
  for (char32_t letter : entry.folded) {
    if (letter != 0) fold.letters[fold.count++] = letter;
  }
  return fold;
}

// Beyond the plane (historic scripts, musical symbols), the table is searched.
FoldedLetter FoldBeyondPlane(char32_t letter) {
  const auto ranges = DiacriticMarkRanges();
  const auto marks = std::upper_bound(ranges.begin(), ranges.end(), letter,
                                      [](char32_t wanted, const DiacriticMarks& some) { return wanted < some.first; });
  if (marks != ranges.begin() && letter <= std::prev(marks)->last) return {};
  const auto entries = FarLetterFolds();
  const auto entry = std::lower_bound(entries.begin(), entries.end(), letter,
                                      [](const FarLetterFold& some, char32_t wanted) { return some.letter < wanted; });
  if (entry == entries.end() || entry->letter != letter) return {{letter}, 1};
  return FoldOf(*entry);
}

}  // namespace

FoldedLetter FoldOtherLetter(char32_t upperLetter) {
  if (upperLetter >= kPlaneEnd) return FoldBeyondPlane(upperLetter);
  static const std::vector<std::uint16_t> folds = FoldsInPlane();
  const std::uint16_t fold = folds[upperLetter];
  if (fold == kUnfolded) return {{upperLetter}, 1};
  if (fold == kMark) return {};
  return FoldOf(PlaneLetterFolds()[fold - 1]);
}

}  // namespace kov
