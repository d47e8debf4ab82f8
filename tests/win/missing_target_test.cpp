// The keyboard reaches the context menu, and a missing target is pointed anew: a file
// dropped onto the icon of an entry whose target went missing becomes its target, with
// its caption, parameters and place kept, after one question.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

class MissingTarget : public Form1Session {
 protected:
  // A drop of one path onto the icon's picture, as the shell delivers it.
  void DropOnIcon(const std::string& path, int index) {
    RECT bounds{};
    ListView_GetItemRect(View(), index, &bounds, LVIR_ICON);
    POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    MapWindowPoints(View(), form_->hwnd(), &point, 1);
    HGLOBAL drop = ShellDrop({path});
    static_cast<DROPFILES*>(GlobalLock(drop))->pt = point;
    GlobalUnlock(drop);
    SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages(20);
  }
};

TEST_F(MissingTarget, ShiftF10OffersLocateAtTheIconAndADropPointsTheEntryAnew) {
  Start({"Tools\\*Apps\\old\\tool.exe**My tool*-p @R\\x*", "*Tools*1*Tools**", "Tools\\*b.exe**B**"});
  CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
  CreateDirectoryA((work_.Path() + "Apps\\v2").c_str(), nullptr);
  const std::string moved = work_.Path() + "Apps\\v2\\tool.exe";
  WriteBytes(moved, "x");
  Open(0);
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  SelectIcon(View(), 0);
  EXPECT_NE(Bar().find("Apps\\old\\tool.exe"), std::string::npos) << Bar();

  std::vector<std::string> items;
  MenuAnswerer menu(form_->hwnd(), {VK_ESCAPE}, [&](HMENU shown) {
    for (int item = 0; item < GetMenuItemCount(shown); ++item) {
      char caption[64] = {};
      GetMenuStringA(shown, static_cast<UINT>(item), caption, sizeof caption, MF_BYPOSITION);
      items.emplace_back(caption);
    }
  });
  PressChord({VK_SHIFT, VK_F10});
  ASSERT_TRUE(menu.Shown());
  EXPECT_NE(std::find(items.begin(), items.end(), "Locate\xE2\x80\xA6"), items.end());

  DialogAnswerer question("Missing target", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  DropOnIcon(moved, 0);
  ASSERT_TRUE(question.Answered());
  EXPECT_NE(question.Text().find(moved), std::string::npos);
  PumpMessages(20);
  EXPECT_EQ(Lines().front(), "Tools\\*Apps\\v2\\tool.exe**My tool*-p @R\\x*");
  EXPECT_EQ(Lines().size(), 3u);
  EXPECT_FALSE(form_->View().TargetMissing(0));
}

}  // namespace
}  // namespace kov
