// The settings file over a session: a save that fails is told once and tried again, a
// file changed by another program while the window holds unsaved changes is chosen
// between, and a file that cannot be read offers the newest backup.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "store/backups.h"

namespace kov {
namespace {

using namespace kov::test;

constexpr const char* kTwoEntries = "*a.exe**A**\r\n*b.exe**B**\r\n";
constexpr const char* kTwoEntriesSwapped = "*b.exe**B**\r\n*a.exe**A**\r\n";

class MenuFileTest : public Form1Session {
 protected:
  void MoveFirstRight() {
    SelectIcon(View(), 0);
    Click(kTagMoveRight);
  }
  std::vector<std::string> Backups() const {
    std::vector<std::string> texts;
    const std::string folder = BackupFolderFor(settings_) + "\\";
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.ini").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return texts;
    do {
      texts.push_back(ReadBytes(folder + found.cFileName));
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return texts;
  }
};

TEST_F(MenuFileTest, AFailedSaveIsToldOnceAndTriedAgainAtTheNextChange) {
  WriteBytes(settings_, kTwoEntries);
  Start();
  // A folder where the save writes its temporary file makes every save fail.
  const std::string blocker = TemporaryFileFor(settings_);
  ASSERT_TRUE(CreateDirectoryA(blocker.c_str(), nullptr));
  MoveFirstRight();
  ASSERT_TRUE(WaitFor([&] { return Bar().find("could not save") != std::string::npos; }, 4000)) << Bar();
  EXPECT_EQ(ReadBytes(settings_), kTwoEntries);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*b.exe**B**", "*a.exe**A**"}));
  RemoveDirectoryA(blocker.c_str());
  MoveFirstRight();
  EXPECT_TRUE(WaitFor([&] { return Bar() == "  The menu is saved again."; }, 4000)) << Bar();
  EXPECT_EQ(ReadBytes(settings_), kTwoEntries);
}

TEST_F(MenuFileTest, AnOutsideEditBesideUnsavedChangesIsChosenAndTheOtherMenuKept) {
  WriteBytes(settings_, kTwoEntries);
  Start();
  MoveFirstRight();
  const std::string outside = std::string(kTwoEntries) + "*c.exe**C**\r\n";
  DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  WriteBytes(settings_, outside);
  ASSERT_TRUE(WaitFor([&] { return question.Answered(); }, 4000));
  EXPECT_NE(question.Text().find("not saved yet"), std::string::npos);
  PumpMessages(50);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(Backups(), std::vector<std::string>{kTwoEntriesSwapped});
  // Taking the file's menu is a step like any other.
  SetFocus(View());
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(EntryFileText(Model().table), kTwoEntriesSwapped);
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_), kTwoEntriesSwapped);
}

TEST_F(MenuFileTest, AnUnreadableFileOffersTheNewestBackupWhichBecomesTheMenu) {
  WriteBytes(settings_, kTwoEntries);
  ASSERT_TRUE(KeepBackup(settings_, "*old.exe**Old**\r\n", {2026, 1, 1, 9, 0, 0}));
  ASSERT_TRUE(KeepBackup(settings_, kTwoEntriesSwapped, {2026, 1, 2, 9, 0, 0}));
  HANDLE lock = CreateFileA(settings_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  DialogAnswerer offer("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  Start();
  ASSERT_TRUE(WaitFor([&] { return offer.Answered(); }, 10000));
  EXPECT_NE(offer.Text().find("kovrant 2026-01-02 09-00-00.ini"), std::string::npos) << offer.Text();
  CloseHandle(lock);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"B", "A"}));
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_), kTwoEntriesSwapped);
}

}  // namespace
}  // namespace kov
