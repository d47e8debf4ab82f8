// ReplaceAll and CountOccurrences against a slow left-to-right scan: the result has the
// length the count predicts and the text between occurrences is copied unchanged.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "util/text.h"

namespace kov::fuzz {
namespace {

struct SlowReplacement {
  int occurrences = 0;
  std::string result;
};

SlowReplacement ReplaceSlowly(const std::string& text, const std::string& pattern, const std::string& replacement) {
  SlowReplacement slow;
  if (text.empty() || pattern.empty()) {
    slow.result = text;
    return slow;
  }
  std::size_t p = 0;
  while (p < text.size()) {
    if (p + pattern.size() <= text.size() && text.compare(p, pattern.size(), pattern) == 0) {
      ++slow.occurrences;
      slow.result += replacement;
      p += pattern.size();
    } else {
      slow.result += text[p++];
    }
  }
  return slow;
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  const std::string pattern = input.TakeText();
  const std::string replacement = input.TakeText();
  const std::string text = input.TakeRest();

  const int count = kov::CountOccurrences(text, pattern);
  const std::string replaced = kov::ReplaceAll(text, pattern, replacement);
  const SlowReplacement slow = ReplaceSlowly(text, pattern, replacement);
  Require(count == slow.occurrences, "occurrences are counted leftmost first, never overlapping");
  const auto expectedLength = static_cast<std::int64_t>(text.size()) +
                              static_cast<std::int64_t>(count) * (static_cast<std::int64_t>(replacement.size()) -
                                                                  static_cast<std::int64_t>(pattern.size()));
  Require(static_cast<std::int64_t>(replaced.size()) == expectedLength, "the result has the predicted length");
  Require(replaced == slow.result, "every occurrence, and nothing else, is replaced");
  return 0;
}
