#include "ui/cut_entries.h"

#include <string_view>
#include <unordered_map>

namespace kov {

std::vector<int> CutSlots(const EntryTable& table, const CutEntries& cut) {
  // Each cut line's slots, first to last, found in one pass over the table.
  std::unordered_map<std::string_view, std::vector<int>> slotsOfLine;
  for (const Text& line : cut.lines) slotsOfLine.emplace(line, std::vector<int>());
  for (int slot = 1; slot <= table.Count(); ++slot) {
    if (auto found = slotsOfLine.find(table.Slot(slot)); found != slotsOfLine.end()) found->second.push_back(slot);
  }
  std::unordered_map<std::string_view, std::size_t> taken;
  std::vector<int> slots;
  for (const Text& line : cut.lines) {
    const std::vector<int>& candidates = slotsOfLine[line];
    std::size_t& next = taken[line];
    if (next < candidates.size()) slots.push_back(candidates[next++]);
  }
  return slots;
}

}  // namespace kov
