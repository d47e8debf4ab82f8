// What Kovrant keeps beside the menu over a session: names in the backup folder that only
// look like backups push out none of the session's own, and a read-only state file is
// written at close all the same and stays read-only.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "store/backups.h"
#include "store/file_system.h"
#include "store/state_file.h"

namespace kov {
namespace {

using namespace kov::test;

constexpr const char* kTwoEntries = "*a.exe**A**\r\n*b.exe**B**\r\n";
constexpr const char* kTwoEntriesSwapped = "*b.exe**B**\r\n*a.exe**A**\r\n";

class KeptFilesTest : public Form1Session {};

TEST_F(KeptFilesTest, NamesThatOnlyLookLikeBackupsPushOutNoneOfTheSessions) {
  WriteBytes(settings_, kTwoEntries);
  const std::string folder = BackupFolderFor(settings_);
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  for (int second = 90; second <= 99; ++second) {
    WriteBytes(folder + "\\kovrant 9999-99-99 99-99-" + std::to_string(second) + ".ini", "not a menu");
  }
  Start();
  SelectIcon(View(), 0);
  Click(kTagMoveRight);
  ASSERT_TRUE(WaitFor([&] { return ReadBytes(settings_) == kTwoEntriesSwapped; }, 4000));
  // The menu the session found is kept, and it is the one offered as the newest.
  EXPECT_EQ(FileNamesIn(folder).size(), 11u);
  EXPECT_EQ(ReadBytes(NewestBackup(settings_, CurrentLocalTime())), kTwoEntries);
}

TEST_F(KeptFilesTest, AReadOnlyHiddenStateFileIsSavedAndKeepsItsAttributes) {
  const std::string state = StatePathFor(settings_);
  constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  WriteBytes(state, "window=40,30,640,500\r\n");
  ASSERT_TRUE(SetFileAttributesA(state.c_str(), kKept));
  Start({"*a.exe**A**"});
  SetWindowPos(form_->hwnd(), nullptr, 60, 50, 600, 480, SWP_NOZORDER);
  CloseWindow();
  EXPECT_NE(ReadBytes(state).find("window=60,50,600,480"), std::string::npos) << ReadBytes(state);
  EXPECT_EQ(GetFileAttributesA(state.c_str()) & kKept, kKept);
  SetFileAttributesA(state.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The window is made before the state file is read, and moved to the kept place as it
// is made: it stands there exactly, its parts laid out for that size, and a window kept
// maximized comes back maximized from a start that asked for no other show.
TEST_F(KeptFilesTest, TheWindowStandsWhereItWasKeptAndComesBackMaximized) {
  const std::string state = StatePathFor(settings_);
  WriteBytes(state, "window=5,30,760,540\r\n");
  Start({"*a.exe**A**"});
  RECT place{};
  GetWindowRect(form_->hwnd(), &place);
  EXPECT_EQ(place.left, 5);  // not snapped to the screen's edge
  EXPECT_EQ(place.top, 30);
  EXPECT_EQ(place.right - place.left, 760);
  RECT client{};
  RECT view{};
  GetClientRect(form_->hwnd(), &client);
  GetWindowRect(View(), &view);
  EXPECT_EQ(view.right - view.left, client.right);
  DestroyWindow(form_->hwnd());
  WriteBytes(state, "window=5,30,760,540,maximized\r\n");
  Restart(SW_SHOWDEFAULT);
  EXPECT_TRUE(IsZoomed(form_->hwnd()));
}

}  // namespace
}  // namespace kov
