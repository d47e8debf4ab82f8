// How much each entry is used: every start counts 1, and a score halves every 30 days,
// so that what is used now outweighs what was used often long ago. The clock is passed
// in (seconds since 1970), never read here.
//
// Entries are known by a key: the entry's folder and trimmed caption, upper-cased
// ("TOOLS\NOTEPAD"), so that a score follows the entry whatever its slot, and the caller
// moves it when the entry is renamed or moved.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string_view>
#include <vector>

#include "store/entry_table.h"

namespace kov {

inline constexpr std::int64_t kUseHalfLifeSeconds = 30 * 24 * 60 * 60;
// Far more starts than anyone makes: a hand-edited number out of reason is refused, and
// two scores added together never go beyond it.
inline constexpr double kHighestUseScore = 1e9;

// A score as it stood at one moment; from then on it halves every kUseHalfLifeSeconds.
struct UseScore {
  double score = 0;
  std::int64_t at = 0;  // seconds since 1970
  bool operator==(const UseScore&) const = default;
};

// The score at a moment; one read at an earlier moment (a clock set back) has not
// grown, it stays as it stood.
double ScoreAt(const UseScore& use, std::int64_t now);

// The key of the entry with this folder (as stored, "Tools\") and caption.
Text UseKey(const Text& folder, const Text& caption);
// The key of the entry of a table line.
Text EntryUseKey(std::string_view line);

class UseScores {
 public:
  using Entries = std::map<Text, UseScore, std::less<>>;

  double ScoreOf(std::string_view key, std::int64_t now) const;
  // The scores of a table's entries now, by slot - 1, for the search's order; empty
  // when nothing has been used.
  std::vector<double> ScoresBySlot(const EntryTable& table, std::int64_t now) const;

  // The entry was started now.
  void CountStart(const Text& key, std::int64_t now);
  // Adds a score to the key's, both taken to the later of their moments.
  void Add(const Text& key, const UseScore& use);

  // The entry was renamed or moved: its score goes to the new key, added to any score
  // the new key has.
  void MoveKey(const Text& from, const Text& to);
  void Remove(const Text& key);

  // Every score as it last stood, by key, for saving.
  const Entries& All() const { return scores_; }

 private:
  Entries scores_;
};

}  // namespace kov
