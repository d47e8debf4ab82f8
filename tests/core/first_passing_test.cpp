#include "util/first_passing.h"

#include <gtest/gtest.h>

namespace kov {
namespace {

// Every answer is found from every guess, in or out of range; a right guess takes two
// tests (one when it is the first item), a wrong one no more than the halving and two.
TEST(FirstPassing, FindsTheFirstFromAnyGuessAndARightGuessInTwoTests) {
  for (int count : {0, 1, 2, 7, 1000}) {
    int halving = 0;
    while ((1 << halving) < count + 1) ++halving;
    for (int answer = 0; answer <= count; ++answer) {
      for (int guess : {-3, 0, answer - 1, answer, answer + 1, count / 2, count, count + 5}) {
        int tests = 0;
        const int found = FirstPassing(count, guess, [&](int index) {
          ++tests;
          EXPECT_GE(index, 0);
          EXPECT_LT(index, count);
          return index >= answer;
        });
        ASSERT_EQ(found, answer) << "count " << count << ", guess " << guess;
        if (guess == answer && answer < count) {
          EXPECT_EQ(tests, answer == 0 ? 1 : 2);
        }
        EXPECT_LE(tests, halving + 2);
      }
    }
  }
}

}  // namespace
}  // namespace kov
