#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/file_system.h"
#include "store/settings_file.h"

namespace kov {
namespace {

namespace fs = std::filesystem;

TEST(SettingsPath, OnlyTheFinalExeBecomesIni) {
  EXPECT_EQ(SettingsPathFor("E:\\Tools\\Kovrant.exe"), "e:\\tools\\kovrant.ini");
  EXPECT_EQ(SettingsPathFor("E:\\Tools.EXE.d\\KOVRANT.EXE"), "e:\\tools.exe.d\\kovrant.ini");
  EXPECT_EQ(SettingsPathFor("E:\\a.exe.exe"), "e:\\a.exe.ini");
  EXPECT_EQ(SettingsPathFor("E:\\Kovrant"), "e:\\kovrant.ini");
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("kovrant-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "kovrant.ini").string();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
    fs::remove_all(folder_, ignored);
  }
  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }

  fs::path folder_;
  std::string path_;
};

TEST_F(SettingsFileTest, SaveThenLoadGivesTheSameTable) {
  EntryTable table;
  SeedDefaults(table);
  ASSERT_TRUE(SaveEntries(path_, table));
  EXPECT_EQ(ReadWholeFile(path_), EntryFileText(table));
  EntryTable loaded;
  LoadEntries(path_, loaded);
  CompactEntries(loaded);
  EXPECT_EQ(loaded.Lines(), table.Lines());
  EXPECT_FALSE(FileExists(TemporaryFileFor(path_)));
}

TEST_F(SettingsFileTest, MissingFileLoadsNothing) {
  EntryTable table;
  LoadEntries(path_ + ".missing", table);
  EXPECT_EQ(table.Count(), 0);
}

TEST_F(SettingsFileTest, ReadOnlyFileIsMadeWritableAndReplaced) {
  Write("*old**old**\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  ASSERT_TRUE(SaveEntries(path_, table));
  EXPECT_EQ(ReadWholeFile(path_), "*new**new**\r\n");
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole) {
  Write("*old**old**\r\n");
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  // A directory in the way of the temporary file makes the write fail, as a full or
  // write-protected medium would.
  fs::create_directory(TemporaryFileFor(path_));
  EXPECT_FALSE(SaveEntries(path_, table));
  EXPECT_EQ(ReadWholeFile(path_), "*old**old**\r\n");
}

TEST_F(SettingsFileTest, PathsAreMissingFilesOrDirectories) {
  Write("x");
  EXPECT_EQ(PathKindOf(path_), PathKind::File);
  EXPECT_EQ(PathKindOf(folder_.string()), PathKind::Directory);
  EXPECT_EQ(PathKindOf(path_ + ".missing"), PathKind::Missing);
  EXPECT_TRUE(FileExists(folder_.string()));
  EXPECT_FALSE(FileExists(path_ + ".missing"));
}

}  // namespace
}  // namespace kov
