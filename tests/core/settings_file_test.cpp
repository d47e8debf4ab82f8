#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "table_of.h"
#include "store/file_system.h"
#include "store/load_notice.h"
#include "store/replace_steps.h"
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
  ASSERT_TRUE(ReplaceFileKeepingAttributes(path_, EntryFileText(table)));
  EXPECT_EQ(ReadWholeFile(path_).bytes, EntryFileText(table));
  EntryTable loaded;
  LoadEntries(path_, loaded);
  CompactEntries(loaded);
  EXPECT_EQ(LinesOf(loaded), LinesOf(table));
  EXPECT_FALSE(FileExists(TemporaryFileFor(path_)));
  EXPECT_FALSE(FileExists(FinishedTemporaryFileFor(path_)));
}

TEST_F(SettingsFileTest, MissingFileLoadsNothing) {
  EntryTable table;
  EXPECT_EQ(LoadEntries(path_ + ".missing", table).source, MenuSource::NoFile);
  EXPECT_EQ(table.Count(), 0);
}

// A file that cannot be read (a directory in its place, which neither system reads as a
// file, or a file too large to be a menu) is reported with a reason and what kept it from
// being read, never taken for an empty one, and left as it is. Neither is waited for:
// neither changes in a moment.
TEST_F(SettingsFileTest, UnreadableFileIsReportedNotTakenForEmpty) {
  const ReadPatience longPatience{3, 10000};
  const auto start = std::chrono::steady_clock::now();
  fs::create_directory(path_);
  EntryTable table;
  const LoadReport report = LoadEntries(path_, table, longPatience);
  EXPECT_EQ(report.source, MenuSource::Unreadable);
  EXPECT_EQ(report.problem, ReadProblem::IsDirectory);
  EXPECT_FALSE(report.reason.empty());
  EXPECT_EQ(table.Count(), 0);

  fs::remove(path_);
  Write("*a.exe**A**\r\n");
  const auto tooLarge = static_cast<std::uintmax_t>(kLargestFileRead) + 1;
  fs::resize_file(path_, tooLarge);  // sparse: takes no room on the disk
  const LoadReport tooLargeReport = LoadEntries(path_, table, longPatience);
  EXPECT_EQ(tooLargeReport.reason, kFileTooLarge);
  EXPECT_EQ(tooLargeReport.problem, ReadProblem::TooLarge);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_EQ(fs::file_size(path_), tooLarge);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(SettingsFileTest, FileThisUserMayNotReadIsAccessDenied) {
  Write("*a.exe**A**\r\n");
  fs::permissions(path_, fs::perms::none);
  if (std::ifstream(path_).is_open()) GTEST_SKIP() << "this user reads files without read permission";
  EntryTable table;
  const LoadReport report = LoadEntries(path_, table, {1, 0});
  EXPECT_EQ(report.source, MenuSource::Unreadable);
  EXPECT_EQ(report.problem, ReadProblem::AccessDenied);
}

// A finished temporary file is the whole menu of an interrupted save, even an empty one,
// and stays while it is the only copy; beside a whole menu it is clutter and goes.
TEST_F(SettingsFileTest, FinishedTemporaryFileStandsInForAMissingMenu) {
  const std::string finished = FinishedTemporaryFileFor(path_);
  std::ofstream(finished, std::ios::binary) << "*a.exe**A**\r\n*b.exe**B**\r\n";
  std::ofstream(TemporaryFileFor(path_), std::ios::binary) << "*c.exe**C**\r\n*d.e";
  EntryTable table;
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::Recovered);
  EXPECT_EQ(LinesOf(table), (std::vector<Text>{"*a.exe**A**", "*b.exe**B**"}));
  EXPECT_TRUE(FileExists(finished));

  std::ofstream(finished, std::ios::binary).flush();
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::Recovered);
  EXPECT_EQ(table.Count(), 0);

  Write("*c.exe**C**\r\n");
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::File);
  EXPECT_EQ(LinesOf(table), std::vector<Text>{"*c.exe**C**"});
  EXPECT_FALSE(FileExists(finished));
  EXPECT_FALSE(FileExists(TemporaryFileFor(path_)));
}

