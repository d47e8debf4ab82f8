#include <locale.h>
#include <wctype.h>

#include "util/char_case.h"

namespace kov {

namespace {

template <typename Mapper>
std::vector<char16_t> MappedUnits(Mapper map) {
  const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  std::vector<char16_t> units(0x10000);
  for (std::size_t unit = 0; unit < units.size(); ++unit) {
    const bool surrogate = unit >= 0xD800 && unit < 0xE000;
    const wint_t mapped = utf8 && !surrogate ? map(static_cast<wint_t>(unit), utf8) : static_cast<wint_t>(unit);
    // A partner outside the plane (none exists today) would not fit: the unit stays.
    units[unit] = static_cast<char16_t>(mapped < 0x10000 ? mapped : unit);
  }
  if (utf8) freelocale(utf8);
  return units;
}

}  // namespace

std::vector<char16_t> UpperUnits() { return MappedUnits(towupper_l); }
std::vector<char16_t> LowerUnits() { return MappedUnits(towlower_l); }

}  // namespace kov
