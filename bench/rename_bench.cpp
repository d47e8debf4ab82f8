// Renaming a virtual folder that holds half of a full table, nested two levels deep,
// beside the floor of one plain pass that only compares each line's start with the
// folder path.
#include <benchmark/benchmark.h>

#include <cstring>

#include "ui/folder_logic.h"
#include "ui/rename.h"

namespace kov {
namespace {

// 99,999 entries: a root folder Big holding 50,000 entries (half of them in 100
// subfolders), the rest spread over 50 other root folders.
const EntryTable& FullTable() {
  static const EntryTable table = [] {
    EntryTable full;
    static_cast<void>(full.Append("*Big*1*Big**"));
    for (int i = 0; full.Count() < EntryTable::kCapacity; ++i) {
      const Text number = std::to_string(i);
      Text folder;
      if (i % 2 == 0) {
        folder = i % 4 == 0 ? "Big\\" : "Big\\Sub " + std::to_string(i % 100) + "\\";
      } else {
        folder = "Other " + std::to_string(i % 50) + "\\";
      }
      static_cast<void>(full.Append(folder + "*Apps\\Suite " + number + "\\bin\\app" + number + ".exe**Application " +
                                    number + "*-p @R\\data\\" + number + ".cfg*"));
    }
    return full;
  }();
  return table;
}

void FloorPrefixScan(benchmark::State& state) {
  const EntryTable& table = FullTable();
  const Text prefix = "BIG\\";
  for (auto _ : state) {
    int matches = 0;
    for (std::string_view line : table.Lines()) matches += StartsWithIgnoringCase(line, prefix) ? 1 : 0;
    benchmark::DoNotOptimize(matches);
  }
}
BENCHMARK(FloorPrefixScan)->Unit(benchmark::kMicrosecond);

void RenameLargeFolder(benchmark::State& state) {
  EntryTable table = FullTable();
  const Text names[] = {"Big", "Large"};
  const int slot = FindCaptionInFolder(table, FolderPrefix(""), "BIG");
  int turn = 0;
  for (auto _ : state) {
    const RenameResult result = RenameEntry(table, "", slot, names[1 - turn], DirectoryValues{});
    if (result.outcome != RenameOutcome::Renamed) state.SkipWithError("rename refused");
    turn = 1 - turn;
  }
}
BENCHMARK(RenameLargeFolder)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
