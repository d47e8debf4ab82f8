#include <gtest/gtest.h>

#include "util/input_history.h"

namespace kov {
namespace {

using Items = std::vector<Text>;

TEST(InputHistory, RemembersEachExactTextOnceInOrderOfFirstAcceptance) {
  InputHistory history;
  EXPECT_TRUE(history.Remember("Games"));
  EXPECT_TRUE(history.Remember("-silent @R\\setup.ini"));
  EXPECT_FALSE(history.Remember("Games"));
  EXPECT_TRUE(history.Remember("games"));   // letter case makes a new item
  EXPECT_TRUE(history.Remember("Games "));  // so does a trailing space
  EXPECT_EQ(history.Items(), (Items{"Games", "-silent @R\\setup.ini", "games", "Games "}));
}

TEST(InputHistory, AnEmptyTextIsRememberedOnce) {
  InputHistory history;
  EXPECT_TRUE(history.Remember(""));
  EXPECT_FALSE(history.Remember(""));
  EXPECT_EQ(history.Items(), (Items{""}));
}

TEST(InputHistory, WhenFullTheOldestMakesRoomForTheNewest) {
  InputHistory history;
  for (std::size_t i = 1; i <= InputHistory::kCapacity; ++i) ASSERT_TRUE(history.Remember(IntText(i)));
  ASSERT_EQ(history.Items().size(), InputHistory::kCapacity);

  EXPECT_FALSE(history.Remember("5000"));  // already listed: nothing moves
  EXPECT_EQ(history.Items().front(), "1");

  EXPECT_TRUE(history.Remember("new"));
  EXPECT_EQ(history.Items().size(), InputHistory::kCapacity);
  EXPECT_EQ(history.Items().front(), "2");
  EXPECT_EQ(history.Items().back(), "new");
  EXPECT_TRUE(history.Remember("1"));  // the dropped text can come back as the newest
  EXPECT_EQ(history.Items().front(), "3");
  EXPECT_EQ(history.Items().back(), "1");
}

TEST(InputHistory, TheSharedHistoryIsOneObject) { EXPECT_EQ(&SharedInputHistory(), &SharedInputHistory()); }

}  // namespace
}  // namespace kov
