// Names in every script, from the drop to the launch and back from the settings file:
// real files named in Cyrillic, Greek, Japanese, with an emoji and a combining accent, in a
// working folder that is itself named so.
#include <gtest/gtest.h>

#include "form1_session.h"

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
  EXPECT_NE(Recorded().find(cyrillic + " " + Model().dirs.workFolder + "x"), std::string::npos);
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

}  // namespace
}  // namespace kov
