// SplitFields against a slow split that tests every position as the documented rule
// says; no element past the highest index is written, and elements above the count
// keep what they held.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "util/text.h"

namespace kov::fuzz {
namespace {

// The starts (0-based) of the fields of a full split: after every match of the
// separator, testing each position in turn, so that overlapping matches all count.
struct ReferenceSplit {
  std::vector<std::string> fields;
  std::vector<std::size_t> starts;
};

ReferenceSplit SplitSlowly(const std::string& text, const std::string& separator) {
  ReferenceSplit split;
  std::size_t fieldStart = 0;
  for (std::size_t p = 0; !separator.empty() && p < text.size(); ++p) {
    if (p + separator.size() > text.size() || text.compare(p, separator.size(), separator) != 0) continue;
    split.starts.push_back(fieldStart);
    split.fields.push_back(p >= fieldStart ? text.substr(fieldStart, p - fieldStart) : std::string());
    fieldStart = p + separator.size();
  }
  split.starts.push_back(fieldStart);
  split.fields.push_back(fieldStart < text.size() ? text.substr(fieldStart) : std::string());
  return split;
}

// The text with every run of spaces made one and the spaces at both ends removed.
std::string SingleSpaced(const std::string& text) {
  std::string result;
  for (const char c : text) {
    if (c == ' ' && (result.empty() || result.back() == ' ')) continue;
    result += c;
  }
  if (!result.empty() && result.back() == ' ') result.pop_back();
  return result;
}

// Whether the separator can overlap itself (a proper prefix equals a suffix): only then
// does joining the fields fail to give back the text.
bool CanOverlapItself(const std::string& separator) {
  for (std::size_t n = 1; n < separator.size(); ++n) {
    if (separator.compare(0, n, separator, separator.size() - n, n) == 0) return true;
  }
  return false;
}

const std::string kUntouched = "\x01untouched";

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov;
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t indexChoice = input.TakeByte();
  // Mostly small highest indexes, which the surplus rule needs; now and then the
  // program's own sizes and nonsense values.
  int highestIndex = indexChoice % 48 - 2;
  if (indexChoice == 0xFF) highestIndex = 3000000;
  if (indexChoice == 0xFE) highestIndex = 999;
  const std::size_t arrayLength = input.TakeByte() % 64;
  const std::string separator = input.TakeText();
  const std::string text = input.TakeRest();

  FieldArray fields(arrayLength, kUntouched);
  const int count = SplitFields(text, separator, fields, highestIndex);

  const std::string source = separator == " " ? SingleSpaced(text) : text;
  Require(count >= 0 && count <= std::max(highestIndex, 0), "the count stays within the highest index");
  Require(fields.size() <= std::max<std::size_t>(arrayLength, static_cast<std::size_t>(count) + 1),
          "the array grows only as far as the fields found");
  for (std::size_t i = static_cast<std::size_t>(count) + 1; i < fields.size(); ++i) {
    Require(fields[i] == kUntouched, "elements above the count keep what they held");
  }
  if (!fields.empty()) {
    Require(fields[0] == (arrayLength > 0 ? kUntouched : std::string()), "element 0 is never written");
  }
  if (source.empty() || highestIndex < 1) {
    Require(count == 0, "an empty text gives no field");
    return 0;
  }

  const ReferenceSplit reference = SplitSlowly(source, separator);
  const auto found = static_cast<int>(reference.fields.size());
  Require(count == std::min(found, highestIndex), "one field per match plus one, up to the highest index");
  for (int i = 1; i < count; ++i) {
    Require(fields[static_cast<std::size_t>(i)] == reference.fields[static_cast<std::size_t>(i - 1)],
            "fields below the last agree with the slow split");
  }
  const std::size_t lastStart = reference.starts[static_cast<std::size_t>(count - 1)];
  const std::string lastField = count == found ? reference.fields.back()
                                : lastStart < source.size() ? source.substr(lastStart)
                                                            : std::string();
  Require(fields[static_cast<std::size_t>(count)] == lastField, "the last element holds the rest of the text");

  if (separator != " " && !separator.empty() && !CanOverlapItself(separator)) {
    std::string joined = fields[1];
    for (int i = 2; i <= count; ++i) joined += separator + fields[static_cast<std::size_t>(i)];
    Require(joined == text, "joining the fields with the separator gives back the text");
  }
  return 0;
}
