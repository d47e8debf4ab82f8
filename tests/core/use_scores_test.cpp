// How much each entry is used, and how the scores follow the entries.
#include <gtest/gtest.h>

#include <cmath>

#include "store/use_scores.h"
#include "table_of.h"

namespace kov {
namespace {

using test::TableOf;

constexpr std::int64_t kDay = 24 * 60 * 60;
constexpr std::int64_t kNow = 1796725800;  // 2026-12-08 10:30 UTC

TEST(UseScores, EachStartCountsOneAndHalvesEveryThirtyDays) {
  UseScores scores;
  scores.CountStart("TOOLS\\NOTEPAD", kNow - 30 * kDay);
  scores.CountStart("PAINT", kNow - 60 * kDay);
  scores.CountStart("CALC", kNow - 2 * kDay);
  scores.CountStart("CALC", kNow - kDay);
  EXPECT_DOUBLE_EQ(scores.ScoreOf("TOOLS\\NOTEPAD", kNow), 0.5);
  EXPECT_DOUBLE_EQ(scores.ScoreOf("PAINT", kNow), 0.25);
  EXPECT_DOUBLE_EQ(scores.ScoreOf("CALC", kNow), std::exp2(-2.0 / 30) + std::exp2(-1.0 / 30));
  EXPECT_DOUBLE_EQ(scores.ScoreOf("CALC", kNow - kDay), 1.0 + std::exp2(-1.0 / 30));
  // A clock set back finds the score as it stood, not grown.
  EXPECT_DOUBLE_EQ(scores.ScoreOf("PAINT", kNow - 90 * kDay), 1.0);
  EXPECT_EQ(scores.ScoreOf("UNUSED", kNow), 0.0);
}

TEST(UseScores, FollowTheirEntriesThroughRenamesMovesAndDeletes) {
  UseScores scores;
  for (const Text key : {"TOOLS", "TOOLSET\\A", "PAINT", "CALC"}) {
    scores.CountStart(key, kNow);
  }
  scores.CountStart("CALCULATOR", kNow - 30 * kDay);
  scores.MoveKey("CALC", "CALCULATOR");
  EXPECT_DOUBLE_EQ(scores.ScoreOf("CALCULATOR", kNow), 1.5);
  EXPECT_EQ(scores.ScoreOf("CALC", kNow), 0.0);

  scores.MoveKey("TOOLS", "UTILS");
  EXPECT_EQ(scores.ScoreOf("UTILS", kNow), 1.0);
  scores.MoveKey("MISSING", "TOOLSET\\A");  // a key with no score moves nothing
  EXPECT_EQ(scores.ScoreOf("TOOLSET\\A", kNow), 1.0);

  scores.Remove("PAINT");
  std::vector<Text> keys;
  for (const auto& [key, use] : scores.All()) keys.push_back(key);
  EXPECT_EQ(keys, (std::vector<Text>{"CALCULATOR", "TOOLSET\\A", "UTILS"}));

  // The scores of a table's entries by slot, keyed by folder and trimmed caption in any case.
  const EntryTable table = TableOf({"*u*1*Utils**", "Toolset\\*a.exe** a **", "*c.exe**Paint**"});
  EXPECT_EQ(scores.ScoresBySlot(table, kNow), (std::vector<double>{1.0, 1.0, 0.0}));
  EXPECT_TRUE(UseScores().ScoresBySlot(table, kNow).empty());
}

}  // namespace
}  // namespace kov
