// Any bytes read as a settings file's encoding: mixed valid and invalid UTF-8, byte-order
// marks, legacy bytes. The result is UTF-8 and keeps every line: no line end is lost or
// invented, so no entry can vanish or split.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/settings_file.h"
#include "util/utf8.h"

namespace {

std::size_t LineEnds(const std::string& text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n') +
                                  std::count(text.begin(), text.end(), '\r'));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = kov::SettingsTextAsUtf8(bytes);
  if (!kov::IsValidUtf8(text)) std::abort();
  if (LineEnds(text) != LineEnds(bytes)) std::abort();
  if (kov::IsValidUtf8(bytes) && bytes.rfind("\xEF\xBB\xBF", 0) != 0 && text != bytes) std::abort();
  return 0;
}
