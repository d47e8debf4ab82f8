// kovrant.exe as a whole process, started the way a user starts it from a drive.
#include <gtest/gtest.h>

#include "app/library_search_win.h"
#include "gui_support_win.h"
#include "util/text.h"

namespace kov {
namespace {

using namespace kov::test;

struct ProgramFolder {
  TempFolder drive{testing::UnitTest::GetInstance()->current_test_info()->name()};
  std::string exe = drive.Path() + "Kovrant.exe";
  ProgramFolder() { CopyProgram(TestProgramFolder() + "kovrant.exe", exe); }
};

// Starts the program with the given current directory; returns its process handle.
HANDLE StartProgram(const std::string& exe, const std::string& currentDirectory) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory.c_str(),
                      &startup, &process)) {
    return nullptr;
  }
  CloseHandle(process.hThread);
  return process.hProcess;
}

struct FoundWindows {
  DWORD process;
  int count = 0;
  HWND last = nullptr;
};

BOOL CALLBACK CountProgramWindows(HWND window, LPARAM parameter) {
  auto* found = reinterpret_cast<FoundWindows*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, "TForm1") == 0 && IsWindowVisible(window) &&
      (found->process == 0 || process == found->process)) {
    ++found->count;
    found->last = window;
  }
  return TRUE;
}

HWND MainWindowOf(HANDLE process) {
  FoundWindows found{GetProcessId(process)};
  WaitFor(
      [&] {
        found.count = 0;
        EnumWindows(CountProgramWindows, reinterpret_cast<LPARAM>(&found));
        return found.count > 0;
      },
      15000);
  return found.last;
}

void CloseAndWait(HANDLE process, HWND window) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  WaitForSingleObject(process, 15000);
  CloseHandle(process);
}

TEST(Program, KeepsItsMenuBesideItselfAndTakesTheCurrentDirectoryAsWorkFolder) {
  ProgramFolder program;
  TempFolder elsewhere("elsewhere");
  HANDLE process = StartProgram(program.exe, elsewhere.Path());
  ASSERT_NE(process, nullptr);
  HWND window = MainWindowOf(process);
  ASSERT_NE(window, nullptr);
  CloseAndWait(process, window);
  EXPECT_EQ(CountOccurrences(ReadBytes(program.drive.Path() + "kovrant.ini"), "\r\n"), 22);
  // The program is Kovrant.exe; its settings file is named in lower case all the same.
  WIN32_FIND_DATAA found{};
  HANDLE search = FindFirstFileA((program.drive.Path() + "*.ini").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_STREQ(found.cFileName, "kovrant.ini");
  EXPECT_EQ(GetFileAttributesA((elsewhere.Path() + "kovrant.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Program, ASecondCopyOnTheSameMenuHandsOverToTheFirst) {
  ProgramFolder program;
  HANDLE first = StartProgram(program.exe, program.drive.Path());
  ASSERT_NE(first, nullptr);
  HWND window = MainWindowOf(first);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  HANDLE second = StartProgram(program.exe, program.drive.Path());
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(WaitForSingleObject(second, 15000), WAIT_OBJECT_0);
  DWORD exitCode = 1;
  GetExitCodeProcess(second, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  CloseHandle(second);
  EXPECT_TRUE(WaitFor([&] { return !IsIconic(window); }, 5000));
  FoundWindows all{0};
  EnumWindows(CountProgramWindows, reinterpret_cast<LPARAM>(&all));
  EXPECT_EQ(all.count, 1);
  CloseAndWait(first, window);
}

}  // namespace
}  // namespace kov

namespace kov {
namespace {

using namespace kov::test;

TEST(LibrarySearch, APlantedLibraryBesideTheProgramIsNoLongerFoundByName) {
  const std::string name = "kovrant-planted-" + std::to_string(GetCurrentProcessId()) + ".dll";
  const std::string planted = TestProgramFolder() + name;
  ASSERT_TRUE(CopyProgram(TestProgramFolder() + "planted.dll", planted));
  HMODULE before = LoadLibraryA(name.c_str());
  EXPECT_NE(before, nullptr) << "without the restriction the library beside the program is found";
  if (before) FreeLibrary(before);
  RestrictLibrarySearch();
  HMODULE after = LoadLibraryA(name.c_str());
  EXPECT_EQ(after, nullptr);
  if (after) FreeLibrary(after);
  EXPECT_NE(LoadLibraryA("shell32.dll"), nullptr);
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  SetDllDirectoryA(nullptr);
  DeleteFileA(planted.c_str());
  DeleteFileA((planted + ".was-loaded").c_str());
}

}  // namespace
}  // namespace kov
