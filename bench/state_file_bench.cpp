// The state file with a use score for each of 99,999 entries: reading it at start-up (all
// of it, and the part the window waits for) and writing it after a start.
#include <benchmark/benchmark.h>

#include <string>

#include "store/state_file.h"

namespace kov {
namespace {

constexpr std::int64_t kMoment = 1796724900;  // 2026-12-08T10:15:00Z

const Text& FullStateText() {
  static const Text text = [] {
    StateFile state;
    state.place = WindowPlace{120, 80, 661, 525, false};
    for (int i = 1; i <= EntryTable::kCapacity; ++i) {
      const Text key = "PROJECTS\\GROUP " + std::to_string(i % 100) + "\\APPLICATION " + std::to_string(i);
      state.scores.Add(key, {1.0 + (i % 97) / 8.0, kMoment - i * 60});
    }
    return StateFileText(state);
  }();
  return text;
}

void ReadState(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadStateText(FullStateText()));
  state.counters["bytes"] = static_cast<double>(FullStateText().size());
}
BENCHMARK(ReadState)->Unit(benchmark::kMillisecond);

// What the window waits for at start-up: every line but the use lines.
void ReadStateWithoutUses(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadStateItems(FullStateText()));
}
BENCHMARK(ReadStateWithoutUses)->Unit(benchmark::kMillisecond);

void WriteState(benchmark::State& state) {
  const StateFile read = ReadStateText(FullStateText());
  for (auto _ : state) benchmark::DoNotOptimize(StateFileText(read));
}
BENCHMARK(WriteState)->Unit(benchmark::kMillisecond);

// The floor: copying the file's text once.
void CopyText(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Text(FullStateText()));
}
BENCHMARK(CopyText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kov

BENCHMARK_MAIN();
