// The rule for loading a settings file and saving it again: every non-blank line comes
// back, in order, each ended by CR LF, whatever the bytes and line ends of the file; the
// table never holds more than its capacity, and the lines beyond it are written back
// after the table.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "store/entry_table.h"

namespace kov::fuzz {

// The lines of text as a reader of the file sees them: CR LF, a bare CR and a bare LF
// each end a line.
inline std::vector<std::string> NonBlankLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (!line.empty()) lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Loads ahead + text as one file and checks the table and its saved bytes. The lines of
// ahead are non-blank and each ended by CR LF, so they are saved as they stand.
inline void CheckLoadAndSave(const std::string& ahead, const std::string& text, int capacity = EntryTable::kCapacity) {
  std::string expected = ahead;
  for (const std::string& line : NonBlankLines(text)) expected += line + "\r\n";

  EntryTable table(capacity);
  LoadEntryText(ahead + text, table);
  Require(table.Count() <= capacity, "the table holds at most its capacity, holes included");
  CompactEntries(table);
  Require(table.Overflow().empty() || table.Count() == capacity,
          "lines go to the overflow only once the table is full");
  for (std::string_view line : table.Lines()) {
    Require(!line.empty(), "no hole is left after compacting");
  }
  Require(EntryFileText(table) == expected, "saving gives back the non-blank lines, each ended by CR LF");

  if (table.Count() == 0 && capacity == EntryTable::kCapacity) {
    SeedDefaults(table);
    Require(table.Count() == 22, "an empty table is seeded with the built-in folder");
  }
}

}  // namespace kov::fuzz
