// A key away from anywhere: the summon key brings the window forward from another
// program with the focus in the search field; what is typed finds by letters in order,
// Enter starts the first result; pressed again, it sends the window down and the
// program that was in front has the keyboard back; after a restart the entry used
// comes first and the window stands where it was left. Here without a window manager;
// tests/e2e/summon_under_window_manager.sh runs the same under one.
#include <gtest/gtest.h>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

class SummonTest : public Form1Session {
 protected:
  void TypeKeys(const char* keys) {
    for (const char* key = keys; *key; ++key) PressChord({static_cast<WORD>(*key)});
  }
  HWND SearchField() const { return FindWindowExA(GetParent(form_->ToolButtonWindow(kTagBack)), nullptr, "Edit", nullptr); }
};

TEST_F(SummonTest, TheKeySummonsTypingStartsAndTheOrderAndPlaceAreLearned) {
  WriteBytes(work_.Path() + "notes.txt", "n");
  WriteBytes(work_.Path() + "notepad.txt", "p");
  shell_.SetMode(ShellRequestRecorder::kRecordOnly);
  Start({"*notes.txt**Notes**", "*notepad.txt**Notepad**"});
  SetWindowPos(form_->hwnd(), nullptr, 40, 30, 640, 500, SWP_NOZORDER);
  // A program the user types into, in front.
  WindowHandle other(CreateWindowExW(0, L"EDIT", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 400, 300,
                                     nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  SetForegroundWindow(other.get());
  PumpMessages(50);
  ASSERT_EQ(GetForegroundWindow(), other.get());

  PressChord({VK_CONTROL, VK_MENU, VK_SPACE});
  EXPECT_EQ(GetForegroundWindow(), form_->hwnd());
  EXPECT_EQ(GetFocus(), SearchField());
  TypeKeys("NTPD");
  EXPECT_EQ(Captions(), std::vector<std::string>{"Notepad"});
  PressChord({VK_RETURN});
  ASSERT_EQ(shell_.requests().size(), 1u);
  EXPECT_NE(shell_.requests().front().file.find("notepad.txt"), std::string::npos);

  // In front, the key sends the window down and the keyboard back where it was.
  PressChord({VK_CONTROL, VK_MENU, VK_SPACE});
  EXPECT_TRUE(IsIconic(form_->hwnd()));
  EXPECT_EQ(GetForegroundWindow(), other.get());
  TypeKeys("OK");
  EXPECT_EQ(WindowText(other.get()), "ok");
  EXPECT_EQ(WindowText(SearchField()), "ntpd");
  // From the minimised window, the first press brings it back with the keyboard.
  PressChord({VK_CONTROL, VK_MENU, VK_SPACE});
  EXPECT_FALSE(IsIconic(form_->hwnd()));
  EXPECT_EQ(GetForegroundWindow(), form_->hwnd());
  EXPECT_EQ(GetFocus(), SearchField());

  CloseWindow();
  Restart();
  RECT place{};
  GetWindowRect(form_->hwnd(), &place);
  EXPECT_EQ(place.left, 40);
  EXPECT_EQ(place.top, 30);
  EXPECT_EQ(place.right - place.left, 640);
  SetForegroundWindow(form_->hwnd());
  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(CommandWindowId(Command::Find), 0), 0);
  TypeKeys("NOT");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Notepad", "Notes"}));
  EXPECT_NE(ReadBytes(work_.Path() + "kovrant.state").find("use="), std::string::npos);
}

}  // namespace
}  // namespace kov
