// Any bytes at the end of a nearly full settings file, so that their lines run across
// the table's capacity into the overflow. Each run loads a whole table, which is why
// this is a program of its own beside settings_text_fuzz.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings_check.h"

namespace {

const std::string& NearlyFullFile() {
  static const std::string text = [] {
    std::string lines;
    for (int i = 0; i < kov::EntryTable::kCapacity - 3; ++i) lines += "*x*\r\n";
    return lines;
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kov::fuzz::CheckLoadAndSave(NearlyFullFile(), std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
