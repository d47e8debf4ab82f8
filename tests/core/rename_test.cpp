#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/folder_logic.h"
#include "ui/rename.h"

namespace kov {
namespace {

using test::LinesOf;
using test::TableOf;

// The slot of the folder's entry of that caption, as its icon knows it.
int SlotNamed(const EntryTable& table, const Text& folder, const Text& caption) {
  return FindCaptionInFolder(table, FolderPrefix(folder), UpperText(caption));
}

const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows", "E:\\KOVRANT\\"};

TEST(RenameEntry, AFolderNamedWithAMacroTakesTheContentsTheViewShowsInIt) {
  EntryTable table;
  for (const char* line : {"*%windir%*1*Win**", "C:\\Windows\\*notepad.exe**Notepad**", "%windir%\\*x**X**"}) {
    ASSERT_TRUE(table.Append(line));
  }
  ASSERT_EQ(RenameEntry(table, "", SlotNamed(table, "", "Win"), "Tools", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(1), "*Tools*1*Tools**");
  EXPECT_EQ(table.Slot(2), "Tools\\*notepad.exe**Notepad**");
  EXPECT_EQ(table.Slot(3), "%windir%\\*x**X**");
}

TEST(RenameEntry, AFolderCarriesEverythingInsideItAtEveryDepth) {
  EntryTable table = TableOf({
      "*Tools*1*Tools**",
      "Tools\\*Net*1*Net*-p*",
      "Tools\\Net\\*ping.exe** Ping **",
      "Tools\\Net\\*Old*1*Old**",
      "tools\\net\\Old\\*%windir%\\notes.txt**notes* x *",
      "Tools\\*Network*1*Network**",
      "Tools\\Network\\*share.exe**share**",
      "*Net*1*Net**",
  });
  const RenameResult result = RenameEntry(table, "Tools\\", SlotNamed(table, "Tools\\", "net"), " W*eb\t", kDirs);
  EXPECT_EQ(result.outcome, RenameOutcome::Renamed);
  EXPECT_EQ(result.name, "Web");
  EXPECT_EQ(result.slot, 2);
  const std::vector<Text> expected = {
      "*Tools*1*Tools**",
      "Tools\\*Web*1*Web*-p*",
      "Tools\\Web\\*ping.exe** Ping **",
      "Tools\\Web\\*Old*1*Old**",
      "tools\\Web\\Old\\*%windir%\\notes.txt**notes* x *",
      "Tools\\*Network*1*Network**",
      "Tools\\Network\\*share.exe**share**",
      "*Net*1*Net**",
  };
  EXPECT_EQ(LinesOf(table), expected);
}

TEST(RenameEntry, AtTheRootADeeperFolderPathChangesOnlyItsFirstLevel) {
  EntryTable table = TableOf({"*Net*1*Net**", "Net\\Old\\*a.exe**a**", "Net\\*Old*1*Old**", "Netz\\*b.exe**b**"});
  ASSERT_EQ(RenameEntry(table, "", SlotNamed(table, "", "Net"), "Web", kDirs).outcome, RenameOutcome::Renamed);
  const std::vector<Text> expected = {"*Web*1*Web**", "Web\\Old\\*a.exe**a**", "Web\\*Old*1*Old**",
                                      "Netz\\*b.exe**b**"};
  EXPECT_EQ(LinesOf(table), expected);

  // The view enters a folder by its trimmed target, so that is the path carried along.
  EntryTable padded = TableOf({"* Net\t*1*Net**", "Net\\*a.exe**a**"});
  ASSERT_EQ(RenameEntry(padded, "", SlotNamed(padded, "", "Net"), "Web", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(padded.Slot(2), "Web\\*a.exe**a**");

  // A hand-edited folder whose target holds "\\" is entered at that path; its contents
  // follow it under the new name.
  EntryTable twoLevels = TableOf({"*A\\B*1*Both**", "A\\B\\*x.exe**x**", "A\\*y.exe**y**"});
  ASSERT_EQ(RenameEntry(twoLevels, "", SlotNamed(twoLevels, "", "Both"), "New", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(LinesOf(twoLevels), (std::vector<Text>{"*New*1*New**", "New\\*x.exe**x**", "A\\*y.exe**y**"}));
}

TEST(RenameEntry, TheSeededFolderRenamedToAdminTakesItsTwentyOnePrograms) {
  EntryTable table;
  SeedDefaults(table);
  ASSERT_EQ(RenameEntry(table, "", SlotNamed(table, "", "Windows programs"), "Admin", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(1), "*Admin*1*Admin**");
  for (int slot = 2; slot <= 22; ++slot) EXPECT_EQ(table.Slot(slot).rfind("Admin\\*%", 0), 0u) << table.Slot(slot);
  EXPECT_EQ(table.Slot(22), "Admin\\*%windir%\\write.exe**Write**");
}

TEST(RenameEntry, OtherKindsKeepTheirTargetAndParametersAsTheyStand) {
  EntryTable table = TableOf({
      "Tools\\* Apps\\tool.exe ** Tool * -x  *extra*",
      "tools\\*D:\\Data*2*Data**",
      "Tools\\*D:\\Data\\x*7*Odd**",
      "Tools\\D:\\Data\\*inner.exe**inner**",
  });
  // An empty kind is written as 0; pieces after the parameters are dropped; the folder
  // field becomes the current folder's own text.
  ASSERT_EQ(RenameEntry(table, "Tools\\", SlotNamed(table, "Tools\\", "tool"), "Hammer", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(1), "Tools\\* Apps\\tool.exe *0*Hammer* -x  *");
  ASSERT_EQ(RenameEntry(table, "Tools\\", SlotNamed(table, "Tools\\", "DATA"), "Files", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(2), "Tools\\*D:\\Data*2*Files**");
  // A kind the program does not know is no folder: its target stays, nothing is carried.
  ASSERT_EQ(RenameEntry(table, "Tools\\", SlotNamed(table, "Tools\\", "odd"), "Even", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(3), "Tools\\*D:\\Data\\x*7*Even**");
  EXPECT_EQ(table.Slot(4), "Tools\\D:\\Data\\*inner.exe**inner**");
}

TEST(RenameEntry, ABackslashIsRefusedInAFolderNameButNotInACaption) {
  EntryTable table = TableOf({"*Net*1*Net**", "Net\\*a.exe**a**", "*run.exe**run**"});
  const EntryTable before = table;
  EXPECT_EQ(RenameEntry(table, "", SlotNamed(table, "", "Net"), "Web\\Old", kDirs).outcome, RenameOutcome::BackslashInFolder);
  EXPECT_EQ(LinesOf(table), LinesOf(before));
  EXPECT_EQ(RenameEntry(table, "", SlotNamed(table, "", "run"), "run\\fast", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(table.Slot(3), "*run.exe*0*run\\fast**");
}

// Two entries whose captions differ only in letter case (a menu edited by hand): the one
// renamed is the one whose icon was edited.
TEST(RenameEntry, RenamesTheEntryOfItsSlotWhenAnotherHasTheSameCaption) {
  EntryTable table = TableOf({"*a.exe**Dup**", "*b.exe**dup**"});
  ASSERT_EQ(RenameEntry(table, "", 2, "Second", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*a.exe**Dup**", "*b.exe*0*Second**"}));
}

TEST(RenameEntry, RefusalsLeaveTheTableUnchanged) {
  EntryTable table = TableOf({"*notepad.exe**notepad**", "* calc.exe ** Calc **", "Sub\\*x.exe**Other**"});
  const EntryTable before = table;
  const struct {
    Text oldCaption;
    Text typed;
    RenameOutcome outcome;
  } cases[] = {
      {"notepad", "", RenameOutcome::EmptyName},
      {"notepad", " \t ", RenameOutcome::EmptyName},
      {"notepad", "***", RenameOutcome::EmptyName},
      {"notepad", "CALC", RenameOutcome::DuplicateName},
      {"notepad", " c*alc ", RenameOutcome::DuplicateName},
      {"notepad", " notepad ", RenameOutcome::DuplicateName},
      {"missing", "Fresh", RenameOutcome::EntryNotFound},
      {"Other", "Fresh", RenameOutcome::EntryNotFound},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RenameEntry(table, "", SlotNamed(table, "", c.oldCaption), c.typed, kDirs).outcome, c.outcome) << c.typed;
    EXPECT_EQ(LinesOf(table), LinesOf(before)) << c.typed;
  }
  // An entry may take its own name in other letter case; the same name is free in another
  // folder.
  EXPECT_EQ(RenameEntry(table, "", 1, "Notepad", kDirs).outcome, RenameOutcome::Renamed);
  EXPECT_EQ(RenameEntry(table, "Sub\\", SlotNamed(table, "Sub\\", "other"), "Calc", kDirs).outcome, RenameOutcome::Renamed);
}

}  // namespace
}  // namespace kov
