// Saving to a volume with no room left. The volume is a small file system that
// tests/e2e/full_volume.sh mounts and names in KOVRANT_FULL_VOLUME; without it the test
// is skipped.
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
  EXPECT_FALSE(SaveEntries(settings, table));
  EXPECT_EQ(ReadBytes(settings), old);
  EXPECT_FALSE(FileExists(TemporaryFileFor(settings)));
}

}  // namespace
}  // namespace kov
