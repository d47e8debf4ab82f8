#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "dialog_answer.h"
#include "util/dialogs_win.h"
#include "util/input_history.h"

namespace kov {
namespace {

using testing_support::ChildBounds;
using testing_support::ClassOf;
using testing_support::ClientOf;
using testing_support::DialogAnswer;
using testing_support::OwnerWindow;
using testing_support::PostKey;
using testing_support::PressCloseBox;
using testing_support::TextOf;

HWND Combo(HWND dialog) { return FindWindowExA(dialog, nullptr, "ComboBox", nullptr); }

std::vector<Text> ComboItems(HWND combo) {
  std::vector<Text> items;
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    Text item(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
    item.resize(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
    items.push_back(item);
  }
  return items;
}

// Types text into the input dialog's field and accepts it with Enter.
DialogAnswer::Step TypeAndAccept(const Text& text) {
  return [text](HWND dialog) {
    SetWindowTextA(Combo(dialog), text.c_str());
    PostKey(dialog, VK_RETURN);
  };
}

TEST(InputWithHistory, EmptyInitialTextGivesTheSmallestLayout) {
  RECT client{}, combo{}, ok{}, cancel{};
  bool okHasGlyph = false, comboHasFocus = false;
  Text caption;
  DialogAnswer answer({[&](HWND dialog) {
    caption = TextOf(dialog);
    client = ClientOf(dialog);
    combo = ChildBounds(dialog, Combo(dialog));
    HWND okButton = GetDlgItem(dialog, kResultOk);
    ok = ChildBounds(dialog, okButton);
    cancel = ChildBounds(dialog, GetDlgItem(dialog, kResultCancel));
    BUTTON_IMAGELIST glyph{};
    okHasGlyph = SendMessageA(okButton, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)) && glyph.himl;
    comboHasFocus = IsChild(Combo(dialog), GetFocus()) || GetFocus() == Combo(dialog);
    PressCloseBox(dialog);
  }});
  Text out = "unchanged";
  EXPECT_FALSE(InputWithHistory(nullptr, "New Folder", "", out));
  ASSERT_TRUE(answer.AllStepsRan());
  EXPECT_EQ(caption, "New Folder");
  EXPECT_EQ(client.right, 237);
  EXPECT_EQ(client.bottom, 97);
  EXPECT_EQ(combo.left, 30);
  EXPECT_EQ(combo.top, 15);
  EXPECT_EQ(combo.right - combo.left, 177);
  EXPECT_EQ(ok.left, 31);
  EXPECT_EQ(ok.top, 55);
  EXPECT_EQ(ok.right - ok.left, 81);
  EXPECT_EQ(ok.bottom - ok.top, 26);
  EXPECT_EQ(cancel.left, 125);
  EXPECT_EQ(cancel.top, 55);
  EXPECT_TRUE(okHasGlyph);
  EXPECT_TRUE(comboHasFocus);
  EXPECT_EQ(out, "unchanged");
}

// Opens the input dialog with initialText and returns its client width, closing it with Esc.
int InputClientWidth(const Text& initialText) {
  int width = 0;
  DialogAnswer answer({[&](HWND dialog) {
    width = ClientOf(dialog).right;
    PostKey(dialog, VK_ESCAPE);
  }});
  Text out;
  EXPECT_FALSE(InputWithHistory(nullptr, "Execution parameters", initialText, out));
  return width;
}

TEST(InputWithHistory, LongTextWidensUpToTwoThirdsOfTheDesktop) {
  const int cap = GetSystemMetrics(SM_CXVIRTUALSCREEN) / 3 * 2;
  RECT combo{}, cancel{};
  Text shown;
  {
    DialogAnswer answer({[&](HWND dialog) {
      combo = ChildBounds(dialog, Combo(dialog));
      cancel = ChildBounds(dialog, GetDlgItem(dialog, kResultCancel));
      shown = TextOf(Combo(dialog));
      PostKey(dialog, VK_ESCAPE);
    }});
    Text out;
    EXPECT_FALSE(InputWithHistory(nullptr, "Execution parameters", Text(600, 'W'), out));
  }
  EXPECT_EQ(combo.right - combo.left, cap);
  EXPECT_EQ(cancel.left, cap / 2 + 37);
  EXPECT_EQ(shown, Text(600, 'W'));
  EXPECT_EQ(InputClientWidth(Text(600, 'W')), cap + 60);

  // The field grows with the text between the minimum and the cap.
  const int moderate = InputClientWidth(Text(30, 'W'));
  EXPECT_GT(moderate, 237);
  EXPECT_LT(moderate, cap + 60);
  EXPECT_GT(InputClientWidth(Text(31, 'W')), moderate);
}

TEST(InputWithHistory, AcceptedTextsAreSharedByLaterDialogsOnceEach) {
  InputHistory& history = SharedInputHistory();
  const std::size_t before = history.Items().size();
  Text out;
  {
    DialogAnswer answer({TypeAndAccept("  Tools *1  ")});
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
  }
  EXPECT_EQ(out, "  Tools *1  ") << "the text comes back exactly as typed";
  ASSERT_EQ(history.Items().size(), before + 1);

  std::vector<Text> listed;
  {
    DialogAnswer answer({[&](HWND dialog) {
      listed = ComboItems(Combo(dialog));
      TypeAndAccept("  Tools *1  ")(dialog);
    }});
    ASSERT_TRUE(InputWithHistory(nullptr, "Execution parameters", "-x", out));
  }
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed.back(), "  Tools *1  ") << "the newest text is at the bottom of the list";
  EXPECT_EQ(listed, history.Items());
  EXPECT_EQ(history.Items().size(), before + 1) << "the same text is remembered once";

