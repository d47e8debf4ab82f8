#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/arrange.h"

namespace kov {
namespace {

using test::LinesOf;
using test::TableOf;

const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows", "E:\\KOVRANT\\"};

// Top-level entries interleaved with the lines of a folder, which must keep their places.
const std::vector<Text> kMixed = {
    "*a.exe**A**", "Tools\\*t1.exe**T1**", "*b.exe**B**", "*Tools*1*Tools**", "Tools\\*t2.exe**T2**", "*c.exe**C**",
};

// The slot whose line is given: the icons know their slots.
int SlotOfLine(const EntryTable& table, const Text& line) {
  for (int slot = 1; slot <= table.Count(); ++slot) {
    if (table.Slot(slot) == line) return slot;
  }
  return 0;
}

TEST(MoveEntries, ASelectionGoesInItsOrderBeforeAnEntryOrAfterTheFoldersLastOne) {
  EntryTable table = TableOf(kMixed);
  // C and A, picked in that order, before B; the folder's lines keep their places.
  EntriesMove move = MoveEntries(table, {6, 1}, "", 3, kDirs);
  ASSERT_EQ(move.outcome, MoveOutcome::Moved);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"Tools\\*t1.exe**T1**", "*c.exe**C**", "*a.exe**A**", "*b.exe**B**",
                                               "*Tools*1*Tools**", "Tools\\*t2.exe**T2**"}));
  EXPECT_EQ(move.slots, (std::vector<int>{2, 3}));
  // To the end; entries that stand so already change nothing.
  move = MoveEntries(table, {2, 4}, "", 0, kDirs);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"Tools\\*t1.exe**T1**", "*a.exe**A**", "*Tools*1*Tools**", "*c.exe**C**",
                                               "*b.exe**B**", "Tools\\*t2.exe**T2**"}));
  EXPECT_EQ(move.slots, (std::vector<int>{4, 5}));
  const std::vector<Text> settled = LinesOf(table);
  EXPECT_EQ(MoveEntries(table, {4, 5}, "", 0, kDirs).outcome, MoveOutcome::Moved);
  EXPECT_EQ(LinesOf(table), settled);
}

TEST(MoveEntries, AFolderCarriesEverythingInsideItAtEveryDepthAndOneUndoTakesAllBack) {
  const EntryTable before = TableOf({
      "*Tools*1*Tools**",
      "Tools\\*x.exe**X**",
      "*Net*1*Net* -p *",
      "net\\*ping.exe** Ping **",
      "Net\\*Old*1*Old**",
      "NET\\old\\*%windir%\\notes.txt**notes* x *",
      "*Network*1*Network**",
      "Network\\*share.exe**share**",
      "*calc.exe**Calc**",
  });
  EntryTable table = before;
  TableChanges changes;
  table.RecordChangesIn(&changes);
  const EntriesMove move = MoveEntries(table, {9, 3}, "Tools\\", 0, kDirs);
  table.RecordChangesIn(nullptr);
  ASSERT_EQ(move.outcome, MoveOutcome::Moved);
  const std::vector<Text> moved = {
      "*Tools*1*Tools**",
      "Tools\\*x.exe**X**",
      "Tools\\*calc.exe**Calc**",
      "Tools\\*Net*1*Net* -p *",
      "Tools\\Net\\*ping.exe** Ping **",
      "Tools\\Net\\*Old*1*Old**",
      "Tools\\Net\\old\\*%windir%\\notes.txt**notes* x *",
      "*Network*1*Network**",
      "Network\\*share.exe**share**",
  };
  EXPECT_EQ(LinesOf(table), moved);
  EXPECT_EQ(move.slots, (std::vector<int>{3, 4}));
  table.Undo(changes);
  EXPECT_EQ(LinesOf(table), LinesOf(before));
  table.Redo(changes);
  EXPECT_EQ(LinesOf(table), moved);
}

TEST(MoveEntries, RefusesAFolderIntoItselfWholeAndPassesOverACaptionTheDestinationHolds) {
  const EntryTable before = TableOf({"*Tools*1*Tools**", "*calc.exe**Calc**", "Tools\\*x.exe**CALC**",
                                     "Tools\\*Net*1*Net**", "*Net*1*Net**", "*b.exe**B**"});
  EntryTable table = before;
  EXPECT_EQ(MoveEntries(table, {6, 1}, "Tools\\", 0, kDirs).outcome, MoveOutcome::IntoItself);
  EXPECT_EQ(MoveEntries(table, {6, 1}, "tools\\net\\", 0, kDirs).outcome, MoveOutcome::IntoItself);
  EXPECT_EQ(MoveEntries(table, {2}, "Tools\\", 0, kDirs).outcome, MoveOutcome::DuplicateName);
  EXPECT_EQ(LinesOf(table), LinesOf(before));
  const EntriesMove move = MoveEntries(table, {2, 6, 5}, "Tools\\", 0, kDirs);
  EXPECT_EQ(move.outcome, MoveOutcome::Moved);
  EXPECT_EQ(move.refused, (std::vector<Text>{"Calc", "Net"}));
  EXPECT_EQ(MoveRefusal(move), "That folder already holds items named \"Calc\", \"Net\": they were not moved.");
  EXPECT_NE(SlotOfLine(table, "Tools\\*b.exe**B**"), 0);
  EXPECT_NE(SlotOfLine(table, "*calc.exe**Calc**"), 0);
  EXPECT_NE(SlotOfLine(table, "*Net*1*Net**"), 0);
}

}  // namespace
}  // namespace kov
