// Loading and saving a full settings file, beside the floor of one plain read and one
// plain write of the same bytes; and choosing a folder's entries out of a full table
// beside a scan that only compares the prefix.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include "store/file_system.h"
#include "store/settings_file.h"
#include "ui/folder_logic.h"

namespace kov {
namespace {

// About 8 MB: 99,999 entries of realistic shape spread over 100 folders of 1,000.
const std::string& SettingsPath() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "kovrant-bench.ini").string();
    std::string text;
    for (int i = 1; i <= EntryTable::kCapacity; ++i) {
      const std::string folder = "Projects\\Group " + std::to_string(i % 100) + "\\";
      text += folder + "*Apps\\Suite " + std::to_string(i) + "\\bin\\app" + std::to_string(i) + ".exe**Application " +
              std::to_string(i) + "*-p @R\\data\\" + std::to_string(i) + ".cfg*\r\n";
    }
    std::ofstream(file, std::ios::binary) << text;
    return file;
  }();
  return path;
}

// Frees what a run made outside the timed part (start-up never frees it), and gives the
// heap back to the system, so that each run starts, as a new process does, with memory
// the system has yet to hand out.
template <typename T>
void FreeUntimed(benchmark::State& state, std::unique_ptr<T>& made) {
  state.PauseTiming();
  made.reset();
  malloc_trim(0);
  state.ResumeTiming();
}

void FloorRead(benchmark::State& state) {
  for (auto _ : state) {
    auto read = std::make_unique<FileRead>(ReadWholeFile(SettingsPath()));
    benchmark::DoNotOptimize(read->bytes);
    FreeUntimed(state, read);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(SettingsPath())));
}
BENCHMARK(FloorRead)->Unit(benchmark::kMillisecond);

void LoadAndCompact(benchmark::State& state) {
  for (auto _ : state) {
    auto table = std::make_unique<EntryTable>();
    LoadEntries(SettingsPath(), *table);
    CompactEntries(*table);
    benchmark::DoNotOptimize(table->Count());
    FreeUntimed(state, table);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(SettingsPath())));
}
BENCHMARK(LoadAndCompact)->Unit(benchmark::kMillisecond);

// Heap held by the loaded table, beside the file's size. While loading, the file's text
// is held too, so the peak is the two together.
void LoadedTableMemory(benchmark::State& state) {
  const double fileBytes = static_cast<double>(std::filesystem::file_size(SettingsPath()));
  for (auto _ : state) {
    const std::size_t before = mallinfo2().uordblks;
    EntryTable table;
    LoadEntries(SettingsPath(), table);
    CompactEntries(table);
    const double tableBytes = static_cast<double>(mallinfo2().uordblks - before);
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["table_MB"] = tableBytes / 1e6;
    state.counters["peak_to_file"] = (tableBytes + fileBytes) / fileBytes;
  }
}
BENCHMARK(LoadedTableMemory)->Iterations(3)->Unit(benchmark::kMillisecond);

void FloorWrite(benchmark::State& state) {
  const std::string bytes = ReadWholeFile(SettingsPath()).bytes;
  const std::string target = SettingsPath() + ".floor";
  for (auto _ : state) {
    std::FILE* file = std::fopen(target.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  std::remove(target.c_str());
}
BENCHMARK(FloorWrite)->Unit(benchmark::kMillisecond);

void Save(benchmark::State& state) {
  EntryTable table;
  LoadEntries(SettingsPath(), table);
  const std::string target = SettingsPath() + ".saved";
  for (auto _ : state) benchmark::DoNotOptimize(ReplaceFileKeepingAttributes(target, EntryFileText(table)));
  std::remove(target.c_str());
}
BENCHMARK(Save)->Unit(benchmark::kMillisecond);

// One look at the file's contents while its write time is too recent to trust: a whole
// read, as FloorRead, and its hash.
void ContentCheck(benchmark::State& state) {
  for (auto _ : state) {
    const FileRead read = ReadWholeFile(SettingsPath());
    benchmark::DoNotOptimize(ContentHash(read.bytes));
  }
}
BENCHMARK(ContentCheck)->Unit(benchmark::kMillisecond);

void HashOnly(benchmark::State& state) {
  const std::string bytes = ReadWholeFile(SettingsPath()).bytes;
  for (auto _ : state) benchmark::DoNotOptimize(ContentHash(bytes));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(HashOnly)->Unit(benchmark::kMillisecond);

// A save as the window makes it: only over the file it knows, which is compared first.
void SaveOverKnownFile(benchmark::State& state) {
  EntryTable table;
  LoadEntries(SettingsPath(), table);
  const std::string text = EntryFileText(table);
  const std::string target = SettingsPath() + ".known";
  ReplaceResult last = SaveEntryTextOver(target, text, KnownFile{});
  for (auto _ : state) {
    last = SaveEntryTextOver(target, text, {last.written, ContentHash(text), 0});
    benchmark::DoNotOptimize(last);
  }
  std::remove(target.c_str());
}
BENCHMARK(SaveOverKnownFile)->Unit(benchmark::kMillisecond);

const EntryTable& FullTable() {
  static const EntryTable table = [] {
    EntryTable loaded;
    LoadEntries(SettingsPath(), loaded);
    return loaded;
  }();
  return table;
}

void FloorPrefixScan(benchmark::State& state) {
  const std::string prefix = "Projects\\Group 42\\*";
  for (auto _ : state) {
    int found = 0;
    for (std::string_view line : FullTable().Lines()) {
      found += line.size() >= prefix.size() && std::memcmp(line.data(), prefix.data(), prefix.size()) == 0;
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(FloorPrefixScan)->Unit(benchmark::kMicrosecond);

void FolderSlotsScan(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(FolderSlots(FullTable(), "Projects\\Group 42\\"));
}
BENCHMARK(FolderSlotsScan)->Unit(benchmark::kMicrosecond);

// The lookup a rename or a move makes of the entry it names.
void FindCaptionScan(benchmark::State& state) {
  const Text prefix = FolderPrefix("Projects\\Group 42\\");
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindCaptionInFolder(FullTable(), prefix, UpperText("application 99942")));
  }
}
BENCHMARK(FindCaptionScan)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
