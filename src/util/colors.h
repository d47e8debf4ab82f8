// Colours as Windows keeps them (0x00BBGGRR, a COLORREF), and how a button the program
// draws itself is coloured.
#pragma once

#include <cstdint>

namespace kov {

using Rgb = std::uint32_t;

constexpr Rgb MakeRgb(unsigned red, unsigned green, unsigned blue) { return red | green << 8 | blue << 16; }

// a mixed with b: percentOfB parts of b in a hundred.
Rgb Mix(Rgb a, Rgb b, int percentOfB);

// A pixel of a glyph's art drawn over white counts as ink when it is not nearly white;
// the order of the channels does not matter.
bool IsInk(std::uint32_t pixelOverWhite);

// A tool button's face at rest, under the mouse and pressed, its frame under the mouse,
// and the colour of its glyph at rest and under the mouse. ownArtColors: the glyph is
// drawn in the colours of its art instead.
struct ButtonColors {
  Rgb face = 0;
  Rgb hotFace = 0;
  Rgb pressedFace = 0;
  Rgb hotEdge = 0;
  bool ownArtColors = true;
  Rgb glyph = 0;
  Rgb hotGlyph = 0;
};

}  // namespace kov
