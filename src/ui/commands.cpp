#include "ui/commands.h"

#include <algorithm>
#include <unordered_set>

#include "ui/adding.h"
#include "ui/arrange.h"

namespace kov {

namespace {

// The paths, upper-cased, that the lines inside the virtual folders among slots begin
// with; the closing "\" keeps Tools2 apart from Tools.
std::unordered_set<Text> InsidePaths(const EntryTable& table, const std::vector<int>& slots,
                                     const DirectoryValues& dirs) {
  std::unordered_set<Text> paths;
  for (int slot : slots) {
    const EntryView entry = ReadEntry(table.Slot(slot));
    if (entry.kind == kVirtualFolder) paths.insert(UpperText(ContentsPath(entry.folder, entry, dirs)));
  }
  return paths;
}

// True when the line's folder field begins with one of the paths at a "\": the line
// lies in one of those folders or deeper.
bool LiesInside(std::string_view line, const std::unordered_set<Text>& paths) {
  const std::size_t folderEnd = line.find('*');
  for (std::size_t at = line.find('\\'); at < folderEnd; at = line.find('\\', at + 1)) {
    if (paths.count(UpperText(Text(line.substr(0, at + 1))))) return true;
  }
  return false;
}

}  // namespace

int DeleteEntries(EntryTable& table, const std::vector<int>& slots, const DirectoryValues& dirs) {
  std::vector<int> deleted;
  for (int slot : slots) {
    if (slot >= 1 && slot <= table.Count() && !table.Slot(slot).empty()) deleted.push_back(slot);
  }
  std::sort(deleted.begin(), deleted.end());
  deleted.erase(std::unique(deleted.begin(), deleted.end()), deleted.end());
  if (deleted.empty()) return 0;
  const std::unordered_set<Text> inside = InsidePaths(table, deleted, dirs);
  const auto countAll = [&] { return table.Count() + static_cast<int>(table.Overflow().size()); };
  const int countBefore = countAll();
  // The emptied slots are holes, which go with the other holes in one pass.
  for (int slot : deleted) table.SetSlot(slot, Text());
  table.RemoveLinesIf([&](std::string_view line) { return line.empty() || (!inside.empty() && LiesInside(line, inside)); });
  // Lines kept beyond the capacity may lie in the folders too; they would be written
  // back as entries of folders that no longer exist.
  if (!inside.empty()) table.RemoveOverflowLinesIf([&](const Text& line) { return LiesInside(line, inside); });
  return countBefore - countAll() - static_cast<int>(deleted.size());
}

Text LineWithParameters(std::string_view line, const Text& typed) {
  EntryFields fields = SplitEntryLine(line);
  fields.parameters = CleanEntryName(typed);
  return FormatEntryLine(fields);
}

Text EntryLocation(const Text& target, const DirectoryValues& dirs, const PathExists& exists) {
  const Text path = MakeAbsolute(target, dirs);
  return exists(path) ? path : DirectoryPart(path);
}

}  // namespace kov
