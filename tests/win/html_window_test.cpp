#include <gtest/gtest.h>
#include <windows.h>

#include "app/resource_ids.h"
#include "app/resources_win.h"
#include "gui_support_win.h"
#include "util/dialog_form_win.h"
#include "util/html_window_win.h"

namespace kov {
namespace {

using namespace kov::test;

TEST(InfoResource, CarriesTheInfoPageWithCrLfLines) {
  const Text page = LoadTextResource(IDR_INFO_HTML);
  EXPECT_EQ(TextPos(page, "<html>\r\n<style type=\"text/css\">\r\n"), 1);
  EXPECT_EQ(CountOccurrences(page, "\r\n"), 31);
  EXPECT_EQ(LoadTextResource(9999), "");
}

struct HtmlWindowFacts {
  HWND window = nullptr;
  HWND content = nullptr;
  RECT bounds{};
  RECT client{};
  RECT contentBounds{};
  RECT resizedClient{};
  RECT resizedContent{};
  Text contentClass;
  Text contentText;
  bool ownerEnabled = true;
};

// Records what the window shows, then resizes it and records again.
void Inspect(HWND window, HWND owner, HtmlWindowFacts& facts) {
  facts.window = window;
  facts.bounds = WindowBounds(window);
  facts.client = ClientOf(window);
  facts.content = GetWindow(window, GW_CHILD);
  facts.contentClass = ClassOf(facts.content);
  facts.contentText = WindowText(facts.content);
  facts.contentBounds = ChildBounds(window, facts.content);
  facts.ownerEnabled = owner && IsWindowEnabled(owner);
  SetWindowPos(window, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  facts.resizedClient = ClientOf(window);
  facts.resizedContent = ChildBounds(window, facts.content);
}

const Text kPage = "<html>\n<body>\n<b>Kovrant</b> page<br>second line\n</body></html>";

TEST(ShowHtmlWindow, HalfTheDesktopCentredOverOwnerAndFollowingResizes) {
  OwnerWindow owner;
  HtmlWindowFacts facts;
  DialogAnswerer answer("Info", {[&](HWND window) { Inspect(window, owner.get(), facts); },
                                 [](HWND window) { PressKey(window, VK_ESCAPE); }});
  ShowHtmlWindow(owner.get(), "Info", kPage);
  ASSERT_TRUE(answer.Answered());
  EXPECT_EQ(facts.bounds.right - facts.bounds.left, GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2);
  EXPECT_EQ(facts.bounds.bottom - facts.bounds.top, GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2);
  const RECT ownerBounds = WindowBounds(owner.get());
  EXPECT_NEAR((facts.bounds.left + facts.bounds.right) / 2, (ownerBounds.left + ownerBounds.right) / 2, 1);
  EXPECT_NEAR((facts.bounds.top + facts.bounds.bottom) / 2, (ownerBounds.top + ownerBounds.bottom) / 2, 1);
  EXPECT_FALSE(facts.ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));

  ASSERT_NE(facts.content, nullptr);
  EXPECT_EQ(facts.contentBounds.left, 0);
  EXPECT_EQ(facts.contentBounds.right, facts.client.right);
  EXPECT_EQ(facts.contentBounds.bottom, facts.client.bottom);
  EXPECT_EQ(facts.resizedContent.left, 0);
  EXPECT_EQ(facts.resizedContent.top, 0);
  EXPECT_EQ(facts.resizedContent.right, facts.resizedClient.right);
  EXPECT_EQ(facts.resizedContent.bottom, facts.resizedClient.bottom);
  if (facts.contentClass == "Edit") {
    // No browser engine here: the page is shown as readable text.
    EXPECT_EQ(facts.contentText, "Kovrant page\r\nsecond line");
  }
}

TEST(ShowHtmlWindow, EscShiftEscAndTheCloseBoxCloseANewWindowEachTime) {
  const std::vector<DialogAnswerer::Step> closings = {
      [](HWND window) { PressKey(window, VK_ESCAPE); },
      CloseBox,
  };
  for (const DialogAnswerer::Step& closing : closings) {
    DialogAnswerer answer("Info", closing);
    ShowHtmlWindow(nullptr, "Info", kPage);
    ASSERT_TRUE(answer.Answered());
    EXPECT_FALSE(IsWindow(answer.Dialog())) << "the window is destroyed when the call returns";
  }

  // Shift alone leaves the window open; Esc with Shift held closes it.
  HWND shifted = nullptr;
  bool openAfterShift = false;
  {
    DialogAnswerer answer("Info", {[](HWND window) { PressKey(window, VK_SHIFT); },
                                   [&](HWND window) {
                                     openAfterShift = IsWindowVisible(window);
                                     shifted = window;
                                     PressKey(window, VK_ESCAPE);
                                   }});
    ShowHtmlWindow(nullptr, "Info", kPage);
    ASSERT_TRUE(answer.Answered());
  }
  EXPECT_TRUE(openAfterShift);
  EXPECT_FALSE(IsWindow(shifted));
  EXPECT_EQ(DialogForm::Current(), nullptr);
}

}  // namespace
}  // namespace kov
