#include <gtest/gtest.h>

#include "ui/adding.h"

namespace kov {
namespace {

DirectoryValues Dirs() {
  DirectoryValues dirs;
  dirs.workFolder = "E:\\KOVRANT\\";
  return dirs;
}

TEST(NewEntryLine, DroppedFilesDirectoriesAndFoldersTakeTheirShapes) {
  const DirectoryValues dirs = Dirs();
  EXPECT_EQ(NewEntryLine("", {"E:\\Kovrant\\Apps\\tool.exe", kProgram}, dirs), "*Apps\\tool.exe**tool.exe**");
  EXPECT_EQ(NewEntryLine("Tools\\", {"D:\\Other\\run.cmd", kProgram}, dirs), "Tools\\*D:\\Other\\run.cmd**run.cmd**");
  EXPECT_EQ(NewEntryLine("Tools\\", {"e:\\kovrant\\Data", kDirectory}, dirs), "Tools\\*Data*2*Data**");
  EXPECT_EQ(NewEntryLine("Tools\\", {"Net", kVirtualFolder}, dirs), "Tools\\*Net*1*Net**");
}

TEST(NewEntryLine, CaptionIsTheFileNamePartOrTheWholePathWhenThereIsNone) {
  EXPECT_EQ(NewEntryCaption({"C:\\a\\b.txt", kProgram}), "b.txt");
  EXPECT_EQ(NewEntryCaption({"C:b.txt", kProgram}), "b.txt");
  EXPECT_EQ(NewEntryCaption({"\\\\server\\share\\doc.rtf", kProgram}), "doc.rtf");
  EXPECT_EQ(NewEntryCaption({"D:\\", kDirectory}), "D:\\");
  EXPECT_EQ(NewEntryCaption({"A\\B", kVirtualFolder}), "A\\B");
}

TEST(AddEntryToTable, AppendsAtTheEndAndSkipsCaptionsTheFolderHolds) {
  const DirectoryValues dirs = Dirs();
  EntryTable table;
  ASSERT_TRUE(table.Append("Tools\\*x.exe** Tool.EXE **"));
  ASSERT_TRUE(table.Append("*y.exe**other.exe**"));

  const AddResult duplicate = AddEntryToTable(table, "TOOLS\\", {"F:\\tool.exe", kProgram}, dirs);
  EXPECT_EQ(duplicate.outcome, AddOutcome::DuplicateSkipped);
  EXPECT_TRUE(duplicate.line.empty());
  EXPECT_EQ(table.Count(), 2);

  const AddResult elsewhere = AddEntryToTable(table, "", {"F:\\tool.exe", kProgram}, dirs);
  EXPECT_EQ(elsewhere.outcome, AddOutcome::Added);
  EXPECT_EQ(elsewhere.line, "*F:\\tool.exe**tool.exe**");
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Slot(3), elsewhere.line);

  // A folder's name is a caption like any other, and a deeper folder is another folder.
  EXPECT_EQ(AddEntryToTable(table, "", {"OTHER.EXE", kVirtualFolder}, dirs).outcome, AddOutcome::DuplicateSkipped);
  EXPECT_EQ(AddEntryToTable(table, "Tools\\Net\\", {"F:\\tool.exe", kProgram}, dirs).outcome, AddOutcome::Added);
  EXPECT_EQ(table.Count(), 4);
}

TEST(AddEntryToTable, AFullTableRefusesAndKeepsEveryLine) {
  EntryTable table;
  while (table.Count() < EntryTable::kCapacity - 1) ASSERT_TRUE(table.Append("*x**y**"));
  EXPECT_EQ(AddEntryToTable(table, "", {"C:\\new.exe", kProgram}, Dirs()).outcome, AddOutcome::Added);
  const AddResult refused = AddEntryToTable(table, "", {"C:\\newer.exe", kProgram}, Dirs());
  EXPECT_EQ(refused.outcome, AddOutcome::TableFull);
  EXPECT_TRUE(refused.line.empty());
  EXPECT_EQ(table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(table.Slot(EntryTable::kCapacity), "*C:\\new.exe**new.exe**");
  // A duplicate is still only a duplicate.
  EXPECT_EQ(AddEntryToTable(table, "", {"C:\\Y", kProgram}, Dirs()).outcome, AddOutcome::DuplicateSkipped);
}

TEST(CleanEntryName, RemovesStarsAndBlanksAroundAndRefusesBackslashes) {
  EXPECT_EQ(CleanEntryName("a*b"), "ab");
  EXPECT_EQ(CleanEntryName(" \t*My  tools* \t"), "My  tools");
  EXPECT_EQ(CleanEntryName("** \t "), "");
  EXPECT_EQ(CleanEntryName("two\r\nlines\n"), "two  lines");
  EXPECT_TRUE(IsValidFolderName("ab"));
  EXPECT_FALSE(IsValidFolderName(""));
  EXPECT_FALSE(IsValidFolderName("Net\\Old"));
  EXPECT_FALSE(IsValidFolderName("Net\\"));
}

}  // namespace
}  // namespace kov
