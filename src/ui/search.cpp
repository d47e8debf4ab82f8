#include "ui/search.h"

#include "store/entry_line.h"

namespace kov {

CaptionIndex::CaptionIndex(const EntryTable& table) {
  upperCaptions_.reserve(static_cast<std::size_t>(table.Count()));
  for (std::string_view line : table.Lines()) upperCaptions_.push_back(CaptionKey(line));
}

std::vector<int> CaptionIndex::Find(const Text& typed) const {
  const Text wanted = UpperText(TrimText(typed, kTrimField));
  std::vector<int> starting;
  std::vector<int> holding;
  if (wanted.empty()) return starting;
  for (std::size_t index = 0; index < upperCaptions_.size(); ++index) {
    const std::size_t at = upperCaptions_[index].find(wanted);
    if (at == Text::npos) continue;
    (at == 0 ? starting : holding).push_back(static_cast<int>(index) + 1);
  }
  starting.insert(starting.end(), holding.begin(), holding.end());
  return starting;
}

}  // namespace kov
