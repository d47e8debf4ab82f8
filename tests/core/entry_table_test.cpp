#include <gtest/gtest.h>

#include "table_of.h"

#include <memory>

#include "store/entry_table.h"

namespace kov {
using test::LinesOf;

namespace {

std::vector<Text> Loaded(const Text& fileText) {
  EntryTable table;
  LoadEntryText(fileText, table);
  CompactEntries(table);
  return LinesOf(table);
}

TEST(LoadEntries, FinalLineBreakMakesNoEntry) {
  const std::vector<Text> expected = {"*a*", "b\\*x**y**"};
  EXPECT_EQ(Loaded("*a*\r\nb\\*x**y**\r\n"), expected);
  EXPECT_EQ(Loaded("*a*\r\nb\\*x**y**"), expected);
}

TEST(LoadEntries, BlankLinesDisappearAndLineEndsOfAnyKindSplit) {
  const std::vector<Text> expected = {"one", "two", "three", "four"};
  EXPECT_EQ(Loaded("one\r\n\r\ntwo\r\n\r\n\r\nthree\r\nfour"), expected);
  EXPECT_EQ(Loaded("one\rtwo\rthree\rfour\r"), expected);
  EXPECT_EQ(Loaded("one\ntwo\nthree\nfour\n"), expected);
  EXPECT_EQ(Loaded("one\r\ntwo\rthree\n\nfour"), expected);
}

// Loaded lines are pieces of the file's text, which the table keeps. A copy of the table,
// and a copy of a slot's line held with that text (as the icon view keeps them), must read
// the same after the original is changed, loaded again and gone; a changed line must not
// disturb its neighbours.
TEST(LoadEntries, LoadedLinesOutliveTheOriginalTableAndChangeOneByOne) {
  auto original = std::make_unique<EntryTable>();
  LoadEntryText("*a.exe**A long enough caption to need the heap**\r\n*b.exe**B**\r\n", *original);
  original->SetSlot(2, "*b.exe**A changed line that owns its own bytes**");
  auto copy = std::make_unique<EntryTable>(*original);
  const std::shared_ptr<const Text> kept = original->LoadedText();
  const std::vector<StoredLine> slotCopies{original->StoredSlot(1), original->StoredSlot(2)};
  original->SetSlot(1, "*x.exe**X**");
  LoadEntryText("*other.exe**Other**\r\n", *original);
  original.reset();
  copy->SetSlot(2, "*c.exe**C**");
  ASSERT_TRUE(copy->Append("*d.exe**D**"));
  copy->ExchangeSlots(1, 3);
  EXPECT_EQ(LinesOf(*copy),
            (std::vector<Text>{"*d.exe**D**", "*c.exe**C**", "*a.exe**A long enough caption to need the heap**"}));
  copy.reset();
  EXPECT_EQ(slotCopies[0].View(), "*a.exe**A long enough caption to need the heap**");
  EXPECT_EQ(slotCopies[1].View(), "*b.exe**A changed line that owns its own bytes**");
}

TEST(LoadEntries, EmptyAndLineEndOnlyFilesGiveAnEmptyTableThatIsSeeded) {
  for (const Text& text : {Text(), Text("\r\n\r\n\r\n"), Text("\n\r\r\n")}) {
    EntryTable table;
    LoadEntryText(text, table);
    CompactEntries(table);
    EXPECT_EQ(table.Count(), 0);
    SeedDefaults(table);
    ASSERT_EQ(table.Count(), 22);
    EXPECT_EQ(table.Slot(1), "*Windows programs*1*Windows programs**");
    EXPECT_EQ(table.Slot(2), "Windows programs\\*%systemdir%\\compmgmt.msc**Device Manager**");
    EXPECT_EQ(table.Slot(22), "Windows programs\\*%windir%\\write.exe**Write**");
  }
}

TEST(SeedDefaults, NeverTouchesATableWithEntries) {
  EntryTable table;
  ASSERT_TRUE(table.Append("*x**x**"));
  SeedDefaults(table);
  EXPECT_EQ(LinesOf(table), std::vector<Text>{"*x**x**"});
}

TEST(LoadEntries, OddContentRoundTripsByteForByte) {
  const Text binary(
      "\x01\x00\xFF*bin\x00"
      "ary*\t*",
      13);
  const Text manyFields = [] {
    Text line;
    for (int i = 0; i < 40; ++i) line += Text("f").append(IntText(i)).append("*");
    return line;
  }();
  const Text lines[] = {binary, Text(2 * 1024 * 1024, 'x'), "no star at all", manyFields, "   ", "*\t*"};
  Text file;
  for (const Text& line : lines) file += line + "\r\n";
  EntryTable table;
  LoadEntryText(file, table);
  CompactEntries(table);
  ASSERT_EQ(table.Count(), 6);
  for (int slot = 1; slot <= 6; ++slot) EXPECT_EQ(table.Slot(slot), lines[slot - 1]) << slot;
  EXPECT_EQ(EntryFileText(table), file);
}

TEST(Capacity, LinesBeyondTheTableAreKeptAsideAndSavedAgain) {
  Text file;
  for (int i = 1; i <= 150000; ++i) {
    file.append("*e").append(IntText(i)).append("**e").append(IntText(i)).append("**\r\n");
    if (i % 1000 == 0) file += "\r\n";
  }
  EntryTable table;
  LoadEntryText(file, table);
  CompactEntries(table);
  EXPECT_EQ(table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(table.Overflow().size(), 150000u - EntryTable::kCapacity);
  EXPECT_EQ(table.Slot(EntryTable::kCapacity), "*e99999**e99999**");
  EXPECT_EQ(table.Overflow().front(), "*e100000**e100000**");
  EXPECT_TRUE(table.IsFull());
  EXPECT_FALSE(table.Append("*more**more**"));
  EXPECT_EQ(table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(EntryFileText(table), ReplaceAll(file, "\r\n\r\n", "\r\n"));
}

TEST(Capacity, BlankLinesNeverTakeTheTableBeyondItsCapacity) {
  // Blank lines ahead of and between the entries would otherwise each hold a slot until
  // the table is compacted: a file of blank lines could exhaust the memory.
  Text file(2 * 150000, '\n');
  for (int i = 1; i <= EntryTable::kCapacity; ++i) file.append("*e").append(IntText(i)).append("*\r\n\r\n");
  file += "*last*\r\n";
  EntryTable table;
  LoadEntryText(file, table);
  EXPECT_LE(table.Count(), EntryTable::kCapacity);
  CompactEntries(table);
  ASSERT_EQ(table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(table.Slot(1), "*e1*");
  EXPECT_EQ(table.Slot(EntryTable::kCapacity), "*e99999*");
  EXPECT_EQ(table.Overflow(), std::vector<Text>{"*last*"});
}

TEST(CompactEntries, KeepsOrder) {
  EntryTable table;
  for (const char* line : {"a", "", "b", "", "", "c"}) ASSERT_TRUE(table.Append(line));
  CompactEntries(table);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"a", "b", "c"}));
}

}  // namespace
}  // namespace kov
