// TextToInt against a slow reading of the documented rules, with values beyond the
// 32-bit range clamped to it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "fuzz_input.h"
#include "util/text.h"

namespace kov::fuzz {
namespace {

int DigitOf(char c, int base) {
  const std::string digits = base == 16 ? "0123456789abcdef" : "0123456789";
  const std::size_t at = digits.find(static_cast<char>(c >= 'A' && c <= 'F' ? c - 'A' + 'a' : c));
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                             std::numeric_limits<std::int32_t>::max()));
}

std::int32_t ReadSlowly(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::int64_t sign = 1;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++] == '-' ? -1 : 1;
  int base = 10;
  if (text.compare(i, 2, "0x") == 0 || text.compare(i, 2, "0X") == 0) {
    base = 16;
    i += 2;
  } else if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    i += 1;
  }
  const std::int64_t highestBeforeDigit = base == 16 ? 268435455 : 214748364;
  std::int64_t value = 0;
  int digitsRead = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitOf(text[i], base);
    if (digit < 0 || value > highestBeforeDigit) return Clamped(value);
    value = value * base + digit;
    ++digitsRead;
  }
  return digitsRead == 0 ? 0 : Clamped(sign * value);
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov::fuzz;
  const std::string text(reinterpret_cast<const char*>(data), size);
  Require(kov::TextToInt(text) == ReadSlowly(text), "TextToInt reads as the rules say");
  return 0;
}
