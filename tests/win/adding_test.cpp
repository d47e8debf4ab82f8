// Files dropped on the window as the shell drops them, and new virtual folders.
#include <gtest/gtest.h>

#include "ui/artwork_win.h"
#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

class AddingTest : public Form1Session {
 protected:
  void Drop(const std::vector<std::string>& paths) {
    SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(ShellDrop(paths)), 0);
    PumpMessages(20);
  }
};

TEST_F(AddingTest, DroppedPathsBecomeEntriesInDropOrderAtFullLength) {
  Start();
  CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
  CreateDirectoryA((work_.Path() + "Data").c_str(), nullptr);
  WriteBytes(work_.Path() + "Apps\\tool.exe", "MZ");
  std::string deep = "Deep";
  while (deep.size() < 320) deep += "\\a level of some length";
  const std::string longPath = work_.Path() + deep + "\\long.exe";
  ASSERT_GT(longPath.size(), 300u);
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string outside = std::string(windows) + "\\notepad.exe";

  ShowWindow(form_->hwnd(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(form_->hwnd()));
  Drop({work_.Path() + "Apps\\tool.exe", LowerText(work_.Path()) + "Data", longPath, outside,
        "Z:\\elsewhere\\TOOL.EXE"});

  EXPECT_FALSE(IsIconic(form_->hwnd()));
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  const std::vector<std::string> added(lines.begin() + 22, lines.end());
  const std::vector<std::string> expected = {"*Apps\\tool.exe**tool.exe**", "*Data*2*Data**",
                                             "*" + deep + "\\long.exe**long.exe**", "*" + outside + "**notepad.exe**"};
  EXPECT_EQ(added, expected);
  const std::vector<std::string> captions = {"Windows programs", "tool.exe", "Data", "long.exe", "notepad.exe"};
  EXPECT_EQ(Captions(), captions);
  EXPECT_FALSE(ShowsStock(1, kStockMissingTarget));
  EXPECT_FALSE(ShowsStock(2, kStockMissingTarget));
  EXPECT_TRUE(ShowsStock(3, kStockMissingTarget));
  // "Z:\\elsewhere\\TOOL.EXE" carried a caption the folder already held: the user is told.
  EXPECT_NE(Bar().find("1 item is already in this folder"), std::string::npos) << Bar();

  // The same file dropped into another folder is added there too.
  Open(0);
  Drop({work_.Path() + "Apps\\tool.exe"});
  EXPECT_EQ(Lines().back(), "Windows programs\\*Apps\\tool.exe**tool.exe**");
  EXPECT_EQ(IconText(View(), IconCount(View()) - 1), "tool.exe");

  CloseWindow();
  const std::string saved = ReadBytes(settings_);
  EXPECT_NE(saved.find("*" + deep + "\\long.exe**long.exe**\r\n"), std::string::npos);
}

TEST_F(AddingTest, AFullTableRefusesTheDropWithOneNoticeAndLosesNothing) {
  std::vector<std::string> lines(EntryTable::kCapacity - 1, "Full\\*x.exe**x**");
  lines.front() = "*Full*1*Full**";
  Start(lines);
  std::string notice;
  DialogAnswerer answer("Warning", [&](HWND dialog) {
    notice = DialogText(dialog);
    ClickButton(dialog, "OK");
  });
  Drop({"C:\\one.exe", "C:\\two.exe", "C:\\three.exe"});
  ASSERT_TRUE(answer.Answered());
  EXPECT_NE(notice.find("full"), std::string::npos) << notice;
  EXPECT_NE(notice.find("2 items were not added"), std::string::npos) << notice;
  EXPECT_EQ(Model().table.Count(), EntryTable::kCapacity);
  EXPECT_EQ(Lines().back(), "*C:\\one.exe**one.exe**");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Full", "one.exe"}));
}

TEST_F(AddingTest, NewFolderTakesTheCleanedNameAndRefusesEmptyOrSplitNames) {
  Start();
  const auto answerNewFolder = [](const std::string& typed) {
    return [typed](HWND dialog) {
      SetWindowTextA(FindWindowExA(dialog, nullptr, "ComboBox", nullptr), typed.c_str());
      ClickButton(dialog, "OK");
    };
  };
  {
    DialogAnswerer answer("New Folder", answerNewFolder(" \tMy*Tools "));
    SendMessageA(form_->ToolButtonWindow(kTagNewFolder), BM_CLICK, 0, 0);
    ASSERT_TRUE(answer.Answered());
  }
  EXPECT_EQ(Lines().back(), "*MyTools*1*MyTools**");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Windows programs", "MyTools"}));
  EXPECT_TRUE(ShowsStock(1, kStockVirtualFolder));

  for (const std::string& refused : {std::string("Net\\Old"), std::string(" ** ")}) {
    std::string notice;
    DialogAnswerer name("New Folder", answerNewFolder(refused));
    DialogAnswerer warning("Warning", [&](HWND dialog) {
      notice = DialogText(dialog);
      ClickButton(dialog, "OK");
    });
    SendMessageA(form_->ToolButtonWindow(kTagNewFolder), BM_CLICK, 0, 0);
    ASSERT_TRUE(name.Answered());
    ASSERT_TRUE(warning.Answered()) << refused;
    EXPECT_NE(notice.find("No folder was added"), std::string::npos) << notice;
    EXPECT_EQ(Model().table.Count(), 23);
    EXPECT_EQ(IconCount(View()), 2);
  }

  // A name the folder already holds, in any letter case, is skipped.
  DialogAnswerer again("New Folder", answerNewFolder("mytools"));
  SendMessageA(form_->ToolButtonWindow(kTagNewFolder), BM_CLICK, 0, 0);
  ASSERT_TRUE(again.Answered());
  EXPECT_EQ(Model().table.Count(), 23);
  EXPECT_EQ(IconCount(View()), 2);
}

}  // namespace
}  // namespace kov
