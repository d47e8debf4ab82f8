// kovrant.exe as a whole process, started the way a user starts it from a drive.
#include <gtest/gtest.h>

#include "app/library_search_win.h"
#include "app/single_instance_win.h"
#include "gui_support_win.h"
#include "store/settings_file.h"
#include "ui/command_list.h"
#include "util/text.h"

#include <psapi.h>

#include <algorithm>
#include <set>

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

// A folder reached under a second drive letter too, while this lives: a mapping of a
// free letter, as subst makes one, on Windows; under Wine, whose mappings of that kind do
// not reach files, drive Z:, which Wine maps to the Unix root.
class SecondDriveLetter {
 public:
  explicit SecondDriveLetter(const std::string& folder) {
    const std::string target = folder.substr(0, folder.size() - 1);
    const DWORD used = GetLogicalDrives();
    for (char letter = 'Q'; letter <= 'Y' && root_.empty(); ++letter) {
      const std::string device{letter, ':'};
      if (used & (1u << (letter - 'A')) || !DefineDosDeviceA(0, device.c_str(), target.c_str())) continue;
      if (GetFileAttributesA((device + "\\").c_str()) != INVALID_FILE_ATTRIBUTES) {
        device_ = device;
        root_ = device + "\\";
      } else {
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, device.c_str(), nullptr);
      }
    }
    if (root_.empty()) root_ = WineUnixRoot(folder);
  }
  ~SecondDriveLetter() {
    if (!device_.empty()) DefineDosDeviceA(DDD_REMOVE_DEFINITION, device_.c_str(), nullptr);
  }
  SecondDriveLetter(const SecondDriveLetter&) = delete;
  SecondDriveLetter& operator=(const SecondDriveLetter&) = delete;
  // The folder under the other letter, with a trailing backslash; empty when there is none.
  const std::string& Root() const { return root_; }

 private:
  static std::string WineUnixRoot(const std::string& folder) {
    using UnixNameFunction = char*(CDECL*)(const wchar_t*);
    const auto unixName = reinterpret_cast<UnixNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH] = {};
    if (!unixName || !MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide, MAX_PATH)) return {};
    char* name = unixName(wide);
    if (!name) return {};
    std::string root = "Z:" + std::string(name);
    HeapFree(GetProcessHeap(), 0, name);
    for (char& c : root) c = c == '/' ? '\\' : c;
    return root;
  }
  std::string device_;
  std::string root_;
};

TEST(Program, ASecondCopyOnTheSameMenuHandsOverToTheFirstWhateverPathReachesIt) {
  ProgramFolder program;
  const SecondDriveLetter other(program.drive.Path());
  ASSERT_FALSE(other.Root().empty());
  HANDLE first = StartProgram(program.exe, program.drive.Path());
  ASSERT_NE(first, nullptr);
  HWND window = MainWindowOf(first);
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_MINIMIZE);
  // The same program and menu, by another drive letter and in other letter case.
  HANDLE second = StartProgram(other.Root() + "KOVRANT.EXE", other.Root());
  if (!second) CloseAndWait(first, window);
  ASSERT_NE(second, nullptr);
  const DWORD waited = WaitForSingleObject(second, 15000);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  if (waited != WAIT_OBJECT_0) TerminateProcess(second, 1);
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

struct ProcessDialog {
  DWORD process;
  HWND found = nullptr;
};

