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

}  // namespace kov::test
