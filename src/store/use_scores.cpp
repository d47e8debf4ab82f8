#include "store/use_scores.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

// Whether the key lies in the folder: starts with its upper-cased path.
bool IsInside(const Text& key, const Text& upperFolder) { return key.compare(0, upperFolder.size(), upperFolder) == 0; }

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

void UseScores::MoveFolder(const Text& fromFolder, const Text& toFolder) {
  const Text from = UpperText(fromFolder);
  const Text to = UpperText(toFolder);
  if (from.empty() || from == to) return;
  // Taken out first, so that a folder moved into itself is not met again.
  std::vector<std::pair<Text, UseScore>> moved;
  auto at = scores_.lower_bound(from);
  while (at != scores_.end() && IsInside(at->first, from)) {
    moved.emplace_back(to + at->first.substr(from.size()), at->second);
    at = scores_.erase(at);
  }
  for (const auto& [key, use] : moved) Add(key, use);
}

void UseScores::Remove(const Text& key) { scores_.erase(key); }

void UseScores::RemoveFolder(const Text& folder) {
  const Text upperFolder = UpperText(folder);
  if (upperFolder.empty()) return;
  auto at = scores_.lower_bound(upperFolder);
  while (at != scores_.end() && IsInside(at->first, upperFolder)) at = scores_.erase(at);
}

}  // namespace kov
