// The window's look: dark when the system's app mode or the state file asks for it, back
// to light when the mode changes while it runs, and icons of the size the user steps to.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "ui/icon_sizes.h"
#include "util/dpi_win.h"

namespace kov::test {
namespace {

constexpr wchar_t kPersonalize[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr COLORREF kDarkView = RGB(32, 32, 32);

// The system's app mode for one test; the value is removed afterwards, as Wine has none.
class AppMode {
 public:
  ~AppMode() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme"); }
  void Set(bool light) {
    const DWORD value = light ? 1 : 0;
    RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
  }
};

class LookTest : public Form1Session {
 protected:
  // The colour on screen of a pixel of the view's empty part, at its lower right.
  COLORREF ViewPixelOnScreen() const {
    const RECT client = ClientOf(View());
    POINT point{client.right - 8, client.bottom - 8};
    ClientToScreen(View(), &point);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return pixel;
  }
  bool LooksDark() const {
    return ListView_GetBkColor(View()) == kDarkView && ListView_GetTextColor(View()) == RGB(240, 240, 240) &&
           ViewPixelOnScreen() == kDarkView;
  }
  bool LooksLight() const {
    return ListView_GetBkColor(View()) == GetSysColor(COLOR_WINDOW) &&
           ListView_GetTextColor(View()) == GetSysColor(COLOR_WINDOWTEXT) &&
           ViewPixelOnScreen() == GetSysColor(COLOR_WINDOW);
  }
  void ChangeSetting(const wchar_t* area) {
    SendMessageW(form_->hwnd(), WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(area));
    PumpMessages(100);
  }
  AppMode mode_;
};

TEST_F(LookTest, DarkInTheDarkAppModeRepaintedWhenItChangesAndTheStateFileChoiceComesFirst) {
  mode_.Set(false);
  Start({"*C:\\windows\\notepad.exe**Notes**", "*Tools*1*Tools**"});
  EXPECT_TRUE(LooksDark());
  mode_.Set(true);
  ChangeSetting(L"ImmersiveColorSet");
  EXPECT_TRUE(LooksLight());
  EXPECT_EQ(IconCount(View()), 2);

  // The user's choice holds whatever the system's mode.
  CloseWindow();
  WriteBytes(work_.Path() + "kovrant.state", "theme=dark\r\n");
  Restart();
  EXPECT_TRUE(LooksDark());
  WriteBytes(work_.Path() + "kovrant.state", "theme=light\r\n");
  mode_.Set(false);
  Restart();
  EXPECT_TRUE(LooksLight());
}

// The first icon any of which shows in the view.
int FirstIconShown(HWND view) {
  const RECT client = ClientOf(view);
  for (int index = 0; index < ListView_GetItemCount(view); ++index) {
    RECT bounds{};
    ListView_GetItemRect(view, index, &bounds, LVIR_BOUNDS);
    if (bounds.bottom > client.top) return index;
  }
  return -1;
}

int RowTop(HWND view, int index) {
  RECT bounds{};
  ListView_GetItemRect(view, index, &bounds, LVIR_BOUNDS);
  return bounds.top;
}

int IconSizeShown(HIMAGELIST images) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(images, &width, &height);
  return width;
}

TEST_F(LookTest, CtrlWheelAndKeysStepTheIconSizeKeepingTheSelectionAndTheTopAndTheSizeIsKeptAfterARestart) {
  std::vector<std::string> lines;
  for (int entry = 0; entry < 400; ++entry) lines.push_back("*C:\\windows\\notepad.exe**Entry " + std::to_string(entry) + "**");
  Start(lines);
  const int dpi = DpiOf(View());
  const auto spacingFor = [dpi](int size) {
    const IconSpacing spacing = SpacingFor(size);
    return MAKELONG(Scaled(spacing.across, dpi), Scaled(spacing.down, dpi));
  };
  EXPECT_EQ(ListView_GetItemSpacing(View(), FALSE), static_cast<DWORD>(spacingFor(32)));
  SelectIcon(View(), 12);
  SetFocus(View());
  const auto wheel = [&](int delta) {
    SendMessageA(View(), WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta), 0);
    PumpMessages(50);
  };
  wheel(WHEEL_DELTA);
  EXPECT_EQ(ListView_GetItemSpacing(View(), FALSE), static_cast<DWORD>(spacingFor(48)));
  EXPECT_EQ(IconSizeShown(form_->View().Images()), Scaled(48, dpi));
  EXPECT_EQ(form_->View().SelectedIndices(), std::vector<int>{12});
  const auto selectedInSight = [&] {
    RECT shown{};
    RECT client = ClientOf(View());
    ListView_GetItemRect(View(), 12, &shown, LVIR_BOUNDS);
    return IntersectRect(&shown, &shown, &client) != FALSE;
  };
  EXPECT_TRUE(selectedInSight()) << "the selected icon went out of sight";
  wheel(2 * WHEEL_DELTA);
  EXPECT_EQ(form_->View().IconSize(), 96);
  PressChord({VK_CONTROL, VK_OEM_MINUS});
  EXPECT_EQ(form_->View().IconSize(), 64);
  PressChord({VK_CONTROL, '0'});
  EXPECT_EQ(form_->View().IconSize(), 32);
  PressChord({VK_CONTROL, VK_OEM_PLUS});
  PressChord({VK_CONTROL, VK_ADD});
  EXPECT_EQ(form_->View().IconSize(), 64);
  wheel(-WHEEL_DELTA / 2);  // half a notch does nothing yet
  EXPECT_EQ(form_->View().IconSize(), 64);
  EXPECT_EQ(form_->View().SelectedIndices(), std::vector<int>{12});
  // At the largest size the selected icon's row lies below the first screen: the view
  // scrolls to keep it in sight.
  for (int step = 0; step < 3; ++step) PressChord({VK_CONTROL, VK_OEM_PLUS});
  EXPECT_EQ(form_->View().IconSize(), 256);
  EXPECT_TRUE(selectedInSight()) << "the selected icon went out of sight at 256 pixels";
  // Far down, a step down keeps the icon at the top there, though the smaller icons'
  // whole range ends above the place the view stood at.
  ListView_Scroll(View(), 0, RowTop(View(), 300) - RowTop(View(), 0) - GetScrollPos(View(), SB_VERT));
  PumpMessages(50);
  const int top = FirstIconShown(View());
  ASSERT_GT(top, 250);
  PressChord({VK_CONTROL, VK_OEM_MINUS});
  EXPECT_EQ(RowTop(View(), FirstIconShown(View())), RowTop(View(), top)) << "the icon at the top moved away from it";
  for (int step = 0; step < 2; ++step) PressChord({VK_CONTROL, VK_OEM_MINUS});
  EXPECT_EQ(form_->View().IconSize(), 64);

  CloseWindow();
  EXPECT_NE(ReadBytes(work_.Path() + "kovrant.state").find("icons=64\r\n"), std::string::npos);
  Restart();
  EXPECT_EQ(ListView_GetItemSpacing(View(), FALSE), static_cast<DWORD>(spacingFor(64)));
  EXPECT_EQ(IconSizeShown(form_->View().Images()), Scaled(64, dpi));
}

}  // namespace
}  // namespace kov::test
