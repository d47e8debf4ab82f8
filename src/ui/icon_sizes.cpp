#include "ui/icon_sizes.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace kov {

namespace {

// The 32-pixel icon's room is the system's own at 96 DPI (75 pixels square); a larger
// icon keeps the same margins, so its caption, as wide as the room, widens with it and
// two 256-pixel icons fit side by side in the window's first width.
constexpr int kMarginAcross = 43;
constexpr int kCaptionLines = 43;

}  // namespace

int LargerIconSize(int size) {
  for (int step : kIconSizes) {
    if (step > size) return step;
  }
  return std::max(size, kIconSizes[std::size(kIconSizes) - 1]);
}

int SmallerIconSize(int size) {
  int smaller = kIconSizes[0];
  for (int step : kIconSizes) {
    if (step < size) smaller = step;
  }
  return smaller;
}

int IconSizeStep(int size) {
  int nearest = kIconSizes[0];
  for (int step : kIconSizes) {
    if (std::abs(step - size) < std::abs(nearest - size)) nearest = step;
  }
  return nearest;
}

IconSpacing SpacingFor(int size) {
  return {size + kMarginAcross, size + kCaptionLines};
}

}  // namespace kov
