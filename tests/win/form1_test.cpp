// The launcher window driven by the messages a user's actions produce.
#include <gtest/gtest.h>

#include "ui/artwork_win.h"
#include "app/form1_win.h"
#include "form1_session.h"
#include "store/file_system.h"
#include "util/current_dir.h"

namespace kov {
namespace {

using namespace kov::test;

class Form1Test : public Form1Session {
 protected:
  static constexpr const char* kTwoEntries = "*a.exe**A**\r\n*b.exe**B**\r\n";
  static constexpr const char* kTwoEntriesSwapped = "*b.exe**B**\r\n*a.exe**A**\r\n";
  // A change of the menu, made as a user makes it.
  void SwapTheTwoEntries() {
    SelectIcon(View(), 0);
    Click(kTagMoveRight);
    ASSERT_EQ(Captions(), (std::vector<std::string>{"B", "A"}));
  }
};

TEST_F(Form1Test, FirstStartShowsTheSeededFolderAndClosingWritesIt) {
  Start();
  EXPECT_EQ(WindowText(form_->hwnd()), "Kovrant 2024.02.01");
  ASSERT_EQ(Captions(), std::vector<std::string>{"Windows programs"});
  EXPECT_TRUE(ShowsStock(0, kStockVirtualFolder));
  EXPECT_EQ(Bar(), "  ");
  EXPECT_EQ(Model().dirs.workFolder, UpperText(work_.Path()));
  CloseWindow();
  EXPECT_EQ(form_->hwnd(), nullptr);
  const std::string saved = ReadBytes(settings_);
  EXPECT_EQ(CountOccurrences(saved, "\r\n"), 22);
  EXPECT_EQ(saved.rfind("*Windows programs*1*Windows programs**\r\nWindows programs\\*", 0), 0u);
}

TEST_F(Form1Test, ComponentsStandWhereTheLayoutPutsThem) {
  Start();
  RECT outer{};
  GetWindowRect(form_->hwnd(), &outer);
  EXPECT_EQ(outer.right - outer.left, 661);
  EXPECT_EQ(outer.bottom - outer.top, 525);
  RECT client{};
  GetClientRect(form_->hwnd(), &client);
  auto placeOf = [this](HWND window) {
    RECT box{};
    GetWindowRect(window, &box);
    MapWindowPoints(nullptr, form_->hwnd(), reinterpret_cast<POINT*>(&box), 2);
    return box;
  };
  const RECT view = placeOf(View());
  EXPECT_EQ(view.top, 41 + 16);
  const RECT bar = placeOf(form_->StatusBar());
  EXPECT_EQ(bar.bottom - bar.top, 25);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(view.bottom, bar.top);
  const RECT back = placeOf(form_->ToolButtonWindow(kTagBack));
  EXPECT_EQ(back.left, 0);
  EXPECT_EQ(back.right - back.left, 60);
  EXPECT_EQ(placeOf(form_->ToolButtonWindow(kTagGodMode)).left, 208);
  const RECT about = placeOf(form_->ToolButtonWindow(kTagAbout));
  EXPECT_EQ(about.left, client.right - 165 + 104);
  EXPECT_EQ(placeOf(form_->ToolButtonWindow(kTagMoveLeft)).left, client.right - 165 + 2);
}

// Dragged narrower than the tool bar needs (a window manager may allow it, a small
// screen may force it), the window keeps a search field that can be seen and typed
// into; the other parts give way, Tab passes over them, and they come back as it widens.
TEST_F(Form1Test, ANarrowWindowKeepsItsSearchFieldAndTheOtherPartsGiveWay) {
  Start({"*a.exe**Alpha**", "*b.exe**Beta**"});
  SetForegroundWindow(form_->hwnd());
  const auto button = [this](int tag) { return form_->ToolButtonWindow(tag); };
  const HWND search = FindWindowExA(GetParent(button(kTagBack)), nullptr, "Edit", nullptr);
  SetWindowPos(form_->hwnd(), nullptr, 0, 0, 300, 400, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages(20);
  RECT client{};
  GetClientRect(form_->hwnd(), &client);
  ASSERT_LT(client.right, 540);
  RECT field{};
  GetWindowRect(search, &field);
  MapWindowPoints(nullptr, form_->hwnd(), reinterpret_cast<POINT*>(&field), 2);
  EXPECT_TRUE(IsWindowVisible(search));
  EXPECT_GE(field.right - field.left, 89);
  EXPECT_GE(field.left, 0);
  EXPECT_LE(field.right, client.right);
  EXPECT_TRUE(IsWindowVisible(button(kTagBack)));
  for (int tag : {kTagGodMode, kTagMoveLeft, kTagMoveRight, kTagAbout}) EXPECT_FALSE(IsWindowVisible(button(tag)));

  SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(CommandWindowId(Command::Find), 1), 0);
  EXPECT_EQ(GetFocus(), search);
  PressChord({'B'});
  EXPECT_EQ(Captions(), std::vector<std::string>{"Beta"});
  PressChord({VK_TAB});
  EXPECT_EQ(GetFocus(), View());

  SetWindowPos(form_->hwnd(), nullptr, 0, 0, 661, 525, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages(20);
  for (int tag : {kTagBack, kTagGodMode, kTagMoveLeft, kTagMoveRight, kTagAbout}) {
    EXPECT_TRUE(IsWindowVisible(button(tag))) << tag;
  }
}

TEST_F(Form1Test, NavigatesIntoFoldersAndBack) {
  WriteBytes(settings_,
             "*Tools*1*Tools**\r\n*notes.txt**Notes**\r\ntools\\*Net*1*Net**\r\nTools\\Net\\*x.exe**X**\r\n"
             "Tools\\*gone.exe**Gone**\r\nTools2\\*y.exe**Y**\r\n*Empty*1*Empty**\r\n");
  WriteBytes(work_.Path() + "notes.txt", "notes");
  Start();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Tools", "Notes", "Empty"}));
  EXPECT_TRUE(ShowsStock(0, kStockVirtualFolder));
  EXPECT_FALSE(ShowsStock(1, kStockMissingTarget));

  Open(0);
  EXPECT_EQ(Model().currentFolder, "Tools\\");
  EXPECT_EQ(Bar(), "  Tools\\");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Net", "Gone"}));
  EXPECT_TRUE(ShowsStock(1, kStockMissingTarget));

  SelectIcon(View(), 0);
  KeyDown(View(), VK_RETURN);
  EXPECT_EQ(Model().currentFolder, "Tools\\Net\\");
  EXPECT_EQ(Captions(), std::vector<std::string>{"X"});

  KeyDown(View(), VK_BACK);
  EXPECT_EQ(Model().currentFolder, "Tools\\");
  // The folder just left is selected and focused for the arrow keys.
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED), 0);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_FOCUSED), 0);
  SendMessageA(form_->ToolButtonWindow(kTagBack), BM_CLICK, 0, 0);
  EXPECT_EQ(Model().currentFolder, "");
  SendMessageA(form_->ToolButtonWindow(kTagBack), BM_CLICK, 0, 0);
  EXPECT_EQ(Model().currentFolder, "");

  Open(2);
  EXPECT_EQ(Bar(), "  Empty\\");
  EXPECT_EQ(IconCount(View()), 0);
}

