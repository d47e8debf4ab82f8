// A save killed at any moment leaves the settings file either the whole old menu or the
// whole new one, never a mix, an empty file or no file.
#include <gtest/gtest.h>

#include <random>

#include "gui_support_win.h"
#include "store/entry_table.h"
#include "store/file_system.h"
#include "store/settings_file.h"

namespace kov {
namespace {

using namespace kov::test;

TEST(CrashSafety, AKilledSaveLeavesTheOldOrTheNewMenuWhole) {
  TempFolder folder("crash");
  const std::string settings = folder.Path() + "kovrant.ini";
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> pause(0, 80);
  int sawOld = 0;
  int sawNew = 0;
  for (int kill = 0; kill < 25; ++kill) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"";
    commandLine += TestProgramFolder();
    commandLine += "save_loop.exe\" \"";
    commandLine += settings;
    commandLine += "\"";
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "Local\\KovrantSaveLoopReady");
    ResetEvent(ready);
    ASSERT_TRUE(
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForSingleObject(ready, 10000);
    CloseHandle(ready);
    Sleep(static_cast<DWORD>(pause(random)));
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    EntryTable table;
    LoadEntries(settings, table);
    CompactEntries(table);
    const std::string bytes = ReadBytes(settings);
    ASSERT_EQ(bytes, EntryFileText(table)) << "kill " << kill;
    ASSERT_TRUE(table.Count() == 30000 || table.Count() == 20000) << "kill " << kill << ": " << table.Count();
    const std::string expectedFolder = table.Count() == 30000 ? "Old\\*" : "New\\*";
    for (std::string_view line : table.Lines()) ASSERT_EQ(line.rfind(expectedFolder, 0), 0u) << "kill " << kill;
    (table.Count() == 30000 ? sawOld : sawNew) += 1;
  }
  // The leftover temporary file of a killed save does not stand in the next save's way.
  EntryTable menu;
  ASSERT_TRUE(menu.Append("*after**after**"));
  ASSERT_TRUE(ReplaceFileKeepingAttributes(settings, EntryFileText(menu)));
  EXPECT_EQ(ReadBytes(settings), "*after**after**\r\n");
  EXPECT_FALSE(FileExists(TemporaryFileFor(settings)));
  std::printf("killed 25 saves: %d left the old menu, %d the new one\n", sawOld, sawNew);
}

}  // namespace
}  // namespace kov
