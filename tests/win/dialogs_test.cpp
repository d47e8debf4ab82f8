#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "gui_support_win.h"
#include "util/dialog_form_win.h"
#include "util/dialogs_win.h"
#include "util/fonts_win.h"
#include "util/input_history.h"

namespace kov {
namespace {

using namespace kov::test;

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
DialogAnswerer::Step TypeAndAccept(const Text& text) {
  return [text](HWND dialog) {
    SetWindowTextA(Combo(dialog), text.c_str());
    PressKey(dialog, VK_RETURN);
  };
}

TEST(InputWithHistory, EmptyInitialTextGivesTheNarrowestFieldFocusedWithGlyphedButtons) {
  RECT combo{};
  bool okHasGlyph = false, comboHasFocus = false;
  DialogAnswerer answer("New Folder", [&](HWND dialog) {
    combo = ChildBounds(dialog, Combo(dialog));
    BUTTON_IMAGELIST glyph{};
    okHasGlyph = SendMessageA(GetDlgItem(dialog, kResultOk), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph)) &&
                 glyph.himl;
    comboHasFocus = IsChild(Combo(dialog), GetFocus()) || GetFocus() == Combo(dialog);
    CloseBox(dialog);
  });
  Text out = "unchanged";
  EXPECT_FALSE(InputWithHistory(nullptr, "New Folder", "", out));
  ASSERT_TRUE(answer.Answered());
  EXPECT_EQ(combo.right - combo.left, 177);
  EXPECT_TRUE(okHasGlyph);
  EXPECT_TRUE(comboHasFocus);
  EXPECT_EQ(out, "unchanged");
}

// In the dark look the dialog draws its push buttons itself: the system's are light
// whatever the dialog's colours. Read on screen, at a button's left edge below its picture.
TEST(InputWithHistory, PushButtonsAreDarkInTheDarkLook) {
  const FormColors before = FormLook();
  FormLook() = {true, RGB(32, 32, 32), RGB(240, 240, 240), RGB(45, 45, 45), RGB(240, 240, 240)};
  COLORREF face = 0;
  DialogAnswerer answer("New Folder", [&](HWND dialog) {
    HWND cancel = GetDlgItem(dialog, kResultCancel);
    UpdateWindow(cancel);
    RECT box{};
    GetClientRect(cancel, &box);
    POINT point{4, box.bottom - 5};
    ClientToScreen(cancel, &point);
    HDC screen = GetDC(nullptr);
    face = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    PressKey(dialog, VK_ESCAPE);
  });
  Text out;
  EXPECT_FALSE(InputWithHistory(nullptr, "New Folder", "", out));
  FormLook() = before;
  ASSERT_TRUE(answer.Answered());
  EXPECT_LT(GetRValue(face) + GetGValue(face) + GetBValue(face), 3 * 96) << std::hex << face;
}

// Opens the input dialog with initialText and returns its field's width, closing it with Esc.
int FieldWidth(const Text& initialText) {
  int width = 0;
  DialogAnswerer answer("Execution parameters", [&](HWND dialog) {
    const RECT combo = ChildBounds(dialog, Combo(dialog));
    width = combo.right - combo.left;
    PressKey(dialog, VK_ESCAPE);
  });
  Text out;
  EXPECT_FALSE(InputWithHistory(nullptr, "Execution parameters", initialText, out));
  EXPECT_TRUE(answer.Answered());
  return width;
}

TEST(InputWithHistory, LongTextWidensTheFieldUpToTwoThirdsOfTheDesktop) {
  Text shown;
  {
    DialogAnswerer answer("Execution parameters", [&](HWND dialog) {
      shown = WindowText(Combo(dialog));
      PressKey(dialog, VK_ESCAPE);
    });
    Text out;
    EXPECT_FALSE(InputWithHistory(nullptr, "Execution parameters", Text(600, 'W'), out));
  }
  EXPECT_EQ(shown, Text(600, 'W'));
  EXPECT_EQ(FieldWidth(Text(600, 'W')), GetSystemMetrics(SM_CXVIRTUALSCREEN) / 3 * 2);
  const int moderate = FieldWidth(Text(30, 'W'));
  EXPECT_GT(moderate, 177);
  EXPECT_LT(moderate, GetSystemMetrics(SM_CXVIRTUALSCREEN) / 3 * 2);
  EXPECT_GT(FieldWidth(Text(31, 'W')), moderate);
}

TEST(InputWithHistory, AcceptedTextsAreSharedByLaterDialogsOnceEach) {
  InputHistory& history = SharedInputHistory();
  const std::size_t before = history.Items().size();
  Text out;
  {
    DialogAnswerer answer("New Folder", TypeAndAccept("  Tools *1  "));
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
  }
  EXPECT_EQ(out, "  Tools *1  ") << "the text comes back exactly as typed";
  ASSERT_EQ(history.Items().size(), before + 1);

  std::vector<Text> listed;
  {
    DialogAnswerer answer("Execution parameters", [&](HWND dialog) {
      listed = ComboItems(Combo(dialog));
      TypeAndAccept("  Tools *1  ")(dialog);
    });
    ASSERT_TRUE(InputWithHistory(nullptr, "Execution parameters", "-x", out));
  }
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed.back(), "  Tools *1  ") << "the newest text is at the bottom of the list";
  EXPECT_EQ(listed, history.Items());
  EXPECT_EQ(history.Items().size(), before + 1) << "the same text is remembered once";

