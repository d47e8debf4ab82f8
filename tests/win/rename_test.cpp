// Captions edited in place as a user edits them, and icons moved with the move buttons.
#include <gtest/gtest.h>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

const std::vector<std::string> kMenu = {
    "*Tools*1*Tools**",
    "Tools\\*Net*1*Net**",
    "Tools\\Net\\*ping.exe**ping*-t*",
    "Tools\\Net\\*Old*1*Old**",
    "Tools\\Net\\Old\\*old.txt**old**",
    "Tools\\*Network*1*Network**",
    "Tools\\Network\\*share.exe**share**",
    "*notepad.exe**notepad**",
    "*calc.exe**calc**",
    "*C:\\Data*2*Data**",
};

class RenameTest : public Form1Session {
 protected:
  // Starts the in-place editor on the icon, as a click on a selected icon's caption does,
  // and types text into it.
  HWND EditCaption(int index, const std::string& text) {
    HWND editor = StartEditing(index);
    EXPECT_NE(editor, nullptr);
    EXPECT_TRUE(Model().editing);
    if (editor) SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    return editor;
  }
  void Rename(int index, const std::string& text, WORD endKey = VK_RETURN) {
    HWND editor = EditCaption(index, text);
    if (editor) KeyDown(editor, endKey);
    PumpMessages(20);
    EXPECT_FALSE(IsWindow(editor)) << "the editor is still open";
  }
  int Selected() const {
    return static_cast<int>(SendMessageA(View(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  }
};

TEST_F(RenameTest, AcceptedRenamesShowTheStoredNameAndRefusalsBringTheOldCaptionBack) {
  Start(kMenu);
  ASSERT_EQ(Captions(), (std::vector<std::string>{"Tools", "notepad", "calc", "Data"}));

  Rename(1, "  My*Editor\t");
  EXPECT_EQ(Lines()[7], "*notepad.exe*0*MyEditor**");
  EXPECT_EQ(IconText(View(), 1), "MyEditor");
  EXPECT_FALSE(Model().editing);

  Rename(3, "Files");
  EXPECT_EQ(Lines()[9], "*C:\\Data*2*Files**");
  EXPECT_EQ(IconText(View(), 3), "Files");

  const std::vector<std::string> before = Lines();
  for (const char* refused : {"MYEDITOR", " c*alc ", "", " \t ", "**"}) {
    Rename(2, refused);
    EXPECT_EQ(IconText(View(), 2), "calc") << refused;
    EXPECT_EQ(Lines(), before) << refused;
    EXPECT_FALSE(Model().editing) << refused;
  }
  Rename(2, "something else", VK_ESCAPE);
  EXPECT_EQ(IconText(View(), 2), "calc");
  EXPECT_EQ(Lines(), before);
  EXPECT_FALSE(Model().editing);

  // A folder's name may not hold a backslash: it would make two folder levels.
  Rename(0, "Tools\\Net");
  EXPECT_EQ(IconText(View(), 0), "Tools");
  EXPECT_EQ(Lines(), before);

  // A refusal is told in the status bar for a moment, then the folder's path is back,
  // with where the selected entry leads.
  Rename(2, "MyEditor");
  EXPECT_NE(Bar().find("already holds"), std::string::npos) << Bar();
  EXPECT_TRUE(WaitFor([this] { return Bar().find("already holds") == std::string::npos; }, 6000)) << Bar();
  EXPECT_EQ(Bar(), "  " + Model().dirs.workFolderShown + "calc.exe");
}

TEST_F(RenameTest, KeysWorkAgainRightAfterACancelledOrUnchangedEdit) {
  Start(kMenu);
  Rename(0, "Tools");  // Enter without a change
  KeyDown(View(), VK_RETURN);
  PumpMessages(20);
  EXPECT_EQ(Bar(), "  Tools\\");

  Rename(0, "Elsewhere", VK_ESCAPE);
  KeyDown(View(), VK_BACK);
  PumpMessages(20);
  EXPECT_EQ(Bar(), "  ");

  // Delete goes through the same guard as Enter and Backspace.
  Rename(1, "notepad");
  EXPECT_FALSE(Model().editing);
  EXPECT_EQ(Lines(), kMenu);
}

TEST_F(RenameTest, RenamingAFolderCarriesItsContentsAndLeavesTheSiblingAlone) {
  Start(kMenu);
  Open(0);
  ASSERT_EQ(Captions(), (std::vector<std::string>{"Net", "Network"}));
  Rename(0, "Web");
  EXPECT_EQ(IconText(View(), 0), "Web");
  const std::vector<std::string> expected = {
      "*Tools*1*Tools**",
      "Tools\\*Web*1*Web**",
      "Tools\\Web\\*ping.exe**ping*-t*",
      "Tools\\Web\\*Old*1*Old**",
      "Tools\\Web\\Old\\*old.txt**old**",
      "Tools\\*Network*1*Network**",
      "Tools\\Network\\*share.exe**share**",
      "*notepad.exe**notepad**",
      "*calc.exe**calc**",
      "*C:\\Data*2*Data**",
  };
  EXPECT_EQ(Lines(), expected);
  Open(0);
  // The folder's first icon is selected: the bar names its target beside the folder.
  EXPECT_EQ(Bar(), "  Tools\\Web\\    " + Model().dirs.workFolderShown + "ping.exe");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"ping", "Old"}));
}

