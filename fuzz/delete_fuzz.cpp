// Deleting on random tables: the entry behind the caption goes, a virtual folder goes
// with every entry inside it at any depth, and every other entry stays, in order.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "random_commands.h"

namespace kov::fuzz {
namespace {

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
  const std::string caption = TakeName(input);
  const SelectedEntry selected = EntryNamed(before, folder, caption);

  EntryTable after = before;
  DeleteFromTable(after, folder, selected);

  std::vector<std::string> kept;
  const std::string insidePath = folder + selected.target + "\\";
  for (int slot = 1; slot <= before.Count(); ++slot) {
    const std::string_view line = before.Slot(slot);
    const bool inside = selected.kind == kVirtualFolder && BeginsIgnoringCase(line, insidePath);
    if (slot != selected.slot && !inside) kept.emplace_back(line);
  }
  Require(after.Count() <= EntryTable::kCapacity, "the table holds at most its capacity");
  Require(std::equal(after.Lines().begin(), after.Lines().end(), kept.begin(), kept.end()),
          "exactly the entry and what lies inside it go; the rest stays in order");
  if (selected.slot != 0) {
    Require(FolderSlots(after, folder).size() + 1 == FolderSlots(before, folder).size(),
            "the folder shown loses one icon");
  }
  return 0;
}
