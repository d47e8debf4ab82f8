// What a cut keeps of its entries, and paths as text on the clipboard.
#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/cut_entries.h"
#include "ui/path_text.h"

namespace kov {
namespace {

using test::TableOf;

// Entries cut are found again by their lines wherever the table moved them; one changed
// since is left out, and two lines alike are two entries.
TEST(CutSlots, FindTheCutEntriesAsTheTableStandsInTheOrderCut) {
  const CutEntries cut{{"*b.exe**B**", "*a.exe**A**", "*x.exe**X**", "*a.exe**A**"}, 7};
  const EntryTable table = TableOf({"*new.exe**New**", "*a.exe**A**", "*b.exe**B**", "*a.exe**A**", "*x.exe**Renamed**"});
  EXPECT_EQ(CutSlots(table, cut), (std::vector<int>{3, 2, 4}));
}

TEST(PathText, CopiedPathsAreQuotedPerLineAndPastedLinesGiveThePathsBack) {
  const Text copied = QuotedPathLines({"C:\\Apps\\a b.exe", "E:\\\xD0\x97\xD0\xB0\xD0\xBC.txt"});
  EXPECT_EQ(copied, "\"C:\\Apps\\a b.exe\"\r\n\"E:\\\xD0\x97\xD0\xB0\xD0\xBC.txt\"");
  EXPECT_EQ(PathLines(copied), (std::vector<Text>{"C:\\Apps\\a b.exe", "E:\\\xD0\x97\xD0\xB0\xD0\xBC.txt"}));
  EXPECT_EQ(PathLines("  \" C:\\x \"\t\n\n\r\nD:\\y\r"), (std::vector<Text>{"C:\\x", "D:\\y"}));
  EXPECT_TRUE(PathLines(" \r\n\"\"\r\n").empty());
  EXPECT_TRUE(IsFullPath("c:\\x"));
  EXPECT_TRUE(IsFullPath("\\\\server\\share"));
  EXPECT_FALSE(IsFullPath("notes.txt"));
  EXPECT_FALSE(IsFullPath("C:notes.txt"));
  EXPECT_FALSE(IsFullPath("1:\\x"));
}

}  // namespace
}  // namespace kov
