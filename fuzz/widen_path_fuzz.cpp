// WidenPath and DecodeUtf8 on any bytes: strict UTF-8 decoding agrees with a check of the
// well-formed byte sequences, and a widened path is its components, each read as UTF-8
// or ANSI, joined by single backslashes, with its leading and trailing backslashes kept.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "shell/widen_path.h"
#include "util/code_page.h"

namespace kov::fuzz {
namespace {

// Well-formed UTF-8 as a table of byte ranges: the lead byte fixes the range of the
// second byte, which excludes overlong forms, surrogates and values above U+10FFFF.
bool IsWellFormedUtf8(const std::string& text) {
  std::size_t i = 0;
  auto inRange = [&text](std::size_t at, unsigned low, unsigned high) {
    if (at >= text.size()) return false;
    const auto byte = static_cast<unsigned char>(text[at]);
    return byte >= low && byte <= high;
  };
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned secondLow = 0x80;
    unsigned secondHigh = 0xBF;
    if (lead <= 0x7F) length = 1;
    else if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead == 0xE0) length = 3, secondLow = 0xA0;
    else if (lead >= 0xE1 && lead <= 0xEC) length = 3;
    else if (lead == 0xED) length = 3, secondHigh = 0x9F;
    else if (lead >= 0xEE && lead <= 0xEF) length = 3;
    else if (lead == 0xF0) length = 4, secondLow = 0x90;
    else if (lead >= 0xF1 && lead <= 0xF3) length = 4;
    else if (lead == 0xF4) length = 4, secondHigh = 0x8F;
    else return false;
    if (length > 1 && !inRange(i + 1, secondLow, secondHigh)) return false;
    for (std::size_t k = 2; k < length; ++k) {
      if (!inRange(i + k, 0x80, 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

std::wstring ComponentSlowly(const std::string& component) {
  const std::wstring utf8 = DecodeUtf8(component);
  return utf8.empty() ? DecodeUtf8(LegacyToUtf8(component)) : utf8;
}

std::wstring WidenSlowly(const std::string& path) {
  const std::size_t prefixLength = path.rfind("\\\\", 0) == 0 ? 2 : path.rfind('\\', 0) == 0 ? 1 : 0;
  std::wstring wide(prefixLength, L'\\');
  std::vector<std::string> components;
  std::string component;
  for (std::size_t i = prefixLength; i <= path.size(); ++i) {
    if (i < path.size() && path[i] != '\\') {
      component += path[i];
      continue;
    }
    if (!component.empty()) components.push_back(component);
    component.clear();
  }
  for (std::size_t i = 0; i < components.size(); ++i) {
    if (i > 0) wide += L'\\';
    wide += ComponentSlowly(components[i]);
  }
  if (!components.empty() && !path.empty() && path.back() == '\\') wide += L'\\';
  return wide;
}

}  // namespace
}  // namespace kov::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov;
  using namespace kov::fuzz;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  const std::wstring decoded = DecodeUtf8(bytes);
  Require(decoded.empty() == (bytes.empty() || !IsWellFormedUtf8(bytes)),
          "strict decoding fails exactly on malformed UTF-8");

  const std::wstring widened = WidenPath(bytes);
  const bool inputHasNul = bytes.find('\0') != std::string::npos;
  Require(inputHasNul || widened.find(L'\0') == std::wstring::npos, "no NUL appears that the path did not hold");
  Require(widened == WidenSlowly(bytes), "the path is its components joined by single backslashes");
  Require(widened.empty() || widened.back() != L'\\' || bytes.back() == '\\',
          "the path ends in a backslash only when it did");
  return 0;
}