  {
    DialogAnswerer answer("New Folder", TypeAndAccept("  tools *1  "));
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
  }
  EXPECT_EQ(history.Items().size(), before + 2) << "another letter case is another text";
  EXPECT_EQ(history.Items().back(), "  tools *1  ");
}

TEST(InputWithHistory, RefusalsLeaveTheTextAndTheHistoryAlone) {
  InputHistory& history = SharedInputHistory();
  const std::vector<Text> before = history.Items();
  const std::vector<DialogAnswerer::Step> refusals = {[](HWND dialog) {
                                                        SetWindowTextA(Combo(dialog), "typed then Esc");
                                                        PressKey(dialog, VK_ESCAPE);
                                                      },
                                                      [](HWND dialog) {
                                                        SetWindowTextA(Combo(dialog), "typed then Cancel");
                                                        SendMessageA(GetDlgItem(dialog, kResultCancel), BM_CLICK, 0, 0);
                                                      },
                                                      [](HWND dialog) {
                                                        SetWindowTextA(Combo(dialog), "typed then close box");
                                                        CloseBox(dialog);
                                                      }};
  for (const DialogAnswerer::Step& refusal : refusals) {
    DialogAnswerer answer("New Folder", refusal);
    Text out = "caller's text";
    EXPECT_FALSE(InputWithHistory(nullptr, "New Folder", "start", out));
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(out, "caller's text");
  }
  EXPECT_EQ(history.Items(), before);
}

TEST(InputWithHistory, AnEmptyAnswerIsAcceptedAndListedOnce) {
  InputHistory& history = SharedInputHistory();
  Text out = "something";
  for (int round = 0; round < 2; ++round) {
    DialogAnswerer answer("New Folder", TypeAndAccept(""));
    ASSERT_TRUE(InputWithHistory(nullptr, "New Folder", "", out));
    EXPECT_EQ(out, "");
  }
  EXPECT_EQ(std::count(history.Items().begin(), history.Items().end(), Text()), 1);
}

TEST(InputWithHistory, OwnerIsBlockedWhileOpenAndCentredUnder) {
  OwnerWindow owner;
  bool ownerEnabledWhileOpen = true;
  RECT dialogBounds{};
  DialogAnswerer answer("New Folder", [&](HWND dialog) {
    ownerEnabledWhileOpen = IsWindowEnabled(owner.get());
    dialogBounds = WindowBounds(dialog);
    PressKey(dialog, VK_ESCAPE);
  });
  Text out;
  EXPECT_FALSE(InputWithHistory(owner.get(), "New Folder", "", out));
  ASSERT_TRUE(answer.Answered());
  EXPECT_FALSE(ownerEnabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(owner.get()));
  const RECT ownerBounds = WindowBounds(owner.get());
  EXPECT_NEAR((dialogBounds.left + dialogBounds.right) / 2, (ownerBounds.left + ownerBounds.right) / 2, 1);
  EXPECT_NEAR((dialogBounds.top + dialogBounds.bottom) / 2, (ownerBounds.top + ownerBounds.bottom) / 2, 1);
}