TEST_F(RenameTest, MoveButtonsMoveTheSelectedIconWithinItsFolderAndStopAtTheEnds) {
  Start(kMenu);
  const std::vector<std::string> original = Captions();
  // The first icon is selected from the start, so the keys and buttons act at once.
  EXPECT_EQ(Selected(), 0);
  Click(kTagMoveLeft);
  SelectIcon(View(), 3);
  Click(kTagMoveRight);
  EXPECT_EQ(Captions(), original);
  EXPECT_EQ(Lines(), kMenu);

  SelectIcon(View(), 1);
  Click(kTagMoveLeft);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"notepad", "Tools", "calc", "Data"}));
  EXPECT_EQ(Selected(), 0);
  Click(kTagMoveRight);
  Click(kTagMoveRight);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Tools", "calc", "notepad", "Data"}));
  EXPECT_EQ(Selected(), 2);
  // Only the two entries' slots changed; the lines of Tools in between kept theirs.
  std::vector<std::string> expected = kMenu;
  std::swap(expected[7], expected[8]);
  EXPECT_EQ(Lines(), expected);
}

// Ctrl+Left and Ctrl+Right pressed on the keyboard move the selected icon like the
// buttons, and it stays selected and focused for the next press; they wait while a
// caption is edited.
TEST_F(RenameTest, ControlArrowsPressedTwiceMoveTheSameIconTwice) {
  Start({"*w.exe**W**", "*a.exe**A**", "*b.exe**B**", "*c.exe**C**"});
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  SelectIcon(View(), 1);
  PressChord({VK_CONTROL, VK_RIGHT});
  PressChord({VK_CONTROL, VK_RIGHT});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"W", "B", "C", "A"}));
  EXPECT_EQ(Selected(), 3);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_FOCUSED), 3);
  PressChord({VK_CONTROL, VK_LEFT});
  const std::vector<std::string> moved{"W", "B", "A", "C"};
  EXPECT_EQ(Captions(), moved);
  HWND editor = StartEditing(2);
  PressChord({VK_CONTROL, VK_RIGHT});
  EXPECT_EQ(Captions(), moved);
  KeyDown(editor, VK_ESCAPE);
}

TEST_F(RenameTest, RenamesAndMovesSurviveAClosingAndANewStart) {
  Start(kMenu);
  Rename(2, "Calculator");
  SelectIcon(View(), 2);
  Click(kTagMoveLeft);
  Click(kTagMoveLeft);
  const std::vector<std::string> shown = {"Calculator", "Tools", "notepad", "Data"};
  ASSERT_EQ(Captions(), shown);
  CloseWindow();
  ASSERT_EQ(form_->hwnd(), nullptr);
  Restart();
  EXPECT_EQ(Captions(), shown);
  EXPECT_EQ(Lines()[0], "*calc.exe*0*Calculator**");
}

}  // namespace
}  // namespace kov
