// Moving between virtual folders in the model, and finding the folder just left.
#include <gtest/gtest.h>

#include "ui/launcher_model.h"

namespace kov {
namespace {

TEST(LauncherModel, LeavingAFolderFindsItsIconInTheParent) {
  LauncherModel model;
  for (const char* line :
       {"*a.exe**A**", "*Tools*1*Tools**", "Tools\\*Net*1*Net**", "Tools\\*x.exe**Net**", "Tools\\Net\\*b.exe**B**"}) {
    ASSERT_TRUE(model.table.Append(line));
  }
  EnterFolder(model, "Tools");
  EnterFolder(model, "Net");
  ASSERT_EQ(model.currentFolder, "Tools\\Net\\");

  EXPECT_EQ(LeaveFolder(model), "Net");
  EXPECT_EQ(model.currentFolder, "Tools\\");
  // The folder, not the program that carries the same caption.
  EXPECT_EQ(FolderIconPosition(model.table, model.dirs, model.currentFolder, "Net"), 0);

  EXPECT_EQ(LeaveFolder(model), "Tools");
  EXPECT_EQ(FolderIconPosition(model.table, model.dirs, model.currentFolder, "Tools"), 1);
  EXPECT_EQ(LeaveFolder(model), std::nullopt);
  EXPECT_EQ(FolderIconPosition(model.table, model.dirs, "", "Gone"), -1);
}

}  // namespace
}  // namespace kov