  {
    DialogAnswer answer({TypeAndAccept("  tools *1  ")});
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
  }
  EXPECT_EQ(history.Items().size(), before + 2) << "another letter case is another text";
  EXPECT_EQ(history.Items().back(), "  tools *1  ");
}

TEST(InputWithHistory, RefusalsLeaveTheTextAndTheHistoryAlone) {
  InputHistory& history = SharedInputHistory();
  const std::vector<Text> before = history.Items();
  const std::vector<DialogAnswer::Step> refusals = {[](HWND dialog) {
                                                      SetWindowTextA(Combo(dialog), "typed then Esc");
                                                      PostKey(dialog, VK_ESCAPE);
                                                    },
                                                    [](HWND dialog) {
                                                      SetWindowTextA(Combo(dialog), "typed then Cancel");
                                                      SendMessageA(GetDlgItem(dialog, kResultCancel), BM_CLICK, 0, 0);
                                                    },
                                                    [](HWND dialog) {
                                                      SetWindowTextA(Combo(dialog), "typed then close box");
                                                      PressCloseBox(dialog);
                                                    }};
  for (const DialogAnswer::Step& refusal : refusals) {
    DialogAnswer answer({refusal});
    Text out = "caller's text";
    EXPECT_FALSE(InputWithHistory(nullptr, "New Folder", "start", out));
    EXPECT_TRUE(answer.AllStepsRan());
    EXPECT_EQ(out, "caller's text");
  }
  EXPECT_EQ(history.Items(), before);
}

TEST(InputWithHistory, AnEmptyAnswerIsAcceptedAndListedOnce) {
  InputHistory& history = SharedInputHistory();
  Text out = "something";
  for (int round = 0; round < 2; ++round) {
    DialogAnswer answer({TypeAndAccept("")});
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
    EXPECT_EQ(out, "");
  }
  EXPECT_EQ(std::count(history.Items().begin(), history.Items().end(), Text()), 1);
}

TEST(InputWithHistory, OwnerIsBlockedWhileOpenAndCentredUnder) {
  OwnerWindow owner;
  bool ownerEnabledWhileOpen = true;
  RECT dialogBounds{};
  DialogAnswer answer({[&](HWND dialog) {
    ownerEnabledWhileOpen = IsWindowEnabled(owner.get());
    dialogBounds = testing_support::WindowBounds(dialog);
    PostKey(dialog, VK_ESCAPE);
  }});
  Text out;
  EXPECT_FALSE(InputWithHistory(owner.get(), "New Folder", "", out));
  EXPECT_FALSE(ownerEnabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));
  const RECT ownerBounds = testing_support::WindowBounds(owner.get());
  EXPECT_NEAR((dialogBounds.left + dialogBounds.right) / 2, (ownerBounds.left + ownerBounds.right) / 2, 1);
  EXPECT_NEAR((dialogBounds.top + dialogBounds.bottom) / 2, (ownerBounds.top + ownerBounds.bottom) / 2, 1);
}

