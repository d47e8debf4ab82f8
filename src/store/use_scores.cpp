#include "store/use_scores.h"

#include <algorithm>
#include <cmath>

namespace kov {

double ScoreAt(const UseScore& use, std::int64_t now) {
  // In doubles, so that no pair of moments overflows.
  const double elapsed = std::max(0.0, static_cast<double>(now) - static_cast<double>(use.at));
  return use.score * std::exp2(-elapsed / static_cast<double>(kUseHalfLifeSeconds));
}

namespace {

UseScore Combined(const UseScore& a, const UseScore& b) {
  const std::int64_t later = std::max(a.at, b.at);
  return {std::min(ScoreAt(a, later) + ScoreAt(b, later), kHighestUseScore), later};
}

}  // namespace

Text UseKey(const Text& folder, const Text& caption) { return UpperText(folder + TrimText(caption, kTrimField)); }

Text EntryUseKey(std::string_view line) { return UseKey(Text(FieldOf(line, 1)), Text(FieldOf(line, 4))); }

double UseScores::ScoreOf(std::string_view key, std::int64_t now) const {
  const auto found = scores_.find(key);
  return found == scores_.end() ? 0.0 : ScoreAt(found->second, now);
}

std::vector<double> UseScores::ScoresBySlot(const EntryTable& table, std::int64_t now) const {
  std::vector<double> scores;
  if (scores_.empty()) return scores;
  scores.reserve(static_cast<std::size_t>(table.Count()));
  for (std::string_view line : table.Lines()) scores.push_back(ScoreOf(EntryUseKey(line), now));
  return scores;
}

void UseScores::CountStart(const Text& key, std::int64_t now) {
  UseScore& use = scores_[key];
  use = {ScoreAt(use, now) + 1.0, now};
}

void UseScores::Add(const Text& key, const UseScore& use) {
  // Keys that come in order, as a saved file gives them, go in at the end without a search.
  if (scores_.empty() || scores_.rbegin()->first < key) {
    scores_.emplace_hint(scores_.end(), key, use);
    return;
  }
  const auto [place, added] = scores_.try_emplace(key, use);
  if (!added) place->second = Combined(place->second, use);
}

void UseScores::MoveKey(const Text& from, const Text& to) {
  auto node = scores_.extract(from);
  if (node.empty()) return;
  Add(to, node.mapped());
}

void UseScores::Remove(const Text& key) { scores_.erase(key); }

}  // namespace kov
