// PosFrom and TextPos against a naive search of every candidate position, forward from
// a positive start and backward from a negative one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "util/text.h"

namespace kov::fuzz {
namespace {

bool OccursAt(const std::string& text, const std::string& pattern, std::int64_t position) {
  if (position < 1 || position - 1 + static_cast<std::int64_t>(pattern.size()) > static_cast<std::int64_t>(text.size()))
    return false;
  return text.compare(static_cast<std::size_t>(position - 1), pattern.size(), pattern) == 0;
}

int SearchSlowly(const std::string& text, const std::string& pattern, int start) {
  if (pattern.empty() || text.empty() || start == 0) return 0;
  const auto length = static_cast<std::int64_t>(text.size());
  if (start > 0) {
    for (std::int64_t p = start; p <= length; ++p) {
      if (OccursAt(text, pattern, p)) return static_cast<int>(p);
    }
    return 0;
  }
  for (std::int64_t p = std::min(-static_cast<std::int64_t>(start), length); p >= 1; --p) {
    if (OccursAt(text, pattern, p)) return static_cast<int>(p);
  }
  return 0;
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  // A byte gives starts around the text; four bytes any start at all.
  const std::uint8_t startChoice = input.TakeByte();
  const int start = startChoice == 0x80 ? input.TakeInt32() : static_cast<std::int8_t>(startChoice);
  const std::string pattern = input.TakeText();
  const std::string text = input.TakeRest();
  Require(kov::PosFrom(text, pattern, start) == SearchSlowly(text, pattern, start),
          "PosFrom finds the nearest occurrence in the direction of its start");
  Require(kov::TextPos(text, pattern) == SearchSlowly(text, pattern, 1), "TextPos finds the first occurrence");
  return 0;
}