int AnswerDeleteQuestion(const DialogAnswer::Step& step, int defaultResult = kResultNo) {
  DialogAnswer answer({step});
  const int result =
      ConfirmDialog(nullptr, "Warning", "Delete Item ?", MessageType::Warning, kButtonYes | kButtonNo, defaultResult);
  EXPECT_TRUE(answer.AllStepsRan());
  return result;
}

TEST(ConfirmDialog, OnlyYesOrItsMnemonicAnswersYes) {
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, VK_RETURN); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, VK_ESCAPE); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion(PressCloseBox), kResultCancel);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { SendMessageA(GetDlgItem(dialog, kResultYes), BM_CLICK, 0, 0); }),
            kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, 'Y', true); }), kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, 'Y'); }), kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, 'N'); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PostKey(dialog, VK_RETURN); }, kResultYes), kResultYes);
}

TEST(ConfirmDialog, ShowsTheQuestionWithIconAndButtonsInOrder) {
  Text title, yesCaption, noCaption;
  RECT yes{}, no{};
  bool noHasFocus = false, noIsDefault = false, hasIcon = false, showsMessage = false;
  AnswerDeleteQuestion([&](HWND dialog) {
    title = TextOf(dialog);
    HWND yesButton = GetDlgItem(dialog, kResultYes);
    HWND noButton = GetDlgItem(dialog, kResultNo);
    yesCaption = TextOf(yesButton);
    noCaption = TextOf(noButton);
    yes = ChildBounds(dialog, yesButton);
    no = ChildBounds(dialog, noButton);
    noHasFocus = GetFocus() == noButton;
    noIsDefault = (GetWindowLongA(noButton, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassOf(child) != "Static") continue;
      if (SendMessageA(child, STM_GETICON, 0, 0)) hasIcon = true;
      if (TextOf(child) == "Delete Item ?") showsMessage = true;
    }
    PostKey(dialog, VK_ESCAPE);
  });
  EXPECT_EQ(title, "Warning");
  EXPECT_EQ(yesCaption, "&Yes");
  EXPECT_EQ(noCaption, "&No");
  EXPECT_LT(yes.right, no.left);
  EXPECT_EQ(yes.top, no.top);
  EXPECT_TRUE(noHasFocus);
  EXPECT_TRUE(noIsDefault);
  EXPECT_TRUE(hasIcon);
  EXPECT_TRUE(showsMessage);
}

TEST(ShowNotice, OtherKindsShowNothing) {
  for (int kind : {0, 4, -1}) {
    DialogAnswer answer({[](HWND dialog) { PressCloseBox(dialog); }});
    ShowNotice(nullptr, kind, "File not found");
    EXPECT_EQ(answer.Dialog(), nullptr) << "kind " << kind;
  }
}

TEST(ShowNotice, KindsGiveTitlesAndOneOkButtonThatEnterAndEscPress) {
  const struct {
    int kind;
    const char* title;
    WPARAM key;
  } cases[] = {{1, "Information", VK_RETURN}, {2, "Warning", VK_ESCAPE}, {3, "Error", VK_RETURN}};
  for (const auto& notice : cases) {
    Text title, okCaption;
    int buttons = 0;
    DialogAnswer answer({[&](HWND dialog) {
      title = TextOf(dialog);
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button") ++buttons;
      }
      okCaption = TextOf(GetDlgItem(dialog, kResultOk));
      PostKey(dialog, notice.key);
    }});
    ShowNotice(nullptr, notice.kind, "File not found");
    EXPECT_TRUE(answer.AllStepsRan());
    EXPECT_EQ(title, notice.title);
    EXPECT_EQ(okCaption, "OK");
    EXPECT_EQ(buttons, 1);
  }
}

TEST(MeasureText, WiderTextMeasuresWider) {
  FontHandle font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif"));
  EXPECT_EQ(MeasureText("", font.get()).cx, 0);
  const SIZE one = MeasureText("W", font.get());
  const SIZE ten = MeasureText("WWWWWWWWWW", font.get());
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(one.cy, 0);
  EXPECT_EQ(ten.cx, 10 * one.cx);
}

}  // namespace
}  // namespace kov