int AnswerDeleteQuestion(const DialogAnswerer::Step& step, int defaultResult = kResultNo) {
  DialogAnswerer answer("Warning", step);
  const int result =
      ConfirmDialog(nullptr, "Warning", "Delete Item ?", MessageType::Warning, kButtonYes | kButtonNo, defaultResult);
  EXPECT_TRUE(answer.Answered());
  return result;
}

TEST(ConfirmDialog, OnlyYesOrItsMnemonicAnswersYes) {
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, VK_RETURN); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, VK_ESCAPE); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion(CloseBox), kResultCancel);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { SendMessageA(GetDlgItem(dialog, kResultYes), BM_CLICK, 0, 0); }),
            kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, 'Y', true); }), kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, 'Y'); }), kResultYes);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, 'N'); }), kResultNo);
  EXPECT_EQ(AnswerDeleteQuestion([](HWND dialog) { PressKey(dialog, VK_RETURN); }, kResultYes), kResultYes);
}

TEST(ConfirmDialog, ShowsTheQuestionWithIconAndButtonsInOrder) {
  Text yesCaption, noCaption;
  RECT yes{}, no{};
  bool noHasFocus = false, noIsDefault = false, hasIcon = false, showsMessage = false;
  AnswerDeleteQuestion([&](HWND dialog) {
    HWND yesButton = GetDlgItem(dialog, kResultYes);
    HWND noButton = GetDlgItem(dialog, kResultNo);
    yesCaption = WindowText(yesButton);
    noCaption = WindowText(noButton);
    yes = ChildBounds(dialog, yesButton);
    no = ChildBounds(dialog, noButton);
    noHasFocus = GetFocus() == noButton;
    noIsDefault = (GetWindowLongA(noButton, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassOf(child) != "Static") continue;
      if (SendMessageA(child, STM_GETICON, 0, 0)) hasIcon = true;
      if (WindowText(child) == "Delete Item ?") showsMessage = true;
    }
    PressKey(dialog, VK_ESCAPE);
  });
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
    DialogAnswerer answer("", CloseBox, 0);
    ShowNotice(nullptr, kind, "File not found");
    EXPECT_EQ(answer.Dialog(), nullptr) << "kind " << kind;
  }
}

TEST(ShowNotice, KindsGiveTitlesAndOneOkButtonThatEnterAndEscPress) {
  const struct {
    int kind;
    const char* title;
    WORD key;
  } cases[] = {{1, "Information", VK_RETURN}, {2, "Warning", VK_ESCAPE}, {3, "Error", VK_RETURN}};
  for (const auto& notice : cases) {
    Text okCaption;
    int buttons = 0;
    DialogAnswerer answer(notice.title, [&](HWND dialog) {
      for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "Button") ++buttons;
      }
      okCaption = WindowText(GetDlgItem(dialog, kResultOk));
      PressKey(dialog, notice.key);
    });
    ShowNotice(nullptr, notice.kind, "File not found");
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(okCaption, "OK");
    EXPECT_EQ(buttons, 1);
  }
}

TEST(MeasureText, WiderTextMeasuresWider) {
  const FontHandle font = MakeFont(kDialogFontFace, 13);
  EXPECT_EQ(MeasureText("", font.get()).cx, 0);
  const SIZE one = MeasureText("W", font.get());
  const SIZE ten = MeasureText("WWWWWWWWWW", font.get());
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(one.cy, 0);
  EXPECT_EQ(ten.cx, 10 * one.cx);
}

}  // namespace
}  // namespace kov
