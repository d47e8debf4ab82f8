// The colours of the window's surfaces. Outside a high-contrast theme the window has
// a light look of its own, or a dark one when the user's choice or the system's app
// mode asks for dark; in a high-contrast theme every surface and glyph takes the
// theme's colours, whatever else is chosen, so that nothing is drawn in a colour the
// user has not chosen.
#pragma once

#include "store/look_lines.h"
#include "util/colors.h"

namespace kov {

// The state of the theme that the choice depends on.
struct ThemeColors {
  bool highContrast = false;
  bool dark = false;  // the user or the system's app mode asks for dark (ChoosesDark)
  Rgb buttonFace = 0;
  Rgb buttonText = 0;
  Rgb window = 0;
  Rgb windowText = 0;
  Rgb highlight = 0;
  Rgb highlightText = 0;
  Rgb grayText = 0;
};

struct Palette {
  // The system is asked to draw the title bar and the scroll bars dark.
  bool dark = false;
  Rgb toolBar = 0;
  ButtonColors buttons;
  // The band between the tool bar and the view, which looks like part of the view.
  Rgb spacer = 0;
  Rgb statusBar = 0;
  Rgb statusText = 0;
  // The view, its captions, a cut entry's caption and the empty folder's hint.
  Rgb view = 0;
  Rgb viewText = 0;
  Rgb faintText = 0;
  Rgb selection = 0;
  Rgb selectionText = 0;
  // The boxes a user types into: the search field and the Input dialog's field.
  Rgb field = 0;
  Rgb fieldText = 0;
  // The dialogs and the Info page.
  Rgb page = 0;
  Rgb pageText = 0;
};

// Whether the window is dark for the user's choice and the system's app mode.
bool ChoosesDark(ThemeChoice choice, bool appsDark);

Palette ChoosePalette(const ThemeColors& theme);

}  // namespace kov
