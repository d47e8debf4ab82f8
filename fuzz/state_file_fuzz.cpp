// Any bytes read as a state file: no crash, and the text written from what was read is
// read back without a problem, as the same state, and written again byte for byte.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "store/state_file.h"

namespace {

using kov::fuzz::Require;

void CheckSameScores(const kov::UseScores& first, const kov::UseScores& again) {
  Require(first.All().size() == again.All().size(), "every score is read back");
  auto other = again.All().begin();
  for (const auto& [key, use] : first.All()) {
    Require(other->first == key, "every key is read back as written");
    Require(other->second.at == use.at, "every moment is read back as written");
    // Scores are written with four decimals.
    Require(std::fabs(other->second.score - use.score) <= 0.00005 * 1.0001, "every score is read back near enough");
    ++other;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kov::StateFile first = kov::ReadStateText(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string written = kov::StateFileText(first);
  const kov::StateFile again = kov::ReadStateText(written);
  Require(again.problems.empty(), "a written state file reads without a problem");
  Require(again.hotkey == first.hotkey, "the summon key is read back");
  Require(again.place == first.place, "the window's place is read back");
  CheckSameScores(first.scores, again.scores);
  Require(kov::StateFileText(again) == written, "a written state file is written again byte for byte");
  return 0;
}
