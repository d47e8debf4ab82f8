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

TEST(MoveEntryBefore, TheLineMovesJustBeforeTheOtherOrAfterTheFoldersLastEntry) {
  EntryTable table = TableOf(kMixed);
  ASSERT_TRUE(MoveEntryBefore(table, "", "c", "b"));
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*a.exe**A**", "Tools\\*t1.exe**T1**", "*c.exe**C**", "*b.exe**B**",
                                               "*Tools*1*Tools**", "Tools\\*t2.exe**T2**"}));
  ASSERT_TRUE(MoveEntryBefore(table, "", "A", "tools"));
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"Tools\\*t1.exe**T1**", "*c.exe**C**", "*b.exe**B**", "*a.exe**A**",
                                               "*Tools*1*Tools**", "Tools\\*t2.exe**T2**"}));
  ASSERT_TRUE(MoveEntryBefore(table, "", "C", ""));
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"Tools\\*t1.exe**T1**", "*b.exe**B**", "*a.exe**A**", "*Tools*1*Tools**",
                                               "*c.exe**C**", "Tools\\*t2.exe**T2**"}));
  EXPECT_FALSE(MoveEntryBefore(table, "", "T1", "B"));
}

TEST(MoveEntryIntoFolder, AFolderCarriesEverythingInsideItAtEveryDepth) {
  EntryTable table = TableOf({
      "*Tools*1*Tools**",
      "*Net*1*Net* -p *",
      "net\\*ping.exe** Ping **",
      "Net\\*Old*1*Old**",
      "NET\\old\\*%windir%\\notes.txt**notes* x *",
      "*Network*1*Network**",
      "Network\\*share.exe**share**",
  });
  ASSERT_EQ(MoveEntryIntoFolder(table, "", "NET", "tools", kDirs), MoveOutcome::Moved);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{
                                "*Tools*1*Tools**",
                                "Tools\\*Net*1*Net* -p *",
                                "Tools\\Net\\*ping.exe** Ping **",
                                "Tools\\Net\\*Old*1*Old**",
                                "Tools\\Net\\old\\*%windir%\\notes.txt**notes* x *",
                                "*Network*1*Network**",
                                "Network\\*share.exe**share**",
                            }));
}

TEST(MoveEntryUp, TheEntryGoesToTheParentFolderAsItStood) {
  EntryTable table = TableOf({"*Tools*1*Tools**", "Tools\\*Net*1*Net**", "Tools\\Net\\*ping.exe* 0 * Ping *-t*"});
  ASSERT_EQ(MoveEntryUp(table, "Tools\\Net\\", "ping", kDirs), MoveOutcome::Moved);
  EXPECT_EQ(table.Slot(3), "Tools\\*ping.exe* 0 * Ping *-t*");
  EXPECT_EQ(MoveEntryUp(table, "", "Tools", kDirs), MoveOutcome::NotMoved);
}

TEST(MoveEntryIntoFolder, RefusesAFolderIntoItselfAndACaptionTheDestinationHolds) {
  const EntryTable before = TableOf(
      {"*Tools*1*Tools**", "*calc.exe**Calc**", "Tools\\*x.exe**CALC**", "Tools\\*Net*1*Net**", "*Net*1*Net**"});
  EntryTable table = before;
  EXPECT_EQ(MoveEntryIntoFolder(table, "", "Tools", "TOOLS", kDirs), MoveOutcome::IntoItself);
  EXPECT_EQ(MoveEntryIntoFolder(table, "", "calc", "Tools", kDirs), MoveOutcome::DuplicateName);
  EXPECT_EQ(MoveEntryUp(table, "Tools\\", "net", kDirs), MoveOutcome::DuplicateName);
  EXPECT_EQ(LinesOf(table), LinesOf(before));
}

}  // namespace
}  // namespace kov
