// UTF-8, the encoding of every text inside the program: one sequence at a time, strict
// (no stray or missing continuation bytes, overlong forms, surrogates or values above
// U+10FFFF).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kov {

// Decodes the sequence starting at text[at]; returns its length in bytes, or 0 when the
// sequence is malformed.
std::size_t DecodeUtf8Sequence(std::string_view text, std::size_t at, std::uint32_t& codePoint);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// The longest start of text of at most maxBytes that ends between two characters.
std::string CutAtCharacter(const std::string& text, std::size_t maxBytes);

// True when the whole text is well-formed UTF-8 (plain ASCII is).
bool IsValidUtf8(const std::string& text);

}  // namespace kov
