#include "store/backups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "store/file_system.h"

namespace kov {
namespace {

namespace fs = std::filesystem;

constexpr LocalTime kMorning{2026, 12, 8, 11, 47, 3};

TEST(BackupNames, AreTheSettingsFileNamedByTheTimeOfTheSave) {
  EXPECT_EQ(BackupFolderFor("E:\\Kovrant\\kovrant.ini"), "E:\\Kovrant\\kovrant.backups");
  EXPECT_EQ(BackupFileName("E:\\Kovrant\\kovrant.ini", kMorning), "kovrant 2026-12-08 11-47-03.ini");
  EXPECT_EQ(BackupFileName("E:\\Kovrant\\kovrant.ini", kMorning, 2), "kovrant 2026-12-08 11-47-03 (2).ini");
  // A renamed program has settings and backups of its own name.
  EXPECT_EQ(BackupFolderFor("E:\\Tools\\tools.ini"), "E:\\Tools\\tools.backups");
  EXPECT_EQ(BackupFileName("E:\\Tools\\tools.ini", {2027, 1, 2, 3, 4, 5}), "tools 2027-01-02 03-04-05.ini");
}

// Order is by time, then by copy within a second ((10) after (9)); names that only look
// alike, or belong to another settings file, are never removed.
TEST(BackupNames, RotationRemovesOnlyTheOldestOfThisFilesBackups) {
  const Text settings = "E:\\kovrant.ini";
  std::vector<Text> names = {"notes.txt",
                             "kovrant 2026-12-08 11-47-03.ini.saving",
                             "tools 2020-01-01 00-00-00.ini",
                             "kovrant 2020-01-01 00-00-00 (1).ini",
                             "kovrant 2020-01-01 00-00-00 (02).ini",
                             "kovrant 2020-1-01 00-00-00.ini",
                             "kovrant 2020-01-01 00-00-00.txt",
                             "kovrant2020-01-01 00-00-00.ini"};
  const std::vector<Text> foreign = names;
  for (int copy = 1; copy <= 10; ++copy) names.push_back(BackupFileName(settings, kMorning, copy));
  names.push_back(BackupFileName(settings, {2026, 12, 8, 11, 47, 4}));
  names.push_back(BackupFileName(settings, {2025, 12, 31, 23, 59, 59}));
  std::reverse(names.begin(), names.end());

  EXPECT_EQ(BackupsToRemove(names, settings, kMorning),
            (std::vector<Text>{"kovrant 2025-12-31 23-59-59.ini", "kovrant 2026-12-08 11-47-03.ini"}));
  EXPECT_EQ(NewestBackupName(names, settings, kMorning), "kovrant 2026-12-08 11-47-04.ini");
  EXPECT_EQ(BackupsToRemove(foreign, settings, kMorning), std::vector<Text>{});
  EXPECT_EQ(NewestBackupName(foreign, settings, kMorning), "");
}

// Keeping none lists every name that counts, least worth keeping first.
TEST(BackupNames, OnlyRealDatesAndTimesCount) {
  const Text settings = "E:\\kovrant.ini";
  const std::vector<Text> impossible = {
      "kovrant 9999-99-99 99-99-90.ini", "kovrant 0000-01-01 00-00-00.ini", "kovrant 2026-13-01 00-00-00.ini",
      "kovrant 2026-00-01 00-00-00.ini", "kovrant 2026-04-31 00-00-00.ini", "kovrant 2026-01-00 00-00-00.ini",
      "kovrant 2026-02-29 00-00-00.ini", "kovrant 1900-02-29 00-00-00.ini", "kovrant 2026-01-01 24-00-00.ini",
      "kovrant 2026-01-01 00-60-00.ini", "kovrant 2026-01-01 00-00-60.ini"};
  std::vector<Text> names = impossible;
  names.push_back("kovrant 2024-02-29 23-59-59.ini");
  names.push_back("kovrant 2000-02-29 00-00-00.ini");
  names.push_back("kovrant 2026-04-30 00-00-00.ini");
  EXPECT_EQ(BackupsToRemove(names, settings, kMorning, "", 0),
            (std::vector<Text>{"kovrant 2000-02-29 00-00-00.ini", "kovrant 2024-02-29 23-59-59.ini",
                               "kovrant 2026-04-30 00-00-00.ini"}));
  EXPECT_EQ(NewestBackupName(impossible, settings, kMorning), "");
}

// A backup made under a clock set years ahead never pushes out one made at the right
// time, nor is it offered while another is there; a day's difference is still trusted.
TEST(BackupNames, BackupsDatedAfterTomorrowGoFirstAndTheOneJustMadeStays) {
  const Text settings = "E:\\kovrant.ini";
  const Text justMade = BackupFileName(settings, kMorning);
  std::vector<Text> names = {"kovrant 2026-01-01 00-00-00.ini", justMade};
  for (int second = 0; second < 10; ++second) names.push_back(BackupFileName(settings, {2031, 5, 5, 8, 0, second}));
  EXPECT_EQ(BackupsToRemove(names, settings, kMorning, justMade),
            (std::vector<Text>{"kovrant 2031-05-05 08-00-00.ini", "kovrant 2031-05-05 08-00-01.ini"}));
  EXPECT_EQ(NewestBackupName(names, settings, kMorning), justMade);
  EXPECT_EQ(NewestBackupName({names.begin() + 2, names.end()}, settings, kMorning), "kovrant 2031-05-05 08-00-09.ini");

  // Ten made by a clock less than a day ahead are newer than the one just made, yet it stays.
  names = {justMade};
  for (int second = 0; second < 10; ++second) names.push_back(BackupFileName(settings, {2026, 12, 9, 11, 0, second}));
  EXPECT_EQ(BackupsToRemove(names, settings, kMorning, justMade), std::vector<Text>{"kovrant 2026-12-09 11-00-00.ini"});
  EXPECT_EQ(NewestBackupName(names, settings, kMorning), "kovrant 2026-12-09 11-00-09.ini");
}

TEST(BackupNames, TheOfferOfTheNewestBackupNamesItsDateAndTime) {
  EXPECT_EQ(NewestBackupQuestion("E:\\kovrant.ini", "E:\\kovrant.backups\\kovrant 2026-12-08 11-47-03 (2).ini"),
            "Load the newest backup of the menu, made 2026-12-08 at 11:47:03, instead?\r\n"
            "E:\\kovrant.backups\\kovrant 2026-12-08 11-47-03 (2).ini");
}

TEST(LocalTimeNow, IsACalendarDate) {
  const LocalTime now = CurrentLocalTime();
  EXPECT_GE(now.year, 2024);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12) << now.month;
  EXPECT_TRUE(now.day >= 1 && now.day <= 31) << now.day;
  EXPECT_TRUE(now.hour >= 0 && now.hour <= 23) << now.hour;
}

class BackupsTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kovrant-backups-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    settings_ = (folder_ / "kovrant.ini").string();
    std::ofstream(settings_, std::ios::binary) << kMenu;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  std::string InBackups(const Text& name) const { return (fs::path(BackupFolderFor(settings_)) / name).string(); }
  std::vector<Text> Backups() const {
    std::vector<Text> names = FileNamesIn(BackupFolderFor(settings_));
    std::sort(names.begin(), names.end());
    return names;
  }

