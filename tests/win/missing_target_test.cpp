// The keyboard reaches the context menu, and a missing target is pointed anew: a file
// dropped onto the icon of an entry whose target went missing becomes its target, with
// its caption, parameters and place kept, after one question. A missing target shows
// in its icon, and a start that finds it gone offers to locate it.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "form1_session.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

using namespace kov::test;

class MissingTarget : public Form1Session {
 protected:
  // A drop of one path onto the icon's picture, as the shell delivers it.
  void DropOnIcon(const std::string& path, int index) {
    RECT bounds{};
    ListView_GetItemRect(View(), index, &bounds, LVIR_ICON);
    POINT point{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    MapWindowPoints(View(), form_->hwnd(), &point, 1);
    HGLOBAL drop = ShellDrop({path});
    static_cast<DROPFILES*>(GlobalLock(drop))->pt = point;
    GlobalUnlock(drop);
    SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    PumpMessages(20);
  }
};

TEST_F(MissingTarget, ShiftF10OffersLocateAtTheIconAndADropPointsTheEntryAnew) {
  Start({"Tools\\*Apps\\old\\tool.exe**My tool*-p @R\\x*", "*Tools*1*Tools**", "Tools\\*b.exe**B**"});
  CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
  CreateDirectoryA((work_.Path() + "Apps\\v2").c_str(), nullptr);
  const std::string moved = work_.Path() + "Apps\\v2\\tool.exe";
  WriteBytes(moved, "x");
  Open(0);
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  SelectIcon(View(), 0);
  EXPECT_NE(Bar().find("Apps\\old\\tool.exe"), std::string::npos) << Bar();

  std::vector<std::string> items;
  MenuAnswerer menu(form_->hwnd(), {VK_ESCAPE}, [&](HMENU shown) {
    for (int item = 0; item < GetMenuItemCount(shown); ++item) {
      char caption[64] = {};
      GetMenuStringA(shown, static_cast<UINT>(item), caption, sizeof caption, MF_BYPOSITION);
      items.emplace_back(caption);
    }
  });
  PressChord({VK_SHIFT, VK_F10});
  ASSERT_TRUE(menu.Shown());
  EXPECT_NE(std::find(items.begin(), items.end(), "Locate\xE2\x80\xA6"), items.end());

  DialogAnswerer question("Missing target", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  DropOnIcon(moved, 0);
  ASSERT_TRUE(question.Answered());
  EXPECT_NE(question.Text().find(moved), std::string::npos);
  PumpMessages(20);
  EXPECT_EQ(Lines().front(), "Tools\\*Apps\\v2\\tool.exe**My tool*-p @R\\x*");
  EXPECT_EQ(Lines().size(), 3u);
  EXPECT_FALSE(form_->View().TargetMissing(0));
}

// The title of the system's file dialog once it shows, which it is then closed with
// Cancel; "" while none has shown.
class FileDialogWatch {
 public:
  const std::wstring& Title() const { return title_; }

 private:
  static BOOL CALLBACK CloseShown(HWND window, LPARAM watch) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (!IsWindowVisible(window) || std::wstring(className) != L"#32770") return TRUE;
    std::wstring& title = reinterpret_cast<FileDialogWatch*>(watch)->title_;
    title.resize(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1);
    title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), static_cast<int>(title.size()))));
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
  }

  std::wstring title_;
  ThreadTimer timer_{100, [this] {
                       if (title_.empty()) EnumThreadWindows(GetCurrentThreadId(), CloseShown, reinterpret_cast<LPARAM>(this));
                     }};
};

TEST_F(MissingTarget, AStartThatFindsTheTargetGoneShowsItAndOffersToLocateIt) {
  const std::string tool = "Apps\\\xCE\xA8 \xD0\xB8\xD0\xBD\xD1\x81\xD1\x82\xD1\x80.exe";  // Ψ инстр.exe
  const std::string caption = "\xCE\xA8 \xD0\xB8\xD0\xBD\xD1\x81\xD1\x82\xD1\x80";             // Ψ инстр
  CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
  WriteBytes(work_.Path() + tool, "x");
  Start({"*Tools*1*Tools**", "Tools\\*" + tool + "**" + caption + "**", "Tools\\*Apps\\gone.exe**Gone**"});
  Open(0);
  // Shown with the folder: the target that is there, and the one that is not.
  EXPECT_FALSE(ShowsStock(0, kStockMissingTarget));
  EXPECT_TRUE(ShowsStock(1, kStockMissingTarget));

  DeleteFileA((work_.Path() + tool).c_str());
  shell_.SetMode(ShellRequestRecorder::kRecordOnly);
  const FileDialogWatch fileDialog;
  DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  Open(0);
  ASSERT_TRUE(question.Answered());
  // The notice's words first, the path tried in the working folder's own letter case.
  EXPECT_EQ(question.Text().find("File not found"), 0u) << question.Text();
  EXPECT_NE(question.Text().find(Model().dirs.workFolderShown + tool), std::string::npos) << question.Text();
  EXPECT_NE(question.Text().find("Locate it now?"), std::string::npos) << question.Text();
  EXPECT_TRUE(WaitFor([&] { return !fileDialog.Title().empty(); }, 10000)) << "no file dialog";
  EXPECT_EQ(fileDialog.Title(), WideText("Locate " + caption));
  EXPECT_TRUE(shell_.requests().empty());
  EXPECT_TRUE(ShowsStock(0, kStockMissingTarget));
}

}  // namespace
}  // namespace kov