// A temporary file that was never finished may be cut anywhere, a line end included: it
// is offered for a missing menu as possibly incomplete, and never in place of a file that
// is there but unreadable, which is likelier whole.
TEST_F(SettingsFileTest, UnfinishedTemporaryFileIsOfferedAsPossiblyIncomplete) {
  const std::string temporary = TemporaryFileFor(path_);
  EntryTable table;
  std::ofstream(temporary, std::ios::binary).flush();
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::NoFile);

  std::ofstream(temporary, std::ios::binary) << "*a.exe**A**\r\n";
  EXPECT_EQ(LoadEntries(path_, table).source, MenuSource::RecoveredPartial);
  EXPECT_EQ(LinesOf(table), std::vector<Text>{"*a.exe**A**"});
  EXPECT_TRUE(FileExists(temporary));

  fs::create_directory(path_);
  EXPECT_EQ(LoadEntries(path_, table, {1, 0}).source, MenuSource::Unreadable);
  EXPECT_EQ(table.Count(), 0);
  EXPECT_TRUE(FileExists(temporary));
}

bool IsReadOnly(const std::string& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) == fs::perms::none;
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReplacedAndStaysReadOnly) {
  Write("*old**old**\r\n");
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  ASSERT_TRUE(ReplaceFileKeepingAttributes(path_, EntryFileText(table)));
  EXPECT_EQ(ReadWholeFile(path_).bytes, "*new**new**\r\n");
  EXPECT_TRUE(IsReadOnly(path_));
}

// A directory in the way of either temporary name makes the write fail, as a full or
// write-protected medium would.
TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole) {
  EntryTable table;
  ASSERT_TRUE(table.Append("*new**new**"));
  for (const std::string& blocked : {TemporaryFileFor(path_), FinishedTemporaryFileFor(path_)}) {
    Write("*old**old**\r\n");
    fs::create_directory(blocked);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(ReplaceFileKeepingAttributes(path_, EntryFileText(table))) << blocked;
    EXPECT_EQ(ReadWholeFile(path_).bytes, "*old**old**\r\n") << blocked;
    // The file is left as it was, read-only included, and no temporary file stays.
    EXPECT_TRUE(IsReadOnly(path_)) << blocked;
    EXPECT_EQ(PathKindOf(TemporaryFileFor(path_)),
              blocked == TemporaryFileFor(path_) ? PathKind::Directory : PathKind::Missing);
    fs::remove(blocked);
    fs::permissions(path_, fs::perms::owner_all);
  }
}

TEST_F(SettingsFileTest, PathsAreMissingFilesOrDirectories) {
  Write("x");
  EXPECT_EQ(PathKindOf(path_), PathKind::File);
  EXPECT_EQ(PathKindOf(folder_.string()), PathKind::Directory);
  EXPECT_EQ(PathKindOf(path_ + ".missing"), PathKind::Missing);
  EXPECT_TRUE(FileExists(folder_.string()));
  EXPECT_FALSE(FileExists(path_ + ".missing"));
}

// The locked case keeps the notice's long-standing words; each other problem says its own
// sentence in their place, or none where the reason says it all.
TEST(LoadNotice, EachUnreadableProblemHasItsOwnWords) {
  const Text path = "E:\\kovrant.ini";
  const Text tail =
      "Kovrant shows the built-in menu and leaves the file as it is: it is not written when Kovrant closes unless you "
      "change the menu and agree.";
  const auto notice = [&](ReadProblem problem, const Text& reason) {
    return LoadNoticeText(path, {MenuSource::Unreadable, reason, problem});
  };
  const Text head = "Kovrant could not read the settings file\r\nE:\\kovrant.ini\r\n\r\n";
  EXPECT_EQ(notice(ReadProblem::Locked, "In use."), head + "In use.\r\n\r\nAnother program may hold it open. " + tail);
  EXPECT_EQ(notice(ReadProblem::AccessDenied, "Denied."),
            head + "Denied.\r\n\r\nWindows does not let Kovrant read it. " + tail);
  EXPECT_EQ(notice(ReadProblem::IsDirectory, "Denied."),
            head + "Denied.\r\n\r\nA folder has taken the settings file's name. " + tail);
  EXPECT_EQ(notice(ReadProblem::TooLarge, kFileTooLarge), head + kFileTooLarge + "\r\n\r\n" + tail);
  EXPECT_EQ(notice(ReadProblem::Other, "Broken."), head + "Broken.\r\n\r\n" + tail);
}

