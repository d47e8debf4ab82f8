// The Info page names the window's keys, the summon key as the user set it among them,
// also where no browser can show the page and its plain text stands instead.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

using namespace kov::test;

class InfoKeys : public Form1Session {};

TEST_F(InfoKeys, F1ShowsThePageWithEveryKeyAndTheSummonKeyAsSet) {
  WriteBytes(work_.Path() + "kovrant.state", "hotkey=Ctrl+Alt+F9\r\n");
  Start({"*Tools*1*Tools**"});
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  std::string shown;
  DialogAnswerer info("Info", [&](HWND window) {
    HWND content = FindWindowExA(window, nullptr, "Edit", nullptr);
    // With a browser engine the page is the browser's; its HTML is the same either way.
    shown = content ? WindowTextOf(content) : "(a browser)";
    PressKey(window, VK_ESCAPE);
  });
  PressChord({VK_F1});
  ASSERT_TRUE(info.Answered());
  if (shown == "(a browser)") GTEST_SKIP() << "the page is in a browser: its text cannot be read here";
  const std::size_t keys = shown.find("\r\nKeys\r\n");
  ASSERT_NE(keys, std::string::npos) << shown;
  EXPECT_EQ(shown.find("Ctrl+Alt+F9 "), keys + 8) << shown;
  for (const char* key : {"Ctrl+F", "F2", "Shift+F10", "Ctrl+Z ", "Ctrl+Y", "Ctrl+N", "Ctrl+Left", "Ctrl+Right",
                          "Delete", "Backspace", "Esc", "Enter", "F1"}) {
    EXPECT_NE(shown.find("\r\n" + std::string(key), keys), std::string::npos) << key << " is not named:\n" << shown;
  }
}

}  // namespace
}  // namespace kov
