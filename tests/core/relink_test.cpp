// Pointing an entry whose target went missing at what now stands for it.
#include <gtest/gtest.h>

#include <set>

#include "ui/relink.h"

namespace kov {
namespace {

const DirectoryValues kDirs{"C:\\WORK\\", "C:\\WINDOWS\\system32", "C:\\TEMP", "C:\\WINDOWS", "C:\\WORK\\"};

// Folder, caption and parameters stay; the target is stored as a drop stores it, with
// the kind of what it now is.
TEST(RelinkedLine, KeepsTheEntryAndStoresTheNewTargetAsADropDoes) {
  const Text line = "Tools\\*Apps\\old.exe**My tool*-x @R\\f.txt*";
  EXPECT_EQ(RelinkedLine(line, {"C:\\WORK\\Apps\\v2\\new.exe", kProgram}, kDirs),
            "Tools\\*Apps\\v2\\new.exe**My tool*-x @R\\f.txt*");
  EXPECT_EQ(RelinkedLine(line, {"D:\\Portable\\Tool", kDirectory}, kDirs), "Tools\\*D:\\Portable\\Tool*2*My tool*-x @R\\f.txt*");
}

TEST(NearestExistingFolder, ClimbsToTheFirstFolderThatIsStillThere) {
  const std::set<Text> there = {"C:\\", "C:\\Apps\\"};
  const PathExists exists = [&](const Text& path) { return there.contains(path); };
  EXPECT_EQ(NearestExistingFolder("C:\\Apps\\Old\\Bin\\tool.exe", exists), "C:\\Apps\\");
  EXPECT_EQ(NearestExistingFolder("C:\\Gone\\tool.exe", exists), "C:\\");
  EXPECT_EQ(NearestExistingFolder("Q:\\Gone\\tool.exe", exists), "");
}

}  // namespace
}  // namespace kov
