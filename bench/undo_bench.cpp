// What a session's undo history holds: 1,000 steps (renames, moves, deletes, new
// parameters, a folder moved into another) on a loaded menu of 99,999 entries, measured
// as the heap the history frees when it goes; and what the window's thread does when a
// save starts: the copy of the table that the saving thread writes from.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <random>

#include "store/entry_table.h"
#include "ui/arrange.h"
#include "ui/commands.h"
#include "ui/folder_logic.h"
#include "ui/rename.h"
#include "ui/undo_history.h"

namespace kov {
namespace {

const DirectoryValues kDirectories{"C:\\WORK\\", "C:\\WINDOWS\\system32", "C:\\TEMP", "C:\\WINDOWS", "C:\\WORK\\"};

// 99,999 entries in 100 folders of the top folder, as a settings file loads them.
EntryTable LoadedMenu() {
  Text text;
  for (int folder = 0; folder < 100; ++folder) {
    text += "*Folder " + std::to_string(folder) + "*1*Folder " + std::to_string(folder) + "**\r\n";
  }
  for (int i = 0; i < EntryTable::kCapacity - 100; ++i) {
    const Text number = std::to_string(i);
    text += "Folder " + std::to_string(i % 100) + "\\*Apps\\Suite " + number + "\\bin\\app" + number +
            ".exe**Application " + number + "*-p @R\\data\\" + number + ".cfg*\r\n";
  }
  EntryTable table;
  LoadEntryText(std::move(text), table);
  return table;
}

std::size_t HeapInUse() { return mallinfo2().uordblks; }

// One step of a session, on entries picked at random.
void RunStep(EntryTable& table, std::mt19937& random) {
  const int slot = 101 + static_cast<int>(random() % static_cast<unsigned>(table.Count() - 100));
  const EntryView entry = ReadEntry(table.Slot(slot));
  switch (random() % 5) {
    case 0:
      RenameEntry(table, entry.folder, slot, entry.caption + " renamed", kDirectories);
      break;
    case 1:
      table.ExchangeSlots(slot, slot + 1 <= table.Count() ? slot + 1 : slot - 1);
      break;
    case 2:
      DeleteEntries(table, {slot}, kDirectories);
      break;
    case 3:
      table.SetSlot(slot, LineWithParameters(table.Slot(slot), "--new"));
      break;
    default:
      MoveEntries(table, {slot}, ParentFolder(entry.folder), 0, kDirectories);
      break;
  }
}

void ThousandSteps(benchmark::State& state) {
  std::size_t held = 0;
  for (auto _ : state) {
    state.PauseTiming();
    EntryTable table = LoadedMenu();
    std::mt19937 random(7);
    auto history = std::make_unique<UndoHistory>();
    const std::size_t before = HeapInUse();
    state.ResumeTiming();
    for (int step = 0; step < 1000; ++step) {
      UndoStep recorded;
      table.RecordChangesIn(&recorded.changes);
      RunStep(table, random);
      table.RecordChangesIn(nullptr);
      history->Add(std::move(recorded));
    }
    state.PauseTiming();
    const std::size_t withHistory = HeapInUse();
    history.reset();
    held = withHistory - HeapInUse();
    static_cast<void>(before);
    state.ResumeTiming();
  }
  state.counters["history_KB"] = static_cast<double>(held) / 1024.0;
}
BENCHMARK(ThousandSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

void UndoAndRedoAThousandSteps(benchmark::State& state) {
  EntryTable table = LoadedMenu();
  std::mt19937 random(7);
  UndoHistory history;
  for (int step = 0; step < 1000; ++step) {
    UndoStep recorded;
    table.RecordChangesIn(&recorded.changes);
    RunStep(table, random);
    table.RecordChangesIn(nullptr);
    history.Add(std::move(recorded));
  }
  for (auto _ : state) {
    while (history.Undo(table)) {
    }
    while (history.Redo(table)) {
    }
  }
}
BENCHMARK(UndoAndRedoAThousandSteps)->Unit(benchmark::kMillisecond);

// A selection of a thousand entries spread over the menu (Ctrl+A in a large search, say)
// cut and pasted into one folder, then the move undone: one pass over the table each.
void MoveAThousandAndUndo(benchmark::State& state) {
  EntryTable table = LoadedMenu();
  std::vector<int> selection;
  for (int slot = 150; slot <= table.Count() && selection.size() < 1000; slot += 97) selection.push_back(slot);
  for (auto _ : state) {
    TableChanges changes;
    table.RecordChangesIn(&changes);
    const EntriesMove move = MoveEntries(table, selection, "Folder 7\\", 0, kDirectories);
    table.RecordChangesIn(nullptr);
    if (move.slots.empty()) state.SkipWithError("nothing moved");
    table.Undo(changes);
  }
}
BENCHMARK(MoveAThousandAndUndo)->Unit(benchmark::kMillisecond);

// The window's share of a save: the table copied for the saving thread.
void CopyForSave(benchmark::State& state) {
  const EntryTable table = LoadedMenu();
  for (auto _ : state) {
    EntryTable copy = table;
    benchmark::DoNotOptimize(copy.Count());
  }
}
BENCHMARK(CopyForSave)->Unit(benchmark::kMillisecond);

// The saving thread's share, without the disk: the file's bytes made from the copy.
void FileTextOfCopy(benchmark::State& state) {
  const EntryTable table = LoadedMenu();
  for (auto _ : state) benchmark::DoNotOptimize(EntryFileText(table));
}
BENCHMARK(FileTextOfCopy)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
