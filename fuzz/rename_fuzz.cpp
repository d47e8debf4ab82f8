// Renaming on random tables: the number of entries never changes, a refused
// rename changes nothing, and besides the renamed entry only the entries inside the
// renamed folder change, each by the folder's own level of its path alone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "random_table.h"
#include "ui/folder_logic.h"
#include "ui/rename.h"

namespace kov::fuzz {

// Directory values for macros in folder names, which the view expands when it enters them.
const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows", "E:\\KOVRANT\\"};
namespace {

std::string Piece(std::string_view line, int n) {
  std::size_t start = 0;
  for (int piece = 1; piece < n; ++piece) {
    start = line.find('*', start);
    if (start == std::string::npos) return std::string();
    ++start;
  }
  return std::string(line.substr(start, line.find('*', start) - start));
}

// Blanks and tabs around a field go, as the view shows it.
std::string Blankless(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool BeginsIgnoringCase(std::string_view line, const std::string& prefix) {
  return UpperText(std::string(line.substr(0, prefix.size()))) == UpperText(prefix);
}

void CheckRename(const EntryTable& before, const EntryTable& after, const std::string& folder, int slot,
                 const RenameResult& result) {
  Require(after.Count() == before.Count(), "a rename never changes the number of entries");
  if (result.outcome != RenameOutcome::Renamed) {
    Require(std::equal(after.Lines().begin(), after.Lines().end(), before.Lines().begin(), before.Lines().end()),
            "a refused rename leaves the table as it was");
    return;
  }
  Require(result.slot == slot, "the entry renamed is the one asked for");
  const std::string_view oldLine = before.Slot(result.slot);
  Require(BeginsIgnoringCase(oldLine, folder + "*"), "the renamed entry belongs to the folder");
  Require(!result.name.empty() && result.name.find('*') == std::string::npos && Blankless(result.name) == result.name,
          "the stored name is trimmed and holds no star");
  Require(Piece(after.Slot(result.slot), 4) == result.name, "the renamed entry carries the new name");

  const bool isFolder = TextToInt(Piece(oldLine, 3)) == kVirtualFolder;
  const std::string oldPath = folder + ExpandMacros(Blankless(Piece(oldLine, 2)), kDirs) + "\\";
  for (int other = 1; other <= before.Count(); ++other) {
    const std::string_view was = before.Slot(other);
    const std::string_view now = after.Slot(other);
    if (other == result.slot || was == now) continue;
    Require(isFolder && BeginsIgnoringCase(was, oldPath), "only entries inside the renamed folder change");
    Require(
        now == std::string(was.substr(0, folder.size())) + result.name + std::string(was.substr(oldPath.size() - 1)),
        "an entry inside the folder changes in the folder's own level only");
  }
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
  const int slot = shown.empty() ? 0 : shown[input.TakeByte() % shown.size()];
  const std::string typed = TakeName(input);

  EntryTable renamed = before;
  const RenameResult result = RenameEntry(renamed, folder, slot, typed, kDirs);
  CheckRename(before, renamed, folder, slot, result);
  return 0;
}
