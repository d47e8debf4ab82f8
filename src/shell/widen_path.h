// Turning the program's 8-bit path texts into the wide text of the wide file calls.
// Paths gathered from different places can mix encodings: a component may be UTF-8
// (from a drop or a file written by another program) beside one in the legacy ANSI code page.
#pragma once

#include <string>

namespace kov {

// Strict UTF-8 to UTF-16 code units. Empty for an empty text and for any malformed
// input: stray or missing continuation bytes, overlong forms, surrogate code points and
// values above U+10FFFF. The empty result is the one test of validity.
std::wstring DecodeUtf8(const std::string& utf8);

// The path as wide text, each component read as UTF-8 when it is valid UTF-8 and in the
// legacy ANSI code page otherwise. A leading "\\" (a network path) is kept, as is a single
// leading "\" (the root of the current drive). Doubled backslashes collapse to one, and
// the result ends in "\" only when the path did.
std::wstring WidenPath(const std::string& path);

}  // namespace kov