// A save lands only over the file Kovrant last read or wrote. Another program's edit of
// the same size, or a file made where there was none, is left as it is and told; the
// stamp a save reports is the one of what it wrote. Nothing of the swap stays behind.
TEST_F(SettingsFileTest, ASaveReplacesOnlyTheFileItKnows) {
  const Text ours = "*Slot 000*1*Slot 000**\r\n";
  const Text edited = "*EDITED!!*1*EDITED!!**\r\n";
  const auto leftovers = [&] {
    return FileExists(SetAsideFileFor(path_)) || FileExists(FinishedTemporaryFileFor(path_)) ||
           FileExists(TemporaryFileFor(path_));
  };
  const auto contents = [&] { return ReadWholeFile(path_).bytes; };

  // No file known and none there: written.
  ReplaceResult saved = SaveEntryTextOver(path_, ours, KnownFile{});
  EXPECT_EQ(saved.outcome, ReplaceOutcome::Replaced);
  EXPECT_EQ(saved.written, FileStampOf(path_));
  EXPECT_EQ(saved.written.size, ours.size());
  const KnownFile known{saved.written, ContentHash(ours), saved.written.writeTime};

  // The known file is there: replaced.
  const Text next = "*Slot 001*1*Slot 001**\r\n";
  EXPECT_EQ(SaveEntryTextOver(path_, next, known).outcome, ReplaceOutcome::Replaced);
  EXPECT_EQ(contents(), next);
  EXPECT_FALSE(leftovers());

  // Another program's edit of the same size: kept, and the save says so.
  Write(edited);
  EXPECT_EQ(SaveEntryTextOver(path_, ours, {FileStampOf(path_), ContentHash(next), 0}).outcome,
            ReplaceOutcome::FileChanged);
  EXPECT_EQ(contents(), edited);
  EXPECT_FALSE(leftovers());

  // A file made where Kovrant knew of none: kept.
  EXPECT_EQ(SaveEntryTextOver(path_, ours, KnownFile{}).outcome, ReplaceOutcome::FileChanged);
  EXPECT_EQ(contents(), edited);
  EXPECT_FALSE(leftovers());
}

// A writer that ignores the hold (a POSIX program under Wine) writes into the old file
// after it was compared and while it is moved aside: once the new file is in place the
// edit is found, put back in the file's place, and the save reports the change.
TEST_F(SettingsFileTest, AnEditWrittenIntoTheFileSetAsideGoesBackInPlace) {
  const Text ours = "*Slot 000*1*Slot 000**\r\n";
  const Text edited = "*EDITED!!*1*EDITED!!**\r\n";
  Write(ours);
  const KnownFile known{FileStampOf(path_), ContentHash(ours), 0};
  FileStamp written;
  ASSERT_TRUE(WriteFinishedTemporaryFile(path_, "*Slot 001*1*Slot 001**\r\n", written));
  ASSERT_EQ(SetAsideIfUnchanged(path_, known), SetAside::Moved);
  std::ofstream(SetAsideFileFor(path_), std::ios::binary | std::ios::trunc) << edited;
  ASSERT_EQ(MoveIntoEmptyPlace(path_, true), ReplaceOutcome::Replaced);

  EXPECT_EQ(SettleSetAsideFile(path_, known), ReplaceOutcome::FileChanged);
  EXPECT_EQ(ReadWholeFile(path_).bytes, edited);
  EXPECT_FALSE(FileExists(SetAsideFileFor(path_)));
}

// A menu taken from an interrupted save names the file it came from; whether that menu
// may be incomplete decides what the user is told.
TEST(LoadNotice, RecoveredMenusNameTheirFileAndHowWholeTheyAre) {
  const Text path = "E:\\kovrant.ini";
  EXPECT_EQ(LoadNoticeText(path, {MenuSource::Recovered, "", ReadProblem::None}),
            "The settings file\r\nE:\\kovrant.ini\r\ncould not be found or read, but an interrupted save left the "
            "whole menu in\r\nE:\\kovrant.ini.saved\r\n\r\nKovrant shows that menu and writes it to the settings "
            "file when it closes.");
  const Text partial = LoadNoticeText(path, {MenuSource::RecoveredPartial, "", ReadProblem::None});
  EXPECT_NE(partial.find("\r\nE:\\kovrant.ini.saving\r\n"), Text::npos);
  EXPECT_NE(partial.find("may be missing"), Text::npos);
  EXPECT_EQ(LoadNoticeText(path, {MenuSource::File, "", ReadProblem::None}), "");
  EXPECT_EQ(LoadNoticeText(path, {MenuSource::NoFile, "", ReadProblem::None}), "");
}

}  // namespace
}  // namespace kov
