// Names in every script, from the drop to the launch and back from the settings file and
// onto the screen: real files named in Cyrillic, Greek, Japanese, with an emoji and a
// combining accent, in a working folder that is itself named so.
#include <gtest/gtest.h>

#include <utility>

#include "form1_session.h"
#include "util/panel_win.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

using namespace kov::test;

class UnicodeNames : public Form1Session {
 protected:
  UnicodeNames() : folder_(work_.Path() + "\xD0\x9F\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0 \xCF\x89\\") {
    CreateDirectoryA(folder_.c_str(), nullptr);
    inFolder_ = std::make_unique<CurrentDirectoryScope>(folder_);
    settings_ = folder_ + "kovrant.ini";
    record_ = work_.Path() + "record.txt";
    SetEnvironmentVariableA("KOVRANT_RECORD", record_.c_str());
  }
  ~UnicodeNames() override { SetEnvironmentVariableA("KOVRANT_RECORD", nullptr); }

  std::string Recorded() {
    WaitFor([this] { return CountOccurrences(ReadBytes(record_), "current directory") > 0; }, 15000);
    const std::string recorded = ReadBytes(record_);
    DeleteFileA(record_.c_str());
    return recorded;
  }

  std::string folder_;
  std::string record_;
  std::unique_ptr<CurrentDirectoryScope> inFolder_;
};

TEST_F(UnicodeNames, DropStartRenameAndRestartKeepEveryName) {
  const std::string japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E.txt";  // 日本語.txt
  const std::string emoji = "\xF0\x9F\x98\x80.exe";                         // 😀.exe
  const std::string greek = "\xCE\xA9sub";                                  // Ωsub
  const std::string cyrillic = "\xD0\x96\xD1\x83\xD0\xBA";                  // Жук
  const std::string accent = "Cafe\xCC\x81";                                // Café, combining
  WriteBytes(folder_ + japanese, "text");
  ASSERT_TRUE(CopyProgram(TestProgramFolder() + KOVRANT_RECORDER_EXE, folder_ + emoji));
  CreateDirectoryA((folder_ + greek).c_str(), nullptr);
  ASSERT_TRUE(CopyProgram(TestProgramFolder() + KOVRANT_RECORDER_EXE, folder_ + greek + "\\tool.exe"));
  CreateDirectoryA((folder_ + cyrillic).c_str(), nullptr);
  Start();

  const std::vector<std::string> dropped = {folder_ + japanese, folder_ + emoji, folder_ + greek + "\\tool.exe",
                                            folder_ + cyrillic};
  SendMessageA(form_->hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(ShellDrop(dropped)), 0);
  PumpMessages(20);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Windows programs", japanese, emoji, "tool.exe", cyrillic}));

  // Started with parameters in another script and the working folder's own name.
  SelectIcon(View(), 2);
  DialogAnswerer parameters("Execution parameters", [&](HWND dialog) {
    HWND combo = FindWindowExA(dialog, nullptr, "ComboBox", nullptr);
    SetWindowTextA(FindWindowExA(combo, nullptr, "Edit", nullptr), (cyrillic + " @R\\x").c_str());
    ClickButton(dialog, "OK");
  });
  Choose(Command::ExecutionParameters);
  ASSERT_TRUE(parameters.Answered());
  Open(2);
  // The working folder in its own letter case, as it is on disk.
  EXPECT_NE(Recorded().find(cyrillic + " " + folder_ + "x"), std::string::npos);
  Open(3);
  EXPECT_NE(UpperText(Recorded()).find("CURRENT DIRECTORY: " + UpperText(folder_ + greek)), std::string::npos);

  HWND editor = StartEditing(1);
  SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(accent.c_str()));
  KeyDown(editor, VK_RETURN);
  PumpMessages(20);
  CloseWindow();
  const std::string dropLines = "*" + japanese + "*0*" + accent + "**\r\n*" + emoji + "**" + emoji + "*" + cyrillic +
                                " @R\\x*\r\n*" + greek + "\\tool.exe**tool.exe**\r\n*" + cyrillic + "*2*" + cyrillic +
                                "**\r\n";
  const std::string saved = ReadBytes(settings_);
  ASSERT_GT(saved.size(), dropLines.size());
  EXPECT_EQ(saved.substr(saved.size() - dropLines.size()), dropLines);
  Restart();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Windows programs", accent, emoji, "tool.exe", cyrillic}));
}

// What panels hand to the system to be drawn, caught on its way to DrawTextW: a window
// text can be right while the painted one is not.
class DrawnTexts {
 public:
  DrawnTexts() { Panel::DrawTextWith(Record); }
  ~DrawnTexts() { Panel::DrawTextWith(nullptr); }

  // The text the panel draws when it is painted now.
  static std::wstring Painted(HWND panel) {
    drawn().clear();
    RedrawWindow(panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (const auto& [window, text] : drawn()) {
      if (window == panel) return text;
    }
    return L"(nothing drawn)";
  }

 private:
  static std::vector<std::pair<HWND, std::wstring>>& drawn() {
    static std::vector<std::pair<HWND, std::wstring>> texts;
    return texts;
  }
  static int WINAPI Record(HDC dc, LPCWSTR text, int length, LPRECT area, UINT format) {
    drawn().emplace_back(WindowFromDC(dc), std::wstring(text, static_cast<std::size_t>(length)));
    return DrawTextW(dc, text, length, area, format);
  }
};

TEST_F(UnicodeNames, StatusBarDrawsFolderTargetAndSearchInEveryScript) {
  const std::wstring games = L"\u03A0\u03B1\u03B9\u03C7\u03BD\u03AF\u03B4\u03B9\u03B1";  // Παιχνίδια
  const std::wstring kitchen = L"\u041A\u0443\u0445\u043D\u044F";                          // Кухня
  const std::wstring caption = L"Cr\u00E8me br\u00FBl\u00E9e \U0001F600";                    // Crème brûlée 😀
  const std::wstring target = kitchen + L"\\" + caption + L".txt";
  const std::string folder = Utf8Text(games), file = Utf8Text(target);
  CreateDirectoryA((folder_ + Utf8Text(kitchen)).c_str(), nullptr);
  WriteBytes(folder_ + file, "recipe");
  Start({"*" + folder + "*1*" + folder + "**", folder + "\\*" + file + "**" + Utf8Text(caption) + "**"});
  const DrawnTexts drawn;
  const std::wstring targetPath = WideText(folder_) + target;

  Open(0);
  SelectIcon(View(), 0);
  EXPECT_EQ(drawn.Painted(form_->StatusBar()), L"  " + games + L"\\    " + targetPath);

  Choose(Command::Find);
  ASSERT_EQ(ClassOf(GetFocus()), "Edit");
  SetWindowTextW(GetFocus(), caption.substr(0, 5).c_str());
  PumpMessages(50);
  SelectIcon(View(), 0);
  EXPECT_EQ(drawn.Painted(form_->StatusBar()), L"  1 entry matches    in " + games + L"\\    " + targetPath);
}

}  // namespace
}  // namespace kov
