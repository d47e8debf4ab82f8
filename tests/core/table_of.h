// The entry table the core tests start from: the given lines in slots 1, 2, 3...
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "store/entry_table.h"

namespace kov::test {

inline EntryTable TableOf(const std::vector<Text>& lines) {
  EntryTable table;
  for (const Text& line : lines) EXPECT_TRUE(table.Append(line)) << line;
  return table;
}

// The table's lines as strings, to compare whole tables.
inline std::vector<Text> LinesOf(const EntryTable& table) {
  std::vector<Text> lines;
  for (std::string_view line : table.Lines()) lines.emplace_back(line);
  return lines;
}

}  // namespace kov::test
