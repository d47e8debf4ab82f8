// The PC's legacy ANSI code page: the one the system uses for programs without Unicode
// support, in which older menus and some paths were written. Kovrant itself speaks UTF-8
// (its manifest makes UTF-8 its process code page), so the legacy code page is the one
// text it must convert. On Windows the conversion is MultiByteToWideChar with the
// system locale's default ANSI code page; natively the Windows-1252 table, which is what
// that gives on an English or Western European system.
#pragma once

#include <string>

namespace kov {

// The legacy text as UTF-8; empty for an empty text or when the system cannot convert
// it. Bytes the code page leaves undefined become the control characters of the same
// value, as the system's conversion makes them.
std::string LegacyToUtf8(const std::string& legacy);

}  // namespace kov
