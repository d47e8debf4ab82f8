#include "ui/palette.h"

namespace kov {

namespace {

constexpr Rgb kPaleBlue = MakeRgb(236, 240, 255);
constexpr Rgb kPressBlue = MakeRgb(70, 110, 200);
constexpr Rgb kWhite = MakeRgb(255, 255, 255);

// The dark look's greys, as dark windows of the system have them: the bars a step
// lighter than the view, the text nearly white.
constexpr Rgb kDarkBar = MakeRgb(43, 43, 43);
constexpr Rgb kDarkView = MakeRgb(32, 32, 32);
constexpr Rgb kDarkField = MakeRgb(25, 25, 25);
constexpr Rgb kDarkText = MakeRgb(240, 240, 240);
constexpr Rgb kDarkFaintText = MakeRgb(160, 160, 160);
constexpr Rgb kDarkSelection = MakeRgb(0, 84, 153);

// The view, the search field, the dialogs and the pages in the theme's own colours.
void TakeThemeSurfaces(Palette& palette, const ThemeColors& theme) {
  palette.view = theme.window;
  palette.viewText = theme.windowText;
  palette.faintText = theme.grayText;
  palette.selection = theme.highlight;
  palette.selectionText = theme.highlightText;
  palette.field = theme.window;
  palette.fieldText = theme.windowText;
  palette.page = theme.buttonFace;
  palette.pageText = theme.buttonText;
}

// The light look keeps the system's colours for the view and the dialogs.
Palette LightLook(const ThemeColors& theme) {
  Palette palette;
  palette.toolBar = kPaleBlue;
  palette.buttons.face = kPaleBlue;
  palette.buttons.hotFace = Mix(kPaleBlue, kWhite, 60);
  palette.buttons.pressedFace = Mix(kPaleBlue, kPressBlue, 35);
  palette.buttons.hotEdge = Mix(kPaleBlue, kPressBlue, 55);
  palette.spacer = kWhite;
  palette.statusBar = kPaleBlue;
  palette.statusText = theme.windowText;
  TakeThemeSurfaces(palette, theme);
  return palette;
}

// The tool glyphs keep their own colours, which stand out on dark grey as on pale blue.
Palette DarkLook() {
  Palette palette;
  palette.dark = true;
  palette.toolBar = kDarkBar;
  palette.buttons.face = kDarkBar;
  palette.buttons.hotFace = Mix(kDarkBar, kWhite, 12);
  palette.buttons.pressedFace = Mix(kDarkBar, kPressBlue, 45);
  palette.buttons.hotEdge = Mix(kDarkBar, kWhite, 30);
  palette.spacer = kDarkView;
  palette.statusBar = kDarkBar;
  palette.statusText = kDarkText;
  palette.view = kDarkView;
  palette.viewText = kDarkText;
  palette.faintText = kDarkFaintText;
  palette.selection = kDarkSelection;
  palette.selectionText = kWhite;
  palette.field = kDarkField;
  palette.fieldText = kDarkText;
  palette.page = kDarkBar;
  palette.pageText = kDarkText;
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
  TakeThemeSurfaces(palette, theme);
  return palette;
}

}  // namespace

bool ChoosesDark(ThemeChoice choice, bool appsDark) {
  return choice == ThemeChoice::Dark || (choice == ThemeChoice::System && appsDark);
}

Palette ChoosePalette(const ThemeColors& theme) {
  if (theme.highContrast) return ThemeLook(theme);
  return theme.dark ? DarkLook() : LightLook(theme);
}

}  // namespace kov
