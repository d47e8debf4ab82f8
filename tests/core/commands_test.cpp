#include <gtest/gtest.h>

#include <set>

#include "table_of.h"
#include "ui/commands.h"

namespace kov {
namespace {

using test::LinesOf;
using test::TableOf;

const DirectoryValues kDirs{"E:\\KOVRANT\\", "C:\\Windows\\system32", "C:\\Temp", "C:\\Windows", "E:\\KOVRANT\\"};

TEST(CommandDelete, FolderGoesWithEverythingInsideItInAnyCaseAndTools2Stays) {
  EntryTable table = TableOf({
      "*Tools*1*Tools**",
      "*Tools2*1*Tools2**",
      "Tools\\*a.exe**A**",
      "TOOLS\\*Net*1*Net**",
      "tools\\Net\\*x.exe**X**",
      "ToOlS\\net\\Deep\\*y.exe**Y**",
      "Tools2\\*b.exe**B**",
      "Tools2\\Tools\\*c.exe**C**",
      "*notes.txt**Notes**",
  });
  // The folder and the notes at once: the folder's three entries go with them.
  EXPECT_EQ(DeleteEntries(table, {9, 1}, kDirs), 4);
  EXPECT_EQ(LinesOf(table),
            (std::vector<Text>{"*Tools2*1*Tools2**", "Tools2\\*b.exe**B**", "Tools2\\Tools\\*c.exe**C**"}));
}

TEST(CommandDelete, FolderAlsoTakesItsLinesBeyondTheCapacity) {
  Text file = "*Tools*1*Tools**\r\n";
  for (int i = 1; i < EntryTable::kCapacity; ++i) file += "*e.exe**E**\r\n";
  file += "Tools\\*a.exe**A**\r\n*b.exe**B**\r\n";
  EntryTable table;
  LoadEntryText(file, table);
  ASSERT_EQ(table.Overflow().size(), 2u);
  DeleteEntries(table, {1}, kDirs);
  EXPECT_EQ(table.Overflow(), std::vector<Text>{"*b.exe**B**"});
}

TEST(CommandDelete, NestedFolderTakesOnlyItsOwnSubtree) {
  EntryTable table = TableOf({
      "*Tools*1*Tools**",
      "Tools\\*Net*1*Net**",
      "Tools\\*Network*1*Network**",
      "Tools\\Net\\*x.exe**X**",
      "Tools\\Net\\Deep\\*y.exe**Y**",
      "Tools\\Network\\*z.exe**Z**",
      "Net\\*w.exe**W**",
  });
  DeleteEntries(table, {2}, kDirs);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*Tools*1*Tools**", "Tools\\*Network*1*Network**",
                                               "Tools\\Network\\*z.exe**Z**", "Net\\*w.exe**W**"}));
}

TEST(CommandDelete, ProgramOrDirectoryTakesOnlyItsOwnLine) {
  const std::vector<Text> lines = {"*a.exe**A**", "*Apps*2*Apps**", "Apps\\*b.exe**B**", "*c.exe**C**"};
  EntryTable table = TableOf(lines);
  DeleteEntries(table, {1}, kDirs);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*Apps*2*Apps**", "Apps\\*b.exe**B**", "*c.exe**C**"}));
  // A directory entry is no virtual folder: the entries of a folder of the same name stay.
  DeleteEntries(table, {1}, kDirs);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"Apps\\*b.exe**B**", "*c.exe**C**"}));
}

TEST(CommandDelete, SlotOutsideTheTableChangesNothing) {
  const std::vector<Text> lines = {"*a.exe**A**", "*b.exe**B**"};
  EntryTable table = TableOf(lines);
  EXPECT_EQ(DeleteEntries(table, {0, 3}, kDirs), 0);
  EXPECT_EQ(LinesOf(table), lines);
}

TEST(CommandParameters, TypedTextIsCleanedAndTheLineEndsWithAStar) {
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*old*", "  -x  "), "*tool.exe**Tool*-x*");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*old*", "a*b"), "*tool.exe**Tool*ab*");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*old*", "\t-v\t*"), "*tool.exe**Tool*-v*");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*old*", ""), "*tool.exe**Tool**");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*old*", "@R\\data\\list.txt"), "*tool.exe**Tool*@R\\data\\list.txt*");
}

TEST(CommandParameters, LineBreaksCannotSplitTheStoredLine) {
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool**", "-a\r\n*x.exe**X**"), "*tool.exe**Tool*-a  x.exeX*");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool**", "\n-b\r"), "*tool.exe**Tool*-b*");
}

TEST(CommandParameters, FirstFourFieldsStayAsTheyStandAndExtraPiecesGo) {
  EXPECT_EQ(LineWithParameters("Tools\\ * tool.exe *\t* Tool *old*extra*more*", "-y"),
            "Tools\\ * tool.exe *\t* Tool *-y*");
  EXPECT_EQ(LineWithParameters("*tool.exe**Tool*", "-z"), "*tool.exe**Tool*-z*");
}

TEST(CommandParameters, ShortOrHugeLinesStillGiveFiveFields) {
  EXPECT_EQ(LineWithParameters("*tool.exe", "-z"), "*tool.exe***-z*");
  EXPECT_EQ(LineWithParameters("", "-z"), "****-z*");
  Text manyPieces = "*tool.exe**Tool*p";
  for (int i = 0; i < 2000; ++i) manyPieces += "*x";
  EXPECT_EQ(LineWithParameters(manyPieces, "-q"), "*tool.exe**Tool*-q*");
}

class CommandLocation : public testing::Test {
 protected:
  CommandLocation() {
    dirs_.workFolder = "E:\\STICK\\";
    dirs_.workFolderShown = "E:\\Stick\\";
  }
  Text Location(const Text& target) const {
    return EntryLocation(target, dirs_, [this](const Text& path) { return existing_.count(path) > 0; });
  }

  DirectoryValues dirs_;
  std::set<Text> existing_ = {"E:\\Stick\\", "E:\\Stick\\Apps\\tool.exe", "C:\\Tools\\run.exe"};
};

TEST_F(CommandLocation, RelativeTargetsLieInTheWorkingFolder) {
  EXPECT_EQ(SelectInExplorerParameter(Location("Apps\\tool.exe")), "/select,\"E:\\Stick\\Apps\\tool.exe\"");
}

TEST_F(CommandLocation, AbsoluteTargetsStayAsTheyAre) {
  EXPECT_EQ(SelectInExplorerParameter(Location("C:\\Tools\\run.exe")), "/select,\"C:\\Tools\\run.exe\"");
}

TEST_F(CommandLocation, MissingTargetsShowTheDirectoryThatHeldThem) {
  EXPECT_EQ(Location("Apps\\gone.exe"), "E:\\Stick\\Apps\\");
  EXPECT_EQ(Location("D:\\Old\\gone.exe"), "D:\\Old\\");
  EXPECT_EQ(Location("D:gone.exe"), "D:");
}

TEST_F(CommandLocation, EmptyTargetNamesTheWorkingFolder) {
  EXPECT_EQ(SelectInExplorerParameter(Location("")), "/select,\"E:\\Stick\\\"");
  EXPECT_EQ(Location("x"), "E:\\Stick\\");
}

}  // namespace
}  // namespace kov
