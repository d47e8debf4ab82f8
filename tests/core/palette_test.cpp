#include "ui/palette.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace kov {
namespace {

// Seven colours no surface of the window would have by chance.
ThemeColors Theme(bool highContrast, bool dark) {
  ThemeColors theme;
  theme.highContrast = highContrast;
  theme.dark = dark;
  theme.buttonFace = MakeRgb(1, 2, 3);
  theme.buttonText = MakeRgb(4, 5, 6);
  theme.window = MakeRgb(7, 8, 9);
  theme.windowText = MakeRgb(10, 11, 12);
  theme.highlight = MakeRgb(13, 14, 15);
  theme.highlightText = MakeRgb(16, 17, 18);
  theme.grayText = MakeRgb(19, 20, 21);
  return theme;
}

TEST(PaletteTest, OutsideHighContrastTheWindowKeepsItsOwnLook) {
  const Palette palette = ChoosePalette(Theme(false, false));
  const Rgb paleBlue = MakeRgb(236, 240, 255);
  EXPECT_FALSE(palette.dark);
  EXPECT_EQ(palette.toolBar, paleBlue);
  EXPECT_EQ(palette.statusBar, paleBlue);
  EXPECT_EQ(palette.spacer, MakeRgb(255, 255, 255));
  EXPECT_EQ(palette.statusText, Theme(false, false).windowText);
  EXPECT_EQ(palette.view, Theme(false, false).window);
  EXPECT_EQ(palette.buttons.face, paleBlue);
  EXPECT_EQ(palette.buttons.hotFace, MakeRgb(247, 249, 255));
  EXPECT_EQ(palette.buttons.pressedFace, MakeRgb(178, 195, 236));
  EXPECT_TRUE(palette.buttons.ownArtColors);
}

TEST(PaletteTest, DarkIsTheUsersChoiceOrElseTheSystemsAppMode) {
  EXPECT_TRUE(ChoosesDark(ThemeChoice::Dark, false));
  EXPECT_TRUE(ChoosesDark(ThemeChoice::System, true));
  EXPECT_FALSE(ChoosesDark(ThemeChoice::Light, true));
  EXPECT_FALSE(ChoosesDark(ThemeChoice::System, false));
  const Palette dark = ChoosePalette(Theme(false, true));
  EXPECT_TRUE(dark.dark);
  EXPECT_TRUE(dark.buttons.ownArtColors);
  // Nothing of the light look's: every surface is dark.
  for (Rgb surface : {dark.toolBar, dark.spacer, dark.statusBar, dark.view, dark.field, dark.page}) {
    EXPECT_LT(surface & 0xFF, 64u) << std::hex << surface;
  }
}

TEST(PaletteTest, InHighContrastEverySurfaceTakesTheThemesColoursEvenWhenDarkIsChosen) {
  for (bool dark : {false, true}) {
    const ThemeColors theme = Theme(true, dark);
    const Palette palette = ChoosePalette(theme);
    const std::set<Rgb> themes = {theme.buttonFace, theme.buttonText,    theme.window,  theme.windowText,
                                  theme.highlight,  theme.highlightText, theme.grayText};
    const ButtonColors& buttons = palette.buttons;
    for (Rgb used : {palette.toolBar, palette.spacer, palette.statusBar, palette.statusText, buttons.face,
                     buttons.hotFace, buttons.pressedFace, buttons.hotEdge, buttons.glyph, buttons.hotGlyph,
                     palette.view, palette.viewText, palette.faintText, palette.selection, palette.selectionText,
                     palette.field, palette.fieldText, palette.page, palette.pageText}) {
      EXPECT_EQ(themes.count(used), 1u) << std::hex << used;
    }
    EXPECT_FALSE(palette.dark);
    EXPECT_FALSE(buttons.ownArtColors);
    EXPECT_EQ(buttons.face, theme.buttonFace);
    EXPECT_EQ(buttons.glyph, theme.buttonText);
    EXPECT_EQ(palette.statusText, theme.buttonText);
    EXPECT_EQ(palette.spacer, theme.window);
    EXPECT_EQ(buttons.hotGlyph, theme.highlightText);
    EXPECT_EQ(buttons.hotFace, theme.highlight);
  }
}

// WCAG's relative luminance and contrast ratio of two colours.
double Luminance(Rgb color) {
  double sum = 0;
  const double weights[] = {0.2126, 0.7152, 0.0722};
  for (int channel = 0; channel < 3; ++channel) {
    const double value = ((color >> (8 * channel)) & 0xFF) / 255.0;
    sum += weights[channel] * (value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4));
  }
  return sum;
}

double Contrast(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The system's colours as Windows gives them out of the box.
ThemeColors SystemTheme(bool dark) {
  ThemeColors theme;
  theme.dark = dark;
  theme.buttonFace = MakeRgb(240, 240, 240);
  theme.window = MakeRgb(255, 255, 255);
  theme.buttonText = theme.windowText = MakeRgb(0, 0, 0);
  theme.highlight = MakeRgb(0, 120, 215);
  theme.highlightText = MakeRgb(255, 255, 255);
  theme.grayText = MakeRgb(109, 109, 109);
  return theme;
}

// The pairs the palette chooses itself: all of the dark look's, and the light look's
// status bar; the light look's other pairs, and high contrast's, are the system's own.
TEST(PaletteTest, TextKeepsAContrastOfFourAndAHalfToOneOnItsBackgroundInEveryMode) {
  for (bool dark : {false, true}) {
    const Palette p = ChoosePalette(SystemTheme(dark));
    const struct {
      const char* what;
      Rgb text;
      Rgb background;
      bool ownInLight;
    } pairs[] = {{"status", p.statusText, p.statusBar, true},         {"caption", p.viewText, p.view, false},
                 {"cut caption", p.faintText, p.view, false},         {"selection", p.selectionText, p.selection, false},
                 {"field", p.fieldText, p.field, false},              {"page", p.pageText, p.page, false}};
    for (const auto& pair : pairs) {
      if (!dark && !pair.ownInLight) continue;
      EXPECT_GE(Contrast(pair.text, pair.background), 4.5) << pair.what << (dark ? " dark" : " light");
    }
  }
}

}  // namespace
}  // namespace kov