TEST_F(Form1Test, TypingTheFirstLettersOfACaptionSelectsItsIcon) {
  WriteBytes(settings_, "*a.exe**Alpha**\r\n*b.exe**Beta**\r\n*c.exe** bravo **\r\n*d.exe**Gamma**\r\n");
  Start();
  SendMessageA(View(), WM_CHAR, 'g', 1);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED), 3);
  // After a pause the typed text starts again; letters typed one after the other extend
  // it, and the search goes round from the last icon to the first.
  Sleep(600);
  SendMessageA(View(), WM_CHAR, 'b', 1);
  SendMessageA(View(), WM_CHAR, 'R', 1);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED), 2);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_FOCUSED), 2);
}

TEST_F(Form1Test, KeysDoNothingWhileACaptionIsEdited) {
  WriteBytes(settings_, "*Tools*1*Tools**\r\nTools\\*a.exe**A**\r\n");
  Start();
  Open(0);
  ASSERT_EQ(Model().currentFolder, "Tools\\");
  HWND editor = StartEditing(0);
  ASSERT_TRUE(Model().editing);
  KeyDown(View(), VK_BACK);
  EXPECT_EQ(Model().currentFolder, "Tools\\");
  KeyDown(editor, VK_ESCAPE);
  PumpMessages(20);
  EXPECT_FALSE(Model().editing);
  KeyDown(View(), VK_BACK);
  EXPECT_EQ(Model().currentFolder, "");
}

TEST_F(Form1Test, MissingTargetSaysFileNotFound) {
  WriteBytes(settings_, "*Apps\\gone.exe**Gone**\r\n");
  Start();
  // Esc declines to locate the target now.
  DialogAnswerer notice("Warning", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); });
  Open(0);
  ASSERT_TRUE(notice.Answered());
  EXPECT_NE(notice.Text().find("File not found"), std::string::npos);
  EXPECT_EQ(CurrentDirectory() + "\\", work_.Path());
}

