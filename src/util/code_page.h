// Conversion out of the system ANSI code page, the one seam of path widening to the
// platform. On Windows it is MultiByteToWideChar with CP_ACP; natively the Windows-1252
// table, which is what that call gives on an English or Western European system.
#pragma once

#include <string>

namespace kov {

// The ANSI text as UTF-8; empty for an empty text or when the system cannot convert it.
std::string AnsiToUtf8(const std::string& ansi);

}  // namespace kov
