// Deleting on random tables: the selected entries go, a virtual folder with every entry
// inside it at any depth, and every other entry stays, in order.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "random_table.h"
#include "ui/commands.h"
#include "ui/folder_logic.h"

namespace kov::fuzz {
namespace {

const DirectoryValues kDirectories{"C:\\WORK\\", "C:\\WINDOWS\\system32", "C:\\TEMP", "C:\\WINDOWS", "C:\\WORK\\"};

bool BeginsIgnoringCase(std::string_view line, const std::string& prefix) {
  return UpperText(std::string(line.substr(0, prefix.size()))) == UpperText(prefix);
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov;
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  const EntryTable before = TakeTable(input);
  const std::string folder = TakeFolder(input);
  const std::vector<int> shown = FolderSlots(before, folder);
  std::vector<int> selection;
  for (int count = input.TakeByte() % 4; count > 0 && !shown.empty(); --count) {
    selection.push_back(shown[input.TakeByte() % shown.size()]);
  }

  EntryTable after = before;
  DeleteEntries(after, selection, kDirectories);

  std::vector<std::string> insidePaths;
  for (int slot : selection) {
    const EntryView entry = ReadEntry(before.Slot(slot));
    if (entry.kind == kVirtualFolder) insidePaths.push_back(entry.folder + ExpandMacros(entry.target, kDirectories) + "\\");
  }
  std::vector<std::string> kept;
  for (int slot = 1; slot <= before.Count(); ++slot) {
    const std::string_view line = before.Slot(slot);
    const bool selected = std::find(selection.begin(), selection.end(), slot) != selection.end();
    const bool inside = std::any_of(insidePaths.begin(), insidePaths.end(),
                                    [&](const std::string& path) { return BeginsIgnoringCase(line, path); });
    if (!selected && !inside && !line.empty()) kept.emplace_back(line);
  }
  Require(after.Count() <= EntryTable::kCapacity, "the table holds at most its capacity");
  Require(std::equal(after.Lines().begin(), after.Lines().end(), kept.begin(), kept.end()),
          "exactly the entries and what lies inside them go; the rest stays in order");
  return 0;
}
