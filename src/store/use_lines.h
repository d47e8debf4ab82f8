// The state file's use lines, one an entry: "use=3.25 2026-12-08T10:15:00Z TOOLS\NOTEPAD",
// the entry's use score as it stood at that moment (UTC), and its key, the rest of the
// line.
#pragma once

#include <string_view>

#include "store/use_scores.h"

namespace kov {

// A score read from a line's value; problem says why it could not be read, and is empty
// otherwise.
struct UseReading {
  Text key;
  UseScore use;
  Text problem;
};
UseReading ReadUse(std::string_view value);

// Appends a use line for every score, sorted by key, each ending in CR LF.
void AppendUseLines(Text& text, const UseScores& scores);

}  // namespace kov
