// The system's case mapping, the one seam of the text helpers to the platform: every
// UTF-16 unit of the Basic Multilingual Plane mapped to its upper-case or lower-case
// partner (itself when it has none; surrogates are left as they are). On Windows it is
// CharUpperBuffW / CharLowerBuffW; natively the C library's wide mapping in a UTF-8
// locale, which agrees with it for the letters of every script.
#pragma once

#include <vector>

namespace kov {

// 65,536 entries, indexed by the unit.
std::vector<char16_t> UpperUnits();
std::vector<char16_t> LowerUnits();

}  // namespace kov
