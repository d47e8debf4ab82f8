#include "ui/icon_sizes.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(IconSizes, StepThroughTheSizesAndStopAtEitherEnd) {
  int size = kDefaultIconSize;
  std::vector<int> up = {size};
  for (int step = 0; step < 6; ++step) up.push_back(size = LargerIconSize(size));
  EXPECT_EQ(up, (std::vector<int>{32, 48, 64, 96, 128, 256, 256}));
  std::vector<int> down = {size};
  for (int step = 0; step < 6; ++step) down.push_back(size = SmallerIconSize(size));
  EXPECT_EQ(down, (std::vector<int>{256, 128, 96, 64, 48, 32, 32}));
  // A size kept by hand between two steps goes on to the steps beside it.
  EXPECT_EQ(LargerIconSize(100), 128);
  EXPECT_EQ(SmallerIconSize(100), 96);
  EXPECT_EQ(IconSizeStep(100), 96);
  EXPECT_EQ(IconSizeStep(200), 256);
  EXPECT_EQ(IconSizeStep(33), 32);
}

TEST(IconSizes, RoomGrowsWithTheIconAndTheSmallestHasTheSystemsOwn) {
  EXPECT_EQ(SpacingFor(32).across, 75);
  EXPECT_EQ(SpacingFor(32).down, 75);
  int across = 0;
  for (int size : kIconSizes) {
    const IconSpacing spacing = SpacingFor(size);
    EXPECT_GT(spacing.across, across) << size;
    EXPECT_GT(spacing.across, size) << size;
    EXPECT_GT(spacing.down, size + 26) << "two caption lines below " << size;
    across = spacing.across;
  }
}

}  // namespace
}  // namespace kov