TEST_F(Form1Test, SessionEndSavesLikeClosing) {
  WriteBytes(settings_, kTwoEntries);
  Start();
  SwapTheTwoEntries();
  SendMessageA(form_->hwnd(), WM_QUERYENDSESSION, 0, 0);
  SendMessageA(form_->hwnd(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(ReadBytes(settings_), kTwoEntriesSwapped);
}

TEST_F(Form1Test, FailedSaveKeepsTheOldFileAndAsksBeforeClosing) {
  WriteBytes(settings_, kTwoEntries);
  Start();
  SwapTheTwoEntries();
  CreateDirectoryA(TemporaryFileFor(settings_).c_str(), nullptr);
  {
    DialogAnswerer stay("Warning", [](HWND dialog) { ClickButton(dialog, "&No"); });
    CloseWindow();
    ASSERT_TRUE(stay.Answered());
    EXPECT_NE(stay.Text().find(settings_), std::string::npos);
  }
  EXPECT_NE(form_->hwnd(), nullptr);
  EXPECT_EQ(ReadBytes(settings_), kTwoEntries);
  RemoveDirectoryA(TemporaryFileFor(settings_).c_str());
  CloseWindow();
  EXPECT_EQ(form_->hwnd(), nullptr);
  EXPECT_EQ(ReadBytes(settings_), kTwoEntriesSwapped);
}

TEST_F(Form1Test, LockedSettingsFileIsKeptAndTheUserIsTold) {
  WriteBytes(settings_, kTwoEntries);
  Start();
  SwapTheTwoEntries();
  HANDLE lock = CreateFileA(settings_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  DialogAnswerer leave("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  CloseWindow();
  ASSERT_TRUE(leave.Answered());
  EXPECT_EQ(form_->hwnd(), nullptr);
  CloseHandle(lock);
  EXPECT_EQ(ReadBytes(settings_), kTwoEntries);
  EXPECT_FALSE(FileExists(TemporaryFileFor(settings_)));
}

// A settings file that another program holds open while Kovrant starts is reported, and
// the built-in menu shown meanwhile never replaces it unless the user changes the menu
// and agrees.
TEST_F(Form1Test, ASettingsFileThatCouldNotBeReadIsNeverOverwrittenUnasked) {
  WriteBytes(settings_, kTwoEntries);
  for (const bool changed : {false, true}) {
    HANDLE lock = CreateFileA(settings_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    DialogAnswerer notice("Error", [](HWND dialog) { PressKey(dialog, VK_RETURN); });
    Start();
    ASSERT_TRUE(WaitFor([&] { return notice.Answered(); }, 10000));
    EXPECT_NE(notice.Text().find(settings_), std::string::npos);
    CloseHandle(lock);
    ASSERT_EQ(Captions(), std::vector<std::string>{"Windows programs"});
    if (changed) {
      SelectIcon(View(), 0);
      DialogAnswerer yes("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
      KeyDown(View(), VK_DELETE);
      ASSERT_TRUE(yes.Answered());
    }
    DialogAnswerer keep(
        "Warning", [](HWND dialog) { ClickButton(dialog, "&No"); }, changed ? 10000 : 1500);
    CloseWindow();
    EXPECT_EQ(keep.Answered(), changed);
    EXPECT_EQ(form_->hwnd(), nullptr);
    EXPECT_EQ(ReadBytes(settings_), kTwoEntries);
  }
}

TEST_F(Form1Test, ReadOnlyHiddenSettingsFileIsRewrittenAndStaysSo) {
  WriteBytes(settings_, kTwoEntries);
  SetFileAttributesA(settings_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  Start();
  SwapTheTwoEntries();
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_), kTwoEntriesSwapped);
  const DWORD userSet = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  EXPECT_EQ(GetFileAttributesA(settings_.c_str()) & userSet, userSet);
  SetFileAttributesA(settings_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Form1Test, OversizedFileIsReportedAndKeptWhole) {
  std::string file;
  for (int i = 1; i <= EntryTable::kCapacity + 5; ++i) file += "Deep\\*e" + IntText(i) + "**e" + IntText(i) + "**\r\n";
  WriteBytes(settings_, file);
  DialogAnswerer notice("Warning", [](HWND dialog) { PressKey(dialog, VK_RETURN); });
  Start();
  ASSERT_TRUE(WaitFor([&] { return notice.Answered(); }, 10000));
  EXPECT_NE(notice.Text().find("100004"), std::string::npos);
  EXPECT_EQ(Model().table.Count(), EntryTable::kCapacity);
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_), file);
}

}  // namespace
}  // namespace kov
