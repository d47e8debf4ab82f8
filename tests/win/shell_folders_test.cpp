#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "app/resource_ids.h"
#include "shell/shell_menu_win.h"
#include "shell_request_recorder.h"

namespace kov {
namespace {

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
  const ShellRequestRecorder recorder;
  HWND owner = GetDesktopWindow();
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 9));    // Basic folders
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 253));  // System folders
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 25));
  EXPECT_TRUE(OpenChosenShellFolder(owner, model_, kShellMenuCommandBase + 33));
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
  const ShellRequestRecorder recorder;
  for (const UINT command : {0u, kShellMenuCommandBase, kShellMenuCommandBase + 1, kShellMenuCommandBase + 37,
                             kShellMenuCommandBase + 6, kShellMenuCommandBase + 473, 0xFFFFFFFFu}) {
    EXPECT_FALSE(OpenChosenShellFolder(nullptr, model_, command)) << command;
  }
  EXPECT_TRUE(recorder.requests().empty());
}

// Drives the popup the way a user's keys would, from a timer that the menu's own
// message loop dispatches: it notes the shown menu's shape and then presses keys. Should
// the popup not appear or not react, the timer closes it after a few seconds.
struct MenuDriver {
  static constexpr int kGiveUpTicks = 100;
  static inline std::vector<int> seenCounts;
  static inline std::vector<UINT> keys;
  static inline HWND owner = nullptr;
  static inline int ticks = 0;
  static inline bool pressed = false;

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (++ticks >= kGiveUpTicks) {
      EndMenu();
      return;
    }
    HWND popup = FindWindowA("#32768", nullptr);
    if (pressed || !popup || !IsWindowVisible(popup)) return;
    pressed = true;
    seenCounts = SubMenuItemCounts(reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0)));
    for (const UINT key : keys) PostMessageA(owner, WM_KEYDOWN, key, 0);
  }

  static void Show(const Text& catalogue, std::vector<UINT> keysToPress) {
    seenCounts.clear();
    keys = std::move(keysToPress);
    ticks = 0;
    pressed = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnTimer);
    ShowShellFoldersMenu(owner, catalogue, POINT{40, 40});
    KillTimer(nullptr, timer);
  }
};

TEST_F(ShellFoldersMenu, PoppedUpTwiceItIsNotDoubledAndOpensTheChoice) {
  const WindowHandle window(
      CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(window);
  SetForegroundWindow(window.get());
  MenuDriver::owner = window.get();
  const ShellRequestRecorder recorder;

  MenuDriver::Show(catalogue_, {VK_ESCAPE});
  EXPECT_EQ(MenuDriver::seenCounts, kItemsPerHeading);
  EXPECT_TRUE(recorder.requests().empty());

  MenuDriver::Show(catalogue_, {VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN});
  EXPECT_EQ(MenuDriver::seenCounts, kItemsPerHeading);
  ASSERT_EQ(recorder.requests().size(), 1u);
  EXPECT_EQ(recorder.requests()[0].owner, window.get());
  EXPECT_EQ(recorder.requests()[0].parameters, kComputerByClassId);
}

}  // namespace
}  // namespace kov
