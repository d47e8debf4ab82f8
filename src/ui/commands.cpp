#include "ui/commands.h"

#include "ui/adding.h"

namespace kov {

void DeleteFromTable(EntryTable& table, const Text& currentFolder, const SelectedEntry& selected) {
  if (selected.slot < 1 || selected.slot > table.Count()) return;
  // The emptied slot is a hole, which goes with the other holes in one pass.
  table.SetSlot(selected.slot, Text());
  // The folder's own entries carry this path in their first field, and the entries of
  // folders nested in it begin with it too; the closing "\" keeps Tools2 apart.
  const bool isFolder = selected.kind == kVirtualFolder;
  const Text insideFolder = UpperText(currentFolder + selected.target + "\\");
  table.RemoveLinesIf(
      [&](std::string_view line) { return line.empty() || (isFolder && StartsWithIgnoringCase(line, insideFolder)); });
  // Lines kept beyond the capacity may lie in the folder too; they would be written back
  // as entries of a folder that no longer exists.
  if (isFolder)
    table.RemoveOverflowLinesIf([&](const Text& line) { return StartsWithIgnoringCase(line, insideFolder); });
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
