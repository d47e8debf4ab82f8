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

TEST(LauncherModel, AStartDuringASearchCountsFromTheNextKeystroke) {
  constexpr std::int64_t kDay = 24 * 60 * 60;
  constexpr std::int64_t kMorning = 1796724900;  // 2026-12-08T10:15:00Z
  LauncherModel model;
  for (const char* line : {"*a.exe**Toolbox Alpha**", "*b.exe**Toolbox Beta**", "Tools\\*c.exe**Toolbox Beta**",
                           "*d.exe** TOOLBOX BETA**"}) {
    ASSERT_TRUE(model.table.Append(line));
  }
  model.selected = SelectedEntryAt(model.table, 1, model.dirs);
  CountSelectedStart(model, kMorning);
  SearchFor(model, "tool", -1, kMorning);
  ASSERT_EQ(model.search->found, (std::vector<int>{1, 2, 3, 4}));

  // Alpha, started as the search began, has halved a little a day later; Beta, started
  // then, counts 1 and comes first, with the entry of its key (its folder and caption,
  // case aside), not with the one of another folder.
  model.selected = SelectedEntryAt(model.table, 2, model.dirs);
  CountSelectedStart(model, kMorning + kDay);
  EXPECT_EQ(model.search->found, (std::vector<int>{1, 2, 3, 4}));  // the results shown stay
  SearchFor(model, "toolb", -1, kMorning + kDay);
  EXPECT_EQ(model.search->found, (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(model.scores.ScoreOf("TOOLBOX BETA", kMorning + kDay), 1.0);
}

}  // namespace
}  // namespace kov
