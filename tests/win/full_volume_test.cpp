// Saving to a volume with no room left and to a write-protected one. The volumes are
// small file systems that tests/e2e/full_volume.sh mounts and names in
// KOVRANT_FULL_VOLUME and KOVRANT_READ_ONLY_VOLUME; without them the tests are skipped.
#include <gtest/gtest.h>

#include "gui_support_win.h"
#include "store/file_system.h"
#include "store/settings_file.h"

namespace kov {
namespace {

using namespace kov::test;

TEST(FullVolume, ASaveThatFindsNoRoomKeepsTheOldFileAndFreesTheSpace) {
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KOVRANT_FULL_VOLUME", folder, MAX_PATH) == 0) GTEST_SKIP() << "no small volume";
  const std::string settings = std::string(folder) + "\\kovrant.ini";
  const std::string old = ReadBytes(settings);
  ASSERT_FALSE(old.empty());
  EntryTable table;
  LoadEntries(settings, table);
  CompactEntries(table);
  for (int i = 0; i < 2000; ++i) ASSERT_TRUE(table.Append("*added" + std::to_string(i) + ".exe**Added**"));
  EXPECT_FALSE(ReplaceFileKeepingAttributes(settings, EntryFileText(table)));
  EXPECT_EQ(ReadBytes(settings), old);
  EXPECT_FALSE(FileExists(TemporaryFileFor(settings)));
}

TEST(ReadOnlyVolume, ASaveToAWriteProtectedDriveKeepsTheOldFile) {
  char folder[MAX_PATH] = {};
  if (GetEnvironmentVariableA("KOVRANT_READ_ONLY_VOLUME", folder, MAX_PATH) == 0) GTEST_SKIP() << "no volume";
  const std::string settings = std::string(folder) + "\\kovrant.ini";
  const std::string old = ReadBytes(settings);
  ASSERT_FALSE(old.empty());
  EntryTable table;
  ASSERT_TRUE(table.Append("*new.exe**New**"));
  EXPECT_FALSE(ReplaceFileKeepingAttributes(settings, EntryFileText(table)));
  EXPECT_EQ(ReadBytes(settings), old);
}

}  // namespace
}  // namespace kov
