#include "ui/commands.h"

#include <algorithm>

#include "ui/adding.h"

namespace kov {

namespace {

// Split with room for every field a hand-edited line may carry, so that fields 1 to 4
// are always read as they stand.
constexpr int kHighestLineField = 999;

}  // namespace

void DeleteFromTable(EntryTable& table, const Text& currentFolder, const SelectedEntry& selected) {
  if (selected.slot < 1 || selected.slot > table.Count()) return;
  table.Slot(selected.slot).clear();
  if (selected.kind == kVirtualFolder) {
    // The folder's own entries carry this path in their first field, and the entries
    // of folders nested in it begin with it too; the closing "\" keeps Tools2 apart.
    const Text insideFolder = UpperText(currentFolder + selected.target + "\\");
    for (Text& line : table.Lines()) {
      if (StartsWithIgnoringCase(line, insideFolder)) line.clear();
    }
  }
  CompactEntries(table);
}

Text LineWithParameters(const Text& line, const Text& typed) {
  FieldArray fields;
  SplitFields(line, "*", fields, kHighestLineField);
  fields.resize(std::max<std::size_t>(fields.size(), 5));
  return fields[1] + "*" + fields[2] + "*" + fields[3] + "*" + fields[4] + "*" + CleanEntryName(typed) + "*";
}

Text EntryLocation(const Text& target, const DirectoryValues& dirs, const PathExists& exists) {
  const Text path = MakeAbsolute(target, dirs);
  return exists(path) ? path : DirectoryPart(path);
}

Text SelectInExplorerParameter(const Text& path) { return "/select,\"" + path + "\""; }

}  // namespace kov