BOOL CALLBACK MatchProcessDialog(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ProcessDialog*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (process != search->process || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

TEST(Program, SaysSoWhenAnotherCopyHoldsTheMenuButShowsNoWindow) {
  ProgramFolder program;
  const SingleInstance holder(SettingsPathFor(program.exe));  // holds the guard, with no window
  HANDLE second = StartProgram(program.exe, program.drive.Path());
  ASSERT_NE(second, nullptr);
  ProcessDialog dialog{GetProcessId(second)};
  const bool told = WaitFor(
      [&] {
        EnumWindows(MatchProcessDialog, reinterpret_cast<LPARAM>(&dialog));
        return dialog.found != nullptr;
      },
      15000);
  EXPECT_TRUE(told);
  if (told) {
    EXPECT_NE(DialogText(dialog.found).find("already running"), std::string::npos);
    EXPECT_NE(DialogText(dialog.found).find(SettingsPathFor(program.exe)), std::string::npos);
    PressKey(dialog.found, VK_RETURN);
  }
  const DWORD waited = WaitForSingleObject(second, 15000);
  EXPECT_EQ(waited, WAIT_OBJECT_0);
  if (waited != WAIT_OBJECT_0) TerminateProcess(second, 1);
  CloseHandle(second);
  FoundWindows all{0};
  EnumWindows(CountProgramWindows, reinterpret_cast<LPARAM>(&all));
  EXPECT_EQ(all.count, 0);
}

// Windows maps these from its known-DLLs list, wherever a copy of the same name lies: the
// names under HKLM\System\CurrentControlSet\Control\Session Manager\KnownDLLs of Windows
// 10 and 11, ntdll (mapped into every process before anything else) and the libraries
// the listed ones import, which \KnownDlls holds too.
bool IsKnownDll(const std::string& name) {
  static const std::set<std::string> known{
      "advapi32.dll", "clbcatq.dll",  "combase.dll",   "comdlg32.dll",  "coml2.dll",           "gdi32.dll",
      "gdiplus.dll",  "imagehlp.dll", "imm32.dll",     "kernel32.dll",  "msctf.dll",           "msvcrt.dll",
      "ole32.dll",    "oleaut32.dll", "psapi.dll",     "rpcrt4.dll",    "sechost.dll",         "setupapi.dll",
      "shcore.dll",   "shell32.dll",  "shlwapi.dll",   "user32.dll",    "ntdll.dll",           "kernelbase.dll",
      "ucrtbase.dll", "win32u.dll",   "gdi32full.dll", "msvcp_win.dll", "bcryptprimitives.dll"};
  return known.count(name) > 0;
}

// The base names, in lower case, of the libraries loaded in a running process.
std::vector<std::string> LoadedLibraries(HANDLE process) {
  HMODULE modules[512];
  DWORD bytes = 0;
  if (!K32EnumProcessModules(process, modules, sizeof modules, &bytes)) return {};
  std::vector<std::string> names;
  for (DWORD i = 1; i < bytes / sizeof(HMODULE) && i < 512; ++i) {  // the first module is the program
    char name[MAX_PATH] = {};
    if (K32GetModuleBaseNameA(process, modules[i], name, MAX_PATH)) names.push_back(LowerText(name));
  }
  return names;
}

// Wine prefers its own copy of a system library to one it finds on the search path. While
// this lives, Wine takes the one it finds for the given program name, as Windows does for
// every name outside its known-DLLs list. Windows ignores the key.
class PreferFoundLibraries {
 public:
  PreferFoundLibraries(const std::string& program, const std::vector<std::string>& libraries)
      : programKey_("Software\\Wine\\AppDefaults\\" + program) {
    const std::string overrides = programKey_ + "\\DllOverrides";
    for (const std::string& name : libraries) {
      const std::string stem = name.substr(0, name.rfind('.'));
      RegSetKeyValueA(HKEY_CURRENT_USER, overrides.c_str(), stem.c_str(), REG_SZ, "native,builtin", 15);
    }
  }
  ~PreferFoundLibraries() { RegDeleteTreeA(HKEY_CURRENT_USER, programKey_.c_str()); }
  PreferFoundLibraries(const PreferFoundLibraries&) = delete;
  PreferFoundLibraries& operator=(const PreferFoundLibraries&) = delete;

 private:
  std::string programKey_;
};

// The shown top-level window of the process with the class, other than except.
HWND ShownWindowOf(DWORD process, const char* className, HWND except = nullptr) {
  struct Search {
    DWORD process;
    const char* className;
    HWND except;
    HWND found = nullptr;
  } search{process, className, except};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->process || window == s->except || !IsWindowVisible(window) || ClassOf(window) != s->className) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The first child window of the class, at any depth.
HWND ChildOfClass(HWND parent, const char* className) {
  struct Search {
    const char* className;
    HWND found = nullptr;
  } search{className};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        if (ClassOf(window) != s->className) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Runs the command in the program, waits for the window of the class it shows (a dialog
// form, or "#32768" for a popup menu), lets it be drawn and closes it with Esc. False when
// nothing showed.
bool ShowAndClose(HANDLE process, HWND window, Command command, const char* className) {
  const DWORD id = GetProcessId(process);
  PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(CommandWindowId(command)), 0);
  HWND shown = nullptr;
  if (!WaitFor([&] { return (shown = ShownWindowOf(id, className, window)) != nullptr; }, 10000)) return false;
  // Drawn once nothing of it waits to be painted.
  WaitFor([&] { return !GetUpdateRect(shown, nullptr, FALSE); }, 5000);
  // A popup menu's loop reads its keys from the owner's queue. The key is pressed again
  // while the window stays: one pressed before the window took the focus goes elsewhere.
  const HWND keys = lstrcmpA(className, "#32768") == 0 ? window : shown;
  for (int attempt = 0; attempt < 5; ++attempt) {
    PressKey(keys, VK_ESCAPE);
    if (WaitFor([&] { return !IsWindow(shown) || !IsWindowVisible(shown); }, 2000)) return true;
  }
  return false;
}

// A whole session: the New Folder dialog, the Info page, the Shell Folders menu, a notice,
// the context menu, the delete question, the file dialog and a search. Returns the
// libraries loaded by its end.
std::vector<std::string> RunSession(const ProgramFolder& program) {
  HANDLE process = StartProgram(program.exe, program.drive.Path());
  if (!process) {
    ADD_FAILURE() << "the program did not start";
    return {};
  }
  const HWND window = MainWindowOf(process);
  if (!window) {
    ADD_FAILURE() << "the program showed no window";
    TerminateProcess(process, 1);
    CloseHandle(process);
    return {};
  }
  EXPECT_TRUE(ShowAndClose(process, window, Command::NewFolder, "KovrantDialogForm")) << "New Folder";
  EXPECT_TRUE(ShowAndClose(process, window, Command::Info, "KovrantDialogForm")) << "Info";
  EXPECT_TRUE(ShowAndClose(process, window, Command::ShellFolders, "#32768")) << "Shell Folders";
  const HWND view = ChildOfClass(window, WC_LISTVIEWA);
  EXPECT_NE(view, nullptr);
  // Selects the first entry, whose target is missing (Home alone does nothing while the
  // first icon has the focus).
  PostMessageA(view, WM_KEYDOWN, VK_END, 1);
  PostMessageA(view, WM_KEYDOWN, VK_HOME, 1);
  EXPECT_TRUE(ShowAndClose(process, window, Command::Open, "KovrantDialogForm")) << "File not found";
  EXPECT_TRUE(ShowAndClose(process, window, Command::ContextMenu, "#32768")) << "context menu";
  // An Esc pressed again for the menu may reach the view after it closed, where Esc
  // clears the selection: the first entry is selected again.
  PostMessageA(view, WM_KEYDOWN, VK_END, 1);
  PostMessageA(view, WM_KEYDOWN, VK_HOME, 1);
  EXPECT_TRUE(ShowAndClose(process, window, Command::Delete, "KovrantDialogForm")) << "Delete Item ?";
  EXPECT_TRUE(ShowAndClose(process, window, Command::Locate, "#32770")) << "file dialog";
  const HWND searchField = ChildOfClass(window, "Edit");
  EXPECT_NE(searchField, nullptr);
  PostMessageW(searchField, WM_CHAR, L'm', 1);
  EXPECT_TRUE(WaitFor([&] { return SendMessageA(view, LVM_GETITEMCOUNT, 0, 0) == 1; }, 5000)) << "search";
  std::vector<std::string> loaded = LoadedLibraries(process);
  CloseAndWait(process, window);
  return loaded;
}

// A user's drive may hold a library named like one the program loads. Windows takes such a
// library from beside the program unless it maps the name from its known-DLLs list, so
// none but those may come from anywhere but the system folder, at start-up or later, when
// a system library loads another one for a dialog, a menu or the Info page.
TEST(Program, LoadsNoLibraryPlantedBesideIt) {
  ProgramFolder program;
  WriteBytes(program.drive.Path() + "kovrant.ini", "*missing.exe*0*Missing**\r\n*Tools*1*Tools**\r\n");
  const std::vector<std::string> loaded = RunSession(program);
  ASSERT_NE(std::find(loaded.begin(), loaded.end(), "user32.dll"), loaded.end());

  std::vector<std::string> planted;
  for (const std::string& name : loaded) {
    if (IsKnownDll(name) || name.find('.') == std::string::npos) continue;
    ASSERT_TRUE(CopyProgram(TestProgramFolder() + "planted.dll", program.drive.Path() + name));
    planted.push_back(name);
  }
  ASSERT_FALSE(planted.empty());
  const PreferFoundLibraries prefer("Kovrant.exe", planted);
  RunSession(program);
  for (const std::string& name : planted) {
    EXPECT_EQ(GetFileAttributesA((program.drive.Path() + name + ".was-loaded").c_str()), INVALID_FILE_ATTRIBUTES)
        << name;
  }
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
