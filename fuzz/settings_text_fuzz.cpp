// Any bytes loaded as a settings file and saved again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kov::fuzz::CheckLoadAndSave(std::string(), std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
