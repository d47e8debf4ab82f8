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

TEST(AddEntriesToTable, AppendsInOrderAndSkipsCaptionsTheFolderOrTheBatchHolds) {
  const DirectoryValues dirs = Dirs();
  EntryTable table;
  ASSERT_TRUE(table.Append("Tools\\*x.exe** Tool.EXE **"));
  ASSERT_TRUE(table.Append("*y.exe**other.exe**"));

  const AddResult tools = AddEntriesToTable(
      table, "TOOLS\\", {{"F:\\tool.exe", kProgram}, {"F:\\new.exe", kProgram}, {"G:\\NEW.EXE", kProgram}}, dirs);
  EXPECT_EQ(tools.lines, std::vector<Text>{"TOOLS\\*F:\\new.exe**new.exe**"});
  EXPECT_EQ(tools.refused, 0);
  ASSERT_EQ(table.Count(), 3);
  EXPECT_EQ(table.Slot(3), tools.lines[0]);

  // The same caption in another folder, or a deeper one, is no duplicate; a folder's name
  // is a caption like any other.
  const AddResult top = AddEntriesToTable(table, "", {{"F:\\tool.exe", kProgram}, {"OTHER.EXE", kVirtualFolder}}, dirs);
  EXPECT_EQ(top.lines, std::vector<Text>{"*F:\\tool.exe**tool.exe**"});
  EXPECT_EQ(AddEntriesToTable(table, "Tools\\Net\\", {{"F:\\tool.exe", kProgram}}, dirs).lines.size(), 1u);
  EXPECT_EQ(table.Count(), 5);
}

TEST(AddEntriesToTable, AFullTableRefusesTheRestAndKeepsEveryLine) {
  EntryTable table;
  while (table.Count() < EntryTable::kCapacity - 1) ASSERT_TRUE(table.Append("*x**y**"));
  const AddResult result = AddEntriesToTable(
      table, "", {{"C:\\new.exe", kProgram}, {"C:\\Y", kProgram}, {"C:\\newer.exe", kProgram}, {"C:\\last", kProgram}},
      Dirs());
  EXPECT_EQ(result.lines, std::vector<Text>{"*C:\\new.exe**new.exe**"});
  // A duplicate is still only a duplicate.
  EXPECT_EQ(result.refused, 2);
  EXPECT_EQ(table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(table.Slot(EntryTable::kCapacity), "*C:\\new.exe**new.exe**");
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

// An older program's drop names its files in the legacy code page (1252 here and in the
// test prefix): "Café" arrives whole, never as an undecodable byte.
TEST(LegacyDropPaths, NamesInTheLegacyCodePageArriveAsUtf8) {
  using namespace std::string_view_literals;
  EXPECT_EQ(LegacyDropPaths("C:\\Caf\xE9.txt\0C:\\a b\0\0"sv),
            (std::vector<Text>{"C:\\Caf\u00e9.txt", "C:\\a b"}));
  EXPECT_EQ(LegacyDropPaths("C:\\x.txt"sv), std::vector<Text>{"C:\\x.txt"});
  EXPECT_TRUE(LegacyDropPaths("\0"sv).empty());
}

}  // namespace
}  // namespace kov
