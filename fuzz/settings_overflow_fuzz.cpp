// Any bytes at the end of a nearly full settings file, so that their lines run across
// the table's capacity into the overflow. The table is a small one, so that each run
// costs what a run of settings_text_fuzz costs, while the rule checked is the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings_check.h"

namespace {

constexpr int kSmallCapacity = 8;

const std::string& NearlyFullFile() {
  static const std::string text = [] {
    std::string lines;
    for (int i = 0; i < kSmallCapacity - 3; ++i) lines += "*x*\r\n";
    return lines;
  }();
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kov::fuzz::CheckLoadAndSave(NearlyFullFile(), std::string(reinterpret_cast<const char*>(data), size), kSmallCapacity);
  return 0;
}
