// The entry line codec on any bytes: the fields are the line's first five pieces between
// stars, read alike by the whole-line split and the single-field read, and formatting
// gives the line back up to its fifth star, or with the missing stars added.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "store/entry_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov;
  using namespace kov::fuzz;
  const std::string line(reinterpret_cast<const char*>(data), size);
  const EntryFields fields = SplitEntryLine(line);
  const std::string* pieces[] = {&fields.folder, &fields.target, &fields.kind, &fields.caption, &fields.parameters};
  for (int n = 1; n <= 5; ++n) {
    const std::string& piece = *pieces[n - 1];
    Require(piece.find('*') == std::string::npos, "no field holds a star");
    Require(piece == FieldOf(line, n), "the split and the single-field read agree");
  }

  const auto stars = static_cast<std::size_t>(std::count(line.begin(), line.end(), '*'));
  const std::string formatted = FormatEntryLine(fields);
  if (stars >= 5) {
    std::size_t fifthStar = 0;
    for (int seen = 0; seen < 5; ++seen) fifthStar = line.find('*', seen == 0 ? 0 : fifthStar + 1);
    Require(formatted == line.substr(0, fifthStar + 1), "formatting gives the line up to its fifth star");
  } else {
    Require(formatted == line + std::string(5 - stars, '*'), "formatting adds only the missing stars");
  }
  return 0;
}
