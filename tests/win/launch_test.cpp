// Entries started for real through the shell: a recorder program stands in for the
// user's programs and writes down its command line and current directory.
#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "form1_session.h"
#include "shell_request_recorder.h"
#include "util/current_dir.h"

namespace kov {
namespace {

using namespace kov::test;

class LaunchTest : public Form1Session {
 protected:
  LaunchTest() {
    record_ = work_.Path() + "record.txt";
    SetEnvironmentVariableA("KOVRANT_RECORD", record_.c_str());
    CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
    CopyProgram(TestProgramFolder() + KOVRANT_RECORDER_EXE, work_.Path() + "Apps\\rec.exe");
  }
  ~LaunchTest() override { SetEnvironmentVariableA("KOVRANT_RECORD", nullptr); }

  void Start(const std::string& settings) {
    WriteBytes(settings_, settings);
    Restart();
  }
  // The recorder's two lines, once it has written them.
  std::string Recorded() {
    WaitFor([this] { return ReadBytes(record_).find("current directory") != std::string::npos; }, 15000);
    return ReadBytes(record_);
  }
  // The working folder in its own letter case, as starts show and use it.
  std::string WorkFolder() const { return Model().dirs.workFolderShown; }

  std::string record_;
};

TEST_F(LaunchTest, RelativeTargetStartsInItsOwnFolderWithTheWorkFolderInItsParameters) {
  Start("*Apps\\rec.exe**Recorder* -f @R\\data\\list.txt *\r\n");
  Open(0);
  EXPECT_EQ(CurrentDirectory() + "\\", WorkFolder());
  EXPECT_NE(WorkFolder(), UpperText(WorkFolder())) << "the test needs a folder named in both cases";
  const std::string recorded = Recorded();
  EXPECT_NE(UpperText(recorded).find("REC.EXE"), std::string::npos) << recorded;
  EXPECT_NE(recorded.find("-f " + WorkFolder() + "data\\list.txt"), std::string::npos) << recorded;
  EXPECT_NE(UpperText(recorded).find("CURRENT DIRECTORY: " + UpperText(WorkFolder()) + "APPS\r\n"), std::string::npos)
      << recorded;
}

TEST_F(LaunchTest, MacroTargetIsExpandedAndEnterStartsLikeADoubleClick) {
  const std::string name = "kovrant-rec-" + std::to_string(GetCurrentProcessId()) + ".exe";
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string tempDir = temp;
  ASSERT_TRUE(CopyProgram(work_.Path() + "Apps\\rec.exe", tempDir + name));
  Start("*%wintemp%\\" + name + "**Temp recorder**\r\n");
  SelectIcon(View(), 0);
  KeyDown(View(), VK_RETURN);
  const std::string recorded = UpperText(Recorded());
  DeleteFileA((tempDir + name).c_str());
  EXPECT_NE(recorded.find(UpperText(name)), std::string::npos) << recorded;
  EXPECT_NE(recorded.find("CURRENT DIRECTORY: " + UpperText(Model().dirs.tempDir) + "\r\n"), std::string::npos)
      << recorded;
  EXPECT_EQ(CurrentDirectory() + "\\", WorkFolder());
}

TEST_F(LaunchTest, DirectoryEntryOpensTheDirectoryItself) {
  Start("*Box*1*Box**\r\nBox\\*Apps*2*Apps**\r\n");
  shell_.SetMode(ShellRequestRecorder::kRecordOnly);
  Open(0);
  Open(0);
  ASSERT_EQ(shell_.requests().size(), 1u);
  EXPECT_EQ(shell_.requests()[0].verb, "open");
  EXPECT_EQ(shell_.requests()[0].file, WorkFolder() + "Apps");
  EXPECT_EQ(shell_.requests()[0].show, SW_SHOWNORMAL);
}

TEST_F(LaunchTest, MissingTargetStartsNothing) {
  Start("*Apps\\gone.exe**Gone**\r\n*Apps\\rec.exe**Recorder**\r\n");
  shell_.SetMode(ShellRequestRecorder::kRecordOnly);
  DialogAnswerer notice("Warning", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); });
  Open(0);
  ASSERT_TRUE(notice.Answered());
  EXPECT_TRUE(shell_.requests().empty());
  Open(1);
  ASSERT_EQ(shell_.requests().size(), 1u);
  EXPECT_EQ(shell_.requests()[0].verb, "");
  EXPECT_EQ(shell_.requests()[0].file, "rec.exe");
  EXPECT_EQ(shell_.requests()[0].directory, WorkFolder() + "Apps\\");
  EXPECT_EQ(shell_.requests()[0].show, SW_SHOW);
}

}  // namespace
}  // namespace kov
