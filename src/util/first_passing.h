// The first item to pass a test that, along the items, fails and then passes for good.
#pragma once

#include <algorithm>

namespace kov {

// The first of count items that passes, or count when none does, found by halves. A test
// may be dear (a call into a window), so the search looks first at a guess and at the
// item before it: a right guess settles it in two tests, a wrong one costs two more than
// the halving alone.
template <typename Test>
int FirstPassing(int count, int guess, Test passes) {
  int low = 0;
  int high = std::max(count, 0);
  guess = std::clamp(guess, 0, high);
  if (guess < high) {
    if (passes(guess)) {
      high = guess;
    } else {
      low = guess + 1;
    }
  }
  if (high == guess && guess > 0) {
    if (passes(guess - 1)) {
      high = guess - 1;
    } else {
      low = guess;
    }
  }
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (passes(middle)) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return low;
}

}  // namespace kov
