#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "table_of.h"
#include "store/file_system.h"
#include "store/settings_file.h"

namespace kov {
using test::LinesOf;

namespace {

namespace fs = std::filesystem;

TEST(SettingsPath, OnlyTheFinalExeBecomesIni) {
  EXPECT_EQ(SettingsPathFor("E:\\Tools\\Kovrant.exe"), "e:\\tools\\kovrant.ini");
  EXPECT_EQ(SettingsPathFor("E:\\Tools.EXE.d\\KOVRANT.EXE"), "e:\\tools.exe.d\\kovrant.ini");
  EXPECT_EQ(SettingsPathFor("E:\\a.exe.exe"), "e:\\a.exe.ini");
  EXPECT_EQ(SettingsPathFor("E:\\Kovrant"), "e:\\kovrant.ini");
}

// UTF-8 is taken as it stands (a byte-order mark never reaches the first entry), plain
// ASCII byte for byte, and an older menu in the legacy code page is converted whole.
TEST(SettingsText, IsUtf8OrAnOlderMenuInTheLegacyCodePage) {
  const Text ascii = "*a.exe**A**\r\n";
  EXPECT_EQ(SettingsTextAsUtf8(ascii), ascii);
  const Text cyrillic = "*\u0436\u0443\u043a.txt**\u0416\u0443\u043a**\r\n";
  EXPECT_EQ(SettingsTextAsUtf8(cyrillic), cyrillic);
  EXPECT_EQ(SettingsTextAsUtf8("\xEF\xBB\xBF" + cyrillic), cyrillic);
  EXPECT_EQ(SettingsTextAsUtf8("*caf\xE9.txt**Caf\xE9 \x80**\r\n"), "*caf\u00e9.txt**Caf\u00e9 \u20ac**\r\n");
  EXPECT_EQ(SettingsTextAsUtf8("\xEF\xBB\xBF" + cyrillic + "*caf\xE9**x**\n"), cyrillic + "*caf\u00e9**x**\n");
}

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kovrant-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
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
  EXPECT_EQ(ReadWholeFile(path_).bytes, EntryFileText(table));
  EntryTable loaded;
  LoadEntries(path_, loaded);
  CompactEntries(loaded);
  EXPECT_EQ(LinesOf(loaded), LinesOf(table));
  EXPECT_FALSE(FileExists(TemporaryFileFor(path_)));
}

TEST_F(SettingsFileTest, MissingFileLoadsNothing) {
  EntryTable table;
  EXPECT_EQ(LoadEntries(path_ + ".missing", table).source, MenuSource::NoFile);
  EXPECT_EQ(table.Count(), 0);
}

// A file that cannot be read (a directory in its place, which neither system reads as a
// file, or a file too large to be a menu) is reported with a reason, never taken for an
// empty one, and left as it is.
TEST_F(SettingsFileTest, UnreadableFileIsReportedNotTakenForEmpty) {
  fs::create_directory(path_);
  EntryTable table;
  const LoadReport report = LoadEntries(path_, table, {1, 0});
  EXPECT_EQ(report.source, MenuSource::Unreadable);
  EXPECT_FALSE(report.reason.empty());
  EXPECT_EQ(table.Count(), 0);

  fs::remove(path_);
  Write("*a.exe**A**\r\n");
  const auto tooLarge = static_cast<std::uintmax_t>(kLargestFileRead) + 1;
  fs::resize_file(path_, tooLarge);  // sparse: takes no room on the disk
  EXPECT_EQ(LoadEntries(path_, table, {1, 0}).reason, kFileTooLarge);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(fs::file_size(path_), tooLarge);
}

// Only a complete temporary file stands in for a missing menu, and it is never removed
// while it is the only copy; beside a whole menu it is clutter and goes.
TEST_F(SettingsFileTest, InterruptedSaveIsRecoveredOnlyFromACompleteTemporaryFile) {
  const std::string temporary = TemporaryFileFor(path_);
  std::ofstream(temporary, std::ios::binary) << "*a.exe**A**\r\n*b.exe**B";
  EntryTable table;
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::NoFile);
  EXPECT_TRUE(FileExists(temporary));

  std::ofstream(temporary, std::ios::binary) << "*a.exe**A**\r\n*b.exe**B**\r\n";
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::Recovered);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*a.exe**A**", "*b.exe**B**"}));
  EXPECT_TRUE(FileExists(temporary));

  Write("*c.exe**C**\r\n");
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::File);
  EXPECT_EQ(LinesOf(table), std::vector<Text>{"*c.exe**C**"});
  EXPECT_FALSE(FileExists(temporary));
}

bool IsReadOnly(const std::string& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReplacedAndStaysReadOnly) {
  Write("*old**old**\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  ASSERT_TRUE(SaveEntries(path_, table));
  EXPECT_EQ(ReadWholeFile(path_).bytes, "*new**new**\r\n");
  EXPECT_TRUE(IsReadOnly(path_));
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole) {
  Write("*old**old**\r\n");
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  // A directory in the way of the temporary file makes the write fail, as a full or
  // write-protected medium would.
  fs::create_directory(TemporaryFileFor(path_));
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(SaveEntries(path_, table));
  EXPECT_EQ(ReadWholeFile(path_).bytes, "*old**old**\r\n");
  // The file is left as it was, read-only included.
  EXPECT_TRUE(IsReadOnly(path_));
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
