// The window as accessibility clients and keyboard-only users reach it.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

class AccessibilityTest : public Form1Session {
 protected:
  // The object a screen reader gets for the button's client area.
  ComPtr<IAccessible> ObjectOf(int tag) {
    ComPtr<IAccessible> object;
    EXPECT_EQ(AccessibleObjectFromWindow(form_->ToolButtonWindow(tag), static_cast<DWORD>(OBJID_CLIENT),
                                         __uuidof(IAccessible), reinterpret_cast<void**>(object.put())),
              S_OK);
    return object;
  }
  static VARIANT Self() {
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
  }
  static std::string NameOf(IAccessible& object) {
    BSTR name = nullptr;
    if (FAILED(object.get_accName(Self(), &name)) || !name) return "";
    const std::wstring wide(name, SysStringLen(name));
    SysFreeString(name);
    return std::string(wide.begin(), wide.end());
  }
  static long RoleOf(IAccessible& object) {
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object.get_accRole(Self(), &role)) && role.vt == VT_I4 ? role.lVal : 0;
  }
};

TEST_F(AccessibilityTest, ToolButtonsArePushButtonsNamedByTheirHintsThatClientsPress) {
  Start({"*a.exe**A**", "*b.exe**B**"});
  const std::vector<std::pair<int, std::string>> buttons = {
      {kTagBack, "Back"},       {kTagNewFolder, "New Folder"},    {kTagShellFolders, "Shell Folders"},
      {kTagGodMode, "GodMode"}, {kTagMoveLeft, "Move item left"}, {kTagMoveRight, "Move item right"},
      {kTagAbout, "Info"}};
  for (const auto& [tag, hint] : buttons) {
    ComPtr<IAccessible> object = ObjectOf(tag);
    ASSERT_TRUE(object) << hint;
    EXPECT_EQ(NameOf(*object.get()), hint);
    EXPECT_EQ(RoleOf(*object.get()), ROLE_SYSTEM_PUSHBUTTON) << hint;
  }
  SelectIcon(View(), 0);
  ASSERT_EQ(ObjectOf(kTagMoveRight)->accDoDefaultAction(Self()), S_OK);
  PumpMessages(20);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "A"}));
}

// Tab and Shift+Tab pressed on the keyboard go round the tool buttons and the search
// field as they stand on screen and the view; Space presses the button that has the focus.
TEST_F(AccessibilityTest, TabGoesRoundTheButtonsAndTheViewAndSpacePressesTheFocusedButton) {
  Start({"*a.exe**A**", "*b.exe**B**"});
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  SelectIcon(View(), 0);
  ASSERT_EQ(GetFocus(), View());
  const auto button = [&](int tag) { return form_->ToolButtonWindow(tag); };
  const HWND searchField = FindWindowExA(GetParent(button(kTagBack)), nullptr, "Edit", nullptr);
  const std::vector<HWND> forward = {button(kTagBack),      button(kTagNewFolder), button(kTagShellFolders),
                                     button(kTagGodMode),   searchField,           button(kTagMoveLeft),
                                     button(kTagMoveRight), button(kTagAbout),     View()};
  for (HWND expected : forward) {
    PressChord({VK_TAB});
    EXPECT_EQ(GetFocus(), expected) << WindowText(expected);
  }
  PressChord({VK_SHIFT, VK_TAB});
  EXPECT_EQ(GetFocus(), button(kTagAbout));
  PressChord({VK_SHIFT, VK_TAB});
  EXPECT_EQ(GetFocus(), button(kTagMoveRight));
  PressChord({VK_SPACE});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "A"}));
  EXPECT_EQ(GetFocus(), button(kTagMoveRight));
}

}  // namespace
}  // namespace kov