  static constexpr const char* kMenu = "*a.exe**A**\r\n";
  fs::path folder_;
  std::string settings_;
};

TEST_F(BackupsTest, BackupsKeepTheTenNewestAndLeaveOtherFilesAlone) {
  ASSERT_TRUE(CreateFolder(BackupFolderFor(settings_)));
  std::ofstream(InBackups("notes.txt")) << "mine";
  for (int second = 0; second < 12; ++second) {
    ASSERT_TRUE(KeepBackup(settings_, "*menu" + std::to_string(second) + "**\r\n", {2026, 12, 8, 11, 47, second}));
  }
  const std::vector<Text> backups = Backups();
  ASSERT_EQ(backups.size(), kBackupsKept + 1);
  EXPECT_EQ(backups.front(), "kovrant 2026-12-08 11-47-02.ini");
  EXPECT_EQ(backups.back(), "notes.txt");
  EXPECT_EQ(NewestBackup(settings_, kMorning), InBackups("kovrant 2026-12-08 11-47-11.ini"));
  EXPECT_EQ(ReadWholeFile(NewestBackup(settings_, kMorning)).bytes, "*menu11**\r\n");
}

TEST_F(BackupsTest, TwoBackupsInOneSecondAreBothKept) {
  ASSERT_TRUE(KeepBackup(settings_, kMenu, kMorning));
  ASSERT_TRUE(KeepBackup(settings_, "*b.exe**B**\r\n", kMorning));
  EXPECT_EQ(Backups(), (std::vector<Text>{"kovrant 2026-12-08 11-47-03 (2).ini", "kovrant 2026-12-08 11-47-03.ini"}));
  EXPECT_EQ(ReadWholeFile(NewestBackup(settings_, kMorning)).bytes, "*b.exe**B**\r\n");
  EXPECT_EQ(ReadWholeFile(InBackups(Backups().back())).bytes, kMenu);
}

TEST_F(BackupsTest, BackupThatCannotBeWrittenLeavesTheSettingsFileAlone) {
  std::ofstream(BackupFolderFor(settings_)) << "a file where the folder belongs";
  EXPECT_FALSE(KeepBackup(settings_, "*b.exe**B**\r\n", kMorning));
  EXPECT_EQ(ReadWholeFile(settings_).bytes, kMenu);
  EXPECT_EQ(NewestBackup(settings_, kMorning), "");
}

// Another program's edit that a save left set aside goes to the backups and leaves its
// place; a file set aside that is the settings file itself adds no backup.
TEST_F(BackupsTest, AnEditLeftSetAsideIsKeptAmongTheBackups) {
  const Text edit = "*b.exe**Edited elsewhere**\r\n";
  std::ofstream(SetAsideFileFor(settings_), std::ios::binary) << edit;
  KeepSetAsideEdit(settings_, kMorning);
  ASSERT_EQ(Backups(), std::vector<Text>{"kovrant 2026-12-08 11-47-03.ini"});
  EXPECT_EQ(ReadWholeFile(InBackups(Backups().front())).bytes, edit);
  EXPECT_FALSE(FileExists(SetAsideFileFor(settings_)));
  EXPECT_EQ(ReadWholeFile(settings_).bytes, kMenu);

  std::ofstream(SetAsideFileFor(settings_), std::ios::binary) << kMenu;
  KeepSetAsideEdit(settings_, {2026, 12, 8, 11, 48, 0});
  EXPECT_EQ(Backups().size(), 1u);
}

}  // namespace
}  // namespace kov
