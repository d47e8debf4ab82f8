// Several icons at once, and the clipboard, as a user drives them with the keyboard:
// Ctrl+A and Delete, Ctrl+X in one folder and Ctrl+V in another, files
// copied in Explorer and paths copied as text pasted in, Copy as path read back.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "store/entry_table.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

using namespace kov::test;

class ClipboardWindow : public Form1Session {
 protected:
  void StartWithFocus(const std::vector<std::string>& lines) {
    EmptyTheClipboard();
    Start(lines);
    SetForegroundWindow(form_->hwnd());
    SetFocus(View());
  }
};

TEST_F(ClipboardWindow, CtrlADeletesEveryIconAfterOneQuestionAndOneUndoBringsThemBack) {
  StartWithFocus({"*Tools*1*Tools**", "Tools\\*t.exe**T**", "*a.exe**A**", "*b.exe**B**"});
  const Text before = EntryFileText(Model().table);
  PressChord({VK_CONTROL, 'A'});
  EXPECT_EQ(form_->View().SelectedCount(), 3);
  EXPECT_NE(Bar().find("3 selected"), std::string::npos) << Bar();
  DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  PressChord({VK_DELETE});
  ASSERT_TRUE(question.Answered());
  EXPECT_NE(question.Text().find("Delete 3 items ?"), std::string::npos) << question.Text();
  EXPECT_TRUE(Lines().empty());
  EXPECT_NE(Bar().find("Deleted 3 items and the 1 entry they held."), std::string::npos) << Bar();
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(EntryFileText(Model().table), before);
}

TEST_F(ClipboardWindow, CutIconsMoveIntoAnotherFolderInTheirOrderAndOneUndoTakesThemBack) {
  StartWithFocus({"*Games*1*Games**", "Games\\*c.exe**C**", "*Work*1*Work**", "Work\\*b.exe**dup**",
                  "Work\\*z.exe**Z**", "*a.exe**Dup**"});
  const Text before = EntryFileText(Model().table);
  Open(1);
  ASSERT_EQ(Model().currentFolder, "Work\\");
  PressChord({VK_CONTROL, 'A'});
  PressChord({VK_CONTROL, 'X'});
  EXPECT_NE(Bar().find("Cut 2 items"), std::string::npos) << Bar();
  ASSERT_TRUE(Model().cut);
  EXPECT_EQ(Model().cut->lines.size(), 2u);
  // Not into the folder they lie in; nothing moves until the paste.
  PressChord({VK_CONTROL, 'V'});
  EXPECT_NE(Bar().find("in this folder already"), std::string::npos) << Bar();
  EXPECT_EQ(EntryFileText(Model().table), before);

  PressChord({VK_BACK});
  Open(0);
  ASSERT_EQ(Model().currentFolder, "Games\\");
  PressChord({VK_CONTROL, 'V'});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C", "dup", "Z"}));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*Games*1*Games**", "Games\\*c.exe**C**", "Games\\*b.exe**dup**",
                                               "Games\\*z.exe**Z**", "*Work*1*Work**", "*a.exe**Dup**"}));
  EXPECT_EQ(Bar(), "  Moved 2 items into \"Games\". Ctrl+Z moves them back.");
  EXPECT_FALSE(Model().cut);
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(EntryFileText(Model().table), before);
  EXPECT_EQ(Model().currentFolder, "Work\\");
}

TEST_F(ClipboardWindow, FilesCopiedInExplorerAreAddedAsADropAndTextMustNameThemAll) {
  StartWithFocus({"*a.exe**A**"});
  const std::wstring work = WideText(work_.Path());
  const std::wstring notes = work + L"\u0417\u0430\u043c\u0435\u0442\u043a\u0438.txt";  // Заметки.txt
  WriteBytes(Utf8Text(notes), "x");
  CreateDirectoryW((work + L"Docs").c_str(), nullptr);
  PutFilesOnClipboard({notes, work + L"Docs"});
  PressChord({VK_CONTROL, 'V'});
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*a.exe**A**", "*\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8.txt**"
                                               "\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8.txt**",
                                               "*Docs*2*Docs**"}));
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(Lines(), std::vector<std::string>{"*a.exe**A**"});

  PutUnicodeTextOnClipboard(L"  \"" + work + L"Docs\"  \r\n\r\n" + work + L"nothing.txt\r\n");
  PressChord({VK_CONTROL, 'V'});
  EXPECT_NE(Bar().find("nothing.txt\" is not the full path of a file or folder."), std::string::npos) << Bar();
  EXPECT_EQ(Lines(), std::vector<std::string>{"*a.exe**A**"});
  PutUnicodeTextOnClipboard(L"\"" + work + L"Docs\"\r\n");
  PressChord({VK_CONTROL, 'V'});
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*a.exe**A**", "*Docs*2*Docs**"}));
}

TEST_F(ClipboardWindow, CopyAsPathPutsEachTargetAsItWouldStartQuotedOnItsLine) {
  StartWithFocus({"*Apps\\a.exe**A**", "*Tools*1*Tools**", "*%windir%\\notepad.exe**Notepad**"});
  PressChord({VK_CONTROL, 'A'});
  PressChord({VK_CONTROL, VK_SHIFT, 'C'});
  const std::wstring work = WideText(Model().dirs.workFolderShown);
  const std::wstring windows = WideText(Model().dirs.windowsDir);
  EXPECT_EQ(ClipboardUnicodeText(), L"\"" + work + L"Apps\\a.exe\"\r\n\"" + windows + L"\\notepad.exe\"");
  EXPECT_NE(Bar().find("Copied 2 paths."), std::string::npos) << Bar();
  EXPECT_EQ(Lines().size(), 3u);
}

}  // namespace
}  // namespace kov
