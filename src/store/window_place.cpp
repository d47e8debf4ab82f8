#include "store/window_place.h"

#include <array>
#include <vector>

#include "store/state_words.h"

namespace kov {
namespace {

// Far beyond any screen, so that a hand-edited number out of reason is refused rather
// than a window made where no one sees it.
constexpr int kFarthestPixel = 100000;

// Beyond what any screen has had, either way.
constexpr int kLowestDpi = 24;
constexpr int kHighestDpi = 2400;

// What may follow the four numbers, in either order: "maximized", and the DPI.
std::optional<Text> ReadPlaceSuffix(std::string_view piece, WindowPlace& place, bool& dpiRead) {
  if (SameWord(piece, "maximized") && !place.maximized) {
    place.maximized = true;
    return std::nullopt;
  }
  const std::size_t equals = piece.find('=');
  if (equals == std::string_view::npos || !SameWord(Trimmed(piece.substr(0, equals)), "dpi") || dpiRead) {
    return Quoted(piece) + " is neither \"maximized\" nor a DPI such as dpi=96";
  }
  const std::optional<int> dpi = WholeNumber<int>(Trimmed(piece.substr(equals + 1)));
  if (!dpi || *dpi < kLowestDpi || *dpi > kHighestDpi) return Quoted(piece) + " is not a DPI such as dpi=96";
  place.dpi = *dpi;
  dpiRead = true;
  return std::nullopt;
}

}  // namespace

WindowReading ReadWindowPlace(std::string_view value) {
  const std::vector<std::string_view> pieces = Pieces(value, ',');
  if (pieces.size() < 4 || pieces.size() > 6) return {std::nullopt, "it needs left, top, width and height"};
  std::array<int, 4> numbers{};
  for (std::size_t at = 0; at < numbers.size(); ++at) {
    const std::optional<int> number = WholeNumber<int>(pieces[at]);
    if (!number || *number < -kFarthestPixel || *number > kFarthestPixel) {
      return {std::nullopt, Quoted(pieces[at]) + " is not a number of pixels"};
    }
    numbers[at] = *number;
  }
  if (numbers[2] <= 0 || numbers[3] <= 0) return {std::nullopt, "the width and height must be above 0"};
  WindowPlace place{numbers[0], numbers[1], numbers[2], numbers[3]};
  bool dpiRead = false;
  for (std::size_t at = numbers.size(); at < pieces.size(); ++at) {
    if (std::optional<Text> problem = ReadPlaceSuffix(pieces[at], place, dpiRead)) return {std::nullopt, *problem};
  }
  return {place, {}};
}

Text WindowPlaceText(const WindowPlace& place) {
  return IntText(place.left) + "," + IntText(place.top) + "," + IntText(place.width) + "," + IntText(place.height) +
         (place.maximized ? ",maximized" : "") + (place.dpi > 0 ? ",dpi=" + IntText(place.dpi) : "");
}

}  // namespace kov
