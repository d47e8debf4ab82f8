#include <gtest/gtest.h>

#include <string>

#include "store/known_file.h"

namespace kov {
namespace {

constexpr FileTime kSecond = kFileTimeTicksPerSecond;
// Some moment in 2026, in the file system's clock.
constexpr FileTime kWrite = 134'000'000'000'000'000ULL;

KnownFile WrittenAt(FileTime write, FileTime verifiedAt) { return {{true, 120, write}, 7, verifiedAt}; }

// Size and time prove a file unchanged only once its contents were verified at a moment
// more than a write-time step after its write time: an edit before that could carry the
// same stamp on a FAT or exFAT drive.
TEST(KnownFile, ContentsAreComparedOnlyWhileAnEditCouldKeepTheStamp) {
  // Just written: for two seconds an edit could be stamped alike.
  EXPECT_TRUE(MustCompareContents(WrittenAt(kWrite, kWrite), kWrite + kSecond / 2));
  EXPECT_TRUE(MustCompareContents(WrittenAt(kWrite, kWrite + kSecond), kWrite + 3 * kSecond));
  // Verified after the step: stamps are trusted again.
  EXPECT_FALSE(MustCompareContents(WrittenAt(kWrite, kWrite + 2 * kSecond), kWrite + 60 * kSecond));
  // Read long after its last write: never.
  EXPECT_FALSE(MustCompareContents(WrittenAt(kWrite, kWrite + 10 * kSecond), kWrite + 10 * kSecond + 1));
  // Stamped by a clock an hour ahead: not now, but once the clock comes near it.
  const FileTime ahead = kWrite + 3600 * kSecond;
  EXPECT_FALSE(MustCompareContents(WrittenAt(ahead, kWrite), kWrite + kSecond));
  EXPECT_TRUE(MustCompareContents(WrittenAt(ahead, kWrite), ahead - kSecond));
  // No file: nothing to compare.
  EXPECT_FALSE(MustCompareContents(KnownFile{}, kWrite));
}

// An edit that keeps the size, at any place, tells apart; the same bytes never do.
TEST(KnownFile, AnyEditOfTheSameSizeChangesTheHash) {
  const std::string menu = "*Slot 000*1*Slot 000**\r\n*a.exe**A**\r\n";
  EXPECT_EQ(ContentHash(menu), ContentHash(std::string(menu)));
  for (std::size_t at = 0; at < menu.size(); ++at) {
    std::string edited = menu;
    edited[at] ^= 0x20;
    EXPECT_NE(ContentHash(edited), ContentHash(menu)) << at;
  }
  EXPECT_NE(ContentHash(""), ContentHash(std::string(1, '\0')));
}

}  // namespace
}  // namespace kov
