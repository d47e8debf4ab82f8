#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "app/resource_ids.h"
#include "gui_support_win.h"
#include "shell/shell_menu_win.h"
#include "shell_request_recorder.h"

namespace kov {
namespace {

using namespace kov::test;

constexpr char kComputerByClassId[] = "Shell:::{20d04fe0-3aea-1069-a2d8-08002b30309d}";
const std::vector<int> kItemsPerHeading = {8, 4, 14, 13, 4, 26, 7, 34};

// The catalogue as the program carries it, from the resources linked into this test.
Text CatalogueResource() {
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_SHELL_CATALOGUE), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return Text();
  HGLOBAL loaded = LoadResource(nullptr, found);
  const auto* bytes = static_cast<const char*>(LockResource(loaded));
  return bytes ? Text(bytes, SizeofResource(nullptr, found)) : Text();
}

std::vector<int> SubMenuItemCounts(HMENU menu) {
  std::vector<int> counts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    HMENU sub = GetSubMenu(menu, i);
    counts.push_back(sub ? GetMenuItemCount(sub) : -1);
  }
  return counts;
}

Text MenuItemText(HMENU menu, int position) {
  char text[256] = {};
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

class ShellFoldersMenu : public testing::Test {
 protected:
  void SetUp() override {
    catalogue_ = CatalogueResource();
    ASSERT_EQ(std::count(catalogue_.begin(), catalogue_.end(), '\n'), 472);
    model_ = BuildShellMenuModel(catalogue_);
  }
  Text catalogue_;
  ShellMenuModel model_;
};

TEST_F(ShellFoldersMenu, EveryBuildIsTheWholeMenuOnceWithCommandsFromTags) {
  for (int build = 1; build <= 2; ++build) {
    const MenuHandle menu = BuildShellFoldersMenu(model_);
    ASSERT_TRUE(menu);
    EXPECT_EQ(SubMenuItemCounts(menu.get()), kItemsPerHeading) << "build " << build;
    EXPECT_EQ(MenuItemText(menu.get(), 0), "Basic folders");
    EXPECT_EQ(MenuItemText(menu.get(), 7), "User folders");
    HMENU basic = GetSubMenu(menu.get(), 0);
    EXPECT_EQ(MenuItemText(basic, 0), "desktop");
    EXPECT_EQ(MenuItemText(basic, 6), "Start Menu");
    EXPECT_EQ(GetMenuItemID(basic, 0), kShellMenuCommandBase + 5);
    HMENU user = GetSubMenu(menu.get(), 7);
    EXPECT_EQ(GetMenuItemID(user, 33), kShellMenuCommandBase + 469);
  }
}

TEST_F(ShellFoldersMenu, ChosenItemsOpenExplorerOnTheirShellName) {
  ShellRequestRecorder recorder;
  HWND owner = GetDesktopWindow();
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 9, recorder.Runner()));    // Basic folders
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 253, recorder.Runner()));  // System folders
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 25, recorder.Runner()));
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 33, recorder.Runner()));
  ASSERT_EQ(recorder.requests().size(), 4u);
  for (const ShellRequest& request : recorder.requests()) {
    EXPECT_EQ(request.owner, owner);
    EXPECT_EQ(request.verb, "OPEN");
    EXPECT_EQ(request.file, "explorer.exe");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
  }
  EXPECT_EQ(recorder.requests()[0].parameters, kComputerByClassId);
  EXPECT_EQ(recorder.requests()[1].parameters, kComputerByClassId);
  EXPECT_EQ(recorder.requests()[2].parameters, "shell:Quick Launch");
  EXPECT_EQ(recorder.requests()[3].parameters, "shell:Common Administrative Tools");
}

TEST_F(ShellFoldersMenu, CommandsOfNoFolderItemOpenNothing) {
  ShellRequestRecorder recorder;
  for (const UINT command : {0u, kShellMenuCommandBase, kShellMenuCommandBase + 1, kShellMenuCommandBase + 37,
                             kShellMenuCommandBase + 6, kShellMenuCommandBase + 473, 0xFFFFFFFFu}) {
    EXPECT_FALSE(OpenChosenShellFolder(nullptr, model_, command, recorder.Runner())) << command;
  }
  EXPECT_TRUE(recorder.requests().empty());
}

// Shows the menu as a user's keys would drive it and returns the item counts of its
// headings as they were shown.
std::vector<int> ShowWithKeys(HWND owner, const Text& catalogue, std::vector<WORD> keys, const ShellRunner& shell) {
  std::vector<int> seenCounts;
  const MenuAnswerer answer(owner, std::move(keys), [&](HMENU shown) { seenCounts = SubMenuItemCounts(shown); });
  ShowShellFoldersMenu(owner, catalogue, POINT{40, 40}, shell);
  EXPECT_TRUE(answer.Shown());
  return seenCounts;
}

TEST_F(ShellFoldersMenu, PoppedUpTwiceItIsNotDoubledAndOpensTheChoice) {
  const OwnerWindow owner;
  ASSERT_TRUE(owner.get());
  SetForegroundWindow(owner.get());
  ShellRequestRecorder recorder;

  EXPECT_EQ(ShowWithKeys(owner.get(), catalogue_, {VK_ESCAPE}, recorder.Runner()), kItemsPerHeading);
  EXPECT_TRUE(recorder.requests().empty());

  EXPECT_EQ(ShowWithKeys(owner.get(), catalogue_, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, recorder.Runner()),
            kItemsPerHeading);
  ASSERT_EQ(recorder.requests().size(), 1u);
  EXPECT_EQ(recorder.requests()[0].owner, owner.get());
  EXPECT_EQ(recorder.requests()[0].parameters, kComputerByClassId);
}

}  // namespace
}  // namespace kov
