// The system's ANSI case mapping, the one seam of the text helpers to the platform.
// On Windows it is CharUpperBuffA / CharLowerBuffA; natively the Windows-1252 table,
// which is what those calls give on a Western European system.
#pragma once

#include <string>

namespace kov {

void UpperInPlace(std::string& text);
void LowerInPlace(std::string& text);

}  // namespace kov
