#include <gtest/gtest.h>

#include <windows.h>

#include "gui_support_win.h"
#include "shell/godmode_win.h"
#include "shell_request_recorder.h"
#include "util/handles_win.h"

namespace kov {
namespace {

// Runs each test in a fresh empty folder as the current directory, and removes it after.
class GodMode : public testing::Test {
 protected:
  // Names in the test folder, without "." and "..".
  std::vector<Text> FolderContents() const {
    std::vector<Text> names;
    WIN32_FIND_DATAA found{};
    const FindHandle search(FindFirstFileA((folder_ + "\\*").c_str(), &found));
    if (!search) return names;
    do {
      const Text name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    return names;
  }

  static bool IsDirectory(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  static void ExpectOpenedByName(const ShellRequest& request) {
    EXPECT_EQ(request.owner, GetDesktopWindow());
    EXPECT_EQ(request.verb, "open");
    EXPECT_EQ(request.file, kGodModeFolderName);
    EXPECT_EQ(request.parameters, "");
    EXPECT_EQ(request.show, SW_SHOWNORMAL);
  }

  test::TempFolder work_{testing::UnitTest::GetInstance()->current_test_info()->name()};
  test::CurrentDirectoryScope inWork_{work_.Path()};
  // The folder without its trailing backslash.
  const Text folder_ = work_.Path().substr(0, work_.Path().size() - 1);
};

TEST_F(GodMode, FirstClickCreatesTheFolderAndLaterClicksOnlyOpenIt) {
  test::ShellRequestRecorder recorder;
  OpenGodModeFolder(recorder.Runner());
  EXPECT_TRUE(IsDirectory(kGodModeFolderName));
  EXPECT_EQ(FolderContents(), std::vector<Text>{kGodModeFolderName});

  OpenGodModeFolder(recorder.Runner());
  EXPECT_TRUE(IsDirectory(kGodModeFolderName));
  EXPECT_EQ(FolderContents(), std::vector<Text>{kGodModeFolderName});

  ASSERT_EQ(recorder.requests().size(), 2u);
  ExpectOpenedByName(recorder.requests()[0]);
  ExpectOpenedByName(recorder.requests()[1]);
}

TEST_F(GodMode, APlainFileOfThatNameIsKeptAndOpened) {
  {
    const FileHandle file(CreateFileA(kGodModeFolderName, GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file);
  }
  test::ShellRequestRecorder recorder;
  OpenGodModeFolder(recorder.Runner());
  EXPECT_FALSE(IsDirectory(kGodModeFolderName));
  EXPECT_NE(GetFileAttributesA(kGodModeFolderName), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FolderContents(), std::vector<Text>{kGodModeFolderName});
  ASSERT_EQ(recorder.requests().size(), 1u);
  ExpectOpenedByName(recorder.requests()[0]);
}

TEST_F(GodMode, OnlyAnExistingNonDirectoryCountsAsAFile) {
  ASSERT_TRUE(CreateFolderAt("sub"));
  EXPECT_FALSE(CreateFolderAt("sub"));
  {
    const FileHandle file(CreateFileA("file.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file);
  }
  EXPECT_TRUE(IsExistingFile("file.txt"));
  EXPECT_TRUE(IsExistingFile(folder_ + "\\\\file.txt"));
  EXPECT_FALSE(IsExistingFile("sub"));
  EXPECT_FALSE(IsExistingFile(folder_));
  EXPECT_FALSE(IsExistingFile("missing.txt"));
  EXPECT_FALSE(IsExistingFile(""));
  EXPECT_FALSE(IsExistingFile("*.txt"));
  EXPECT_FALSE(IsExistingFile("fil?.txt"));
}

TEST_F(GodMode, FoldersWithAccentedNamesAreCreatedFromLegacyAndUtf8Alike) {
  ASSERT_TRUE(CreateFolderAt("sub"));
  ASSERT_TRUE(CreateFolderAt("sub\\D\xE9j\xE0"));           // the legacy code page
  EXPECT_FALSE(CreateFolderAt("sub\\D\xC3\xA9j\xC3\xA0"));  // the same name in UTF-8
  const Text path = folder_ + "\\sub\\D\xC3\xA9j\xC3\xA0";
  EXPECT_TRUE(IsDirectory(path));
  EXPECT_TRUE(RemoveDirectoryA(path.c_str()));
}

}  // namespace
}  // namespace kov
