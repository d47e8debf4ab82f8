// A portable drive that comes back under another letter: the launcher's folder beside a
// folder of programs on the same drive, seen first as E: and then as F:.
#include <gtest/gtest.h>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

class DriveLetters : public Form1Session {
 protected:
  // The same folder under the given drive letter.
  std::string OnDrive(char letter) const { return std::string(1, letter) + ":\\" + stick_; }

  const std::string stick_ = "kovrant-stick-" + std::to_string(GetCurrentProcessId()) + "\\";
};

TEST_F(DriveLetters, AProgramBesideTheLauncherFollowsTheDriveToAnyLetter) {
  if (GetFileAttributesA("E:\\") == INVALID_FILE_ATTRIBUTES || GetFileAttributesA("F:\\") == INVALID_FILE_ATTRIBUTES) {
    GTEST_SKIP() << "no folder mapped as E: and F:";
  }
  const std::string record = work_.Path() + "record.txt";
  SetEnvironmentVariableA("KOVRANT_RECORD", record.c_str());
  for (const char* folder : {"", "Kovrant", "PortableApps"}) CreateDirectoryA((OnDrive('E') + folder).c_str(), nullptr);
  ASSERT_TRUE(CopyProgram(TestProgramFolder() + KOVRANT_RECORDER_EXE, OnDrive('E') + "PortableApps\\rec.exe"));
  {
    const CurrentDirectoryScope onE(OnDrive('E') + "Kovrant\\");
    settings_ = OnDrive('E') + "Kovrant\\kovrant.ini";
    Start();
    SendMessageA(form_->hwnd(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(ShellDrop({OnDrive('E') + "PortableApps\\rec.exe"})), 0);
    EXPECT_EQ(Lines().back(), "*..\\PortableApps\\rec.exe**rec.exe**");
    CloseWindow();
  }
  {
    const CurrentDirectoryScope onF(OnDrive('F') + "Kovrant\\");
    settings_ = OnDrive('F') + "Kovrant\\kovrant.ini";
    Restart();
    Open(1);
    ASSERT_TRUE(WaitFor([&] { return ReadBytes(record).find("current directory") != std::string::npos; }, 15000));
    EXPECT_NE(UpperText(ReadBytes(record)).find("CURRENT DIRECTORY: " + UpperText(OnDrive('F')) + "PORTABLEAPPS\r\n"),
              std::string::npos)
        << ReadBytes(record);
    CloseWindow();
  }
  SetEnvironmentVariableA("KOVRANT_RECORD", nullptr);
  for (const char* file : {"PortableApps\\rec.exe", "Kovrant\\kovrant.ini"}) DeleteFileA((OnDrive('E') + file).c_str());
  for (const char* folder : {"PortableApps", "Kovrant", ""}) RemoveDirectoryA((OnDrive('E') + folder).c_str());
}

}  // namespace
}  // namespace kov
