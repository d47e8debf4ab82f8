// Paths as text on the clipboard: the lines Copy as path puts there, and the lines of
// text pasted from an editor or an address bar read back as paths.
#pragma once

#include <vector>

#include "util/text.h"

namespace kov {

// Each path in double quotes, one per line, as Explorer's Copy as path gives them.
Text QuotedPathLines(const std::vector<Text>& paths);

// The lines of pasted text as paths: blanks around each line and one pair of double
// quotes around it are taken away; empty lines are passed over.
std::vector<Text> PathLines(const Text& text);

// True for a full path: a drive letter, a colon and "\" ("C:\..."), or a network path
// ("\\server\share...").
bool IsFullPath(const Text& path);

}  // namespace kov
