// The colours of the window's surfaces. Outside a high-contrast theme the window keeps
// its own light look; in one, every surface and glyph takes the theme's colours, so
// that nothing is drawn in a colour the user has not chosen.
#pragma once

#include "util/colors.h"

namespace kov {

// The state of the theme that the choice depends on.
struct ThemeColors {
  bool highContrast = false;
  Rgb buttonFace = 0;
  Rgb buttonText = 0;
  Rgb window = 0;
  Rgb windowText = 0;
  Rgb highlight = 0;
  Rgb highlightText = 0;
};

struct Palette {
  Rgb toolBar = 0;
  ButtonColors buttons;
  // The band between the tool bar and the view, which looks like part of the view.
  Rgb spacer = 0;
  Rgb statusBar = 0;
  Rgb statusText = 0;
};

Palette ChoosePalette(const ThemeColors& theme);

}  // namespace kov
