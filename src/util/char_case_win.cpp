#include "util/char_case.h"

#include <windows.h>

namespace kov {

namespace {

template <typename Mapper>
std::vector<char16_t> MappedUnits(Mapper map) {
  std::vector<wchar_t> units(0x10000);
  for (std::size_t unit = 0; unit < units.size(); ++unit) units[unit] = static_cast<wchar_t>(unit);
  // Units 0 and the surrogates are not mapped: a zero would end nothing here, but a
  // lone surrogate has no case and some systems refuse a buffer that holds one.
  map(units.data() + 1, 0xD800 - 1);
  map(units.data() + 0xE000, static_cast<DWORD>(units.size() - 0xE000));
  return std::vector<char16_t>(units.begin(), units.end());
}

}  // namespace

std::vector<char16_t> UpperUnits() { return MappedUnits(CharUpperBuffW); }
std::vector<char16_t> LowerUnits() { return MappedUnits(CharLowerBuffW); }

}  // namespace kov
