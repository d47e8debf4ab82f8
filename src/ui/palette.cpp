#include "ui/palette.h"

namespace kov {

namespace {

constexpr Rgb kPaleBlue = MakeRgb(236, 240, 255);
constexpr Rgb kPressBlue = MakeRgb(70, 110, 200);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

Palette OwnLook(const ThemeColors& theme) {
  Palette palette;
  palette.toolBar = kPaleBlue;
  palette.buttons.face = kPaleBlue;
  palette.buttons.hotFace = Mix(kPaleBlue, kWhite, 60);
  palette.buttons.pressedFace = Mix(kPaleBlue, kPressBlue, 35);
  palette.buttons.hotEdge = Mix(kPaleBlue, kPressBlue, 55);
  palette.spacer = kWhite;
  palette.statusBar = kPaleBlue;
  palette.statusText = theme.windowText;
  return palette;
}

// A button under the mouse or pressed is shown as the theme shows a selection.
Palette ThemeLook(const ThemeColors& theme) {
  Palette palette;
  palette.toolBar = theme.buttonFace;
  palette.buttons.face = theme.buttonFace;
  palette.buttons.hotFace = theme.highlight;
  palette.buttons.pressedFace = theme.highlight;
  palette.buttons.hotEdge = theme.buttonText;
  palette.buttons.ownArtColors = false;
  palette.buttons.glyph = theme.buttonText;
  palette.buttons.hotGlyph = theme.highlightText;
  palette.spacer = theme.window;
  palette.statusBar = theme.buttonFace;
  palette.statusText = theme.buttonText;
  return palette;
}

}  // namespace

Palette ChoosePalette(const ThemeColors& theme) { return theme.highContrast ? ThemeLook(theme) : OwnLook(theme); }

}  // namespace kov
