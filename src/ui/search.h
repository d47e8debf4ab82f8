// Finding entries as the user types: every entry of the whole menu whose caption the
// typed text matches, ignoring letter case and diacritics in every script, the likeliest
// first.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "store/entry_table.h"

namespace kov {

// The captions of a table taken apart once (folded as FoldLetter folds them, their words
// found), so that each keystroke only compares. Built again whenever the table changes.
//
// Typed text (without the blanks around it) matches a caption by the first of these
// rules that holds, letters being characters, their case and diacritics ignored ("creme"
// starts "Crème brûlée", "strasse" starts "Straße"):
//   1. it starts the caption;
//   2. it starts one of the caption's words (words part at blanks, "-", "_", "." and
//      where a lower-case letter is followed by a capital: "WinMerge" is "Win" "Merge");
//   3. it is the initials of consecutive words ("vsc" for "Visual Studio Code");
//   4. the caption holds it elsewhere;
//   5. the caption holds its letters in order, with gaps ("ntpd" for "Notepad");
//   6. a text of four or more letters is one typo away from the start of the caption or
//      of one of its words: a letter missing, extra or different, or two neighbours
//      swapped ("notpad", "noteapd", "notepas" for "Notepad").
// Rules 1 to 3 are strong matches, 4 a held one, 5 and 6 loose ones.
class CaptionIndex {
 public:
  explicit CaptionIndex(const EntryTable& table);

  // Slots of the matching entries: the strong matches, then the held ones, then the
  // loose ones; within each group the entry used more first (useBySlot[slot - 1] is its
  // use score; missing scores count 0), then the lower rule, then table order. Nothing
  // for an empty or blank text.
  std::vector<int> Find(const Text& typed, const std::vector<double>& useBySlot = {}) const;

  // The slots of the entries whose captions fold as the one at slot does, that one
  // included: the only entries that may share its use score. Nothing for a slot the
  // index does not hold.
  std::vector<int> SlotsFoldedAlike(int slot) const;

 private:
  // One caption: where its letters and word starts begin in the shared arrays (it ends
  // where the next begins), and which letters it holds, one bit per letter code modulo
  // 64, so that most captions are passed over without a comparison.
  struct Caption {
    std::uint32_t letters = 0;
    std::uint32_t words = 0;
    std::uint64_t present = 0;
  };

  void Add(std::string_view caption);
  std::u32string_view LettersOf(std::size_t index) const;

  std::vector<char32_t> letters_;          // the folded captions, one after another
  std::vector<std::uint32_t> wordStarts_;  // for each caption, where its words start in it
  std::vector<Caption> captions_;          // by slot - 1, and one past the last
};

}  // namespace kov
