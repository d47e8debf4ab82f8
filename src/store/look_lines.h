// How the window looks, as the state file's "theme=" and "icons=" lines give it: dark,
// light or as the system's app mode is ("theme=system", the default), and the icons'
// size in pixels at 96 DPI ("icons=64").
#pragma once

#include <optional>
#include <string_view>

#include "util/text.h"

namespace kov {

enum class ThemeChoice { System, Light, Dark };

// A choice read from the line's value; problem says why it could not be read, and is
// empty otherwise.
struct ThemeReading {
  std::optional<ThemeChoice> choice;
  Text problem;
};
ThemeReading ReadThemeChoice(std::string_view value);
Text ThemeChoiceText(ThemeChoice choice);

// The smallest and largest icons the view shows, in pixels at 96 DPI.
inline constexpr int kSmallestIconSize = 32;
inline constexpr int kLargestIconSize = 256;

struct IconSizeReading {
  std::optional<int> size;
  Text problem;
};
// A whole number of pixels from the smallest to the largest icon size.
IconSizeReading ReadIconSize(std::string_view value);

}  // namespace kov
