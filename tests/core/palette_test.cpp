#include "ui/palette.h"

#include <gtest/gtest.h>

#include <set>

namespace kov {
namespace {

// Six colours no surface of the window would have by chance.
ThemeColors Theme(bool highContrast) {
  return {highContrast,        MakeRgb(1, 2, 3),    MakeRgb(4, 5, 6),   MakeRgb(7, 8, 9),
          MakeRgb(10, 11, 12), MakeRgb(13, 14, 15), MakeRgb(16, 17, 18)};
}

TEST(PaletteTest, OutsideHighContrastTheWindowKeepsItsOwnLook) {
  const Palette palette = ChoosePalette(Theme(false));
  const Rgb paleBlue = MakeRgb(236, 240, 255);
  EXPECT_EQ(palette.toolBar, paleBlue);
  EXPECT_EQ(palette.statusBar, paleBlue);
  EXPECT_EQ(palette.spacer, MakeRgb(255, 255, 255));
  EXPECT_EQ(palette.statusText, Theme(false).windowText);
  EXPECT_EQ(palette.buttons.face, paleBlue);
  EXPECT_EQ(palette.buttons.hotFace, MakeRgb(247, 249, 255));
  EXPECT_EQ(palette.buttons.pressedFace, MakeRgb(178, 195, 236));
  EXPECT_TRUE(palette.buttons.ownArtColors);
}

TEST(PaletteTest, InHighContrastEverySurfaceTakesTheThemesColoursAndGlyphsItsText) {
  const ThemeColors theme = Theme(true);
  const Palette palette = ChoosePalette(theme);
  const std::set<Rgb> themes = {theme.buttonFace, theme.buttonText, theme.window,
                                theme.windowText, theme.highlight,  theme.highlightText};
  const ButtonColors& buttons = palette.buttons;
  for (Rgb used : {palette.toolBar, palette.spacer, palette.statusBar, palette.statusText, buttons.face,
                   buttons.hotFace, buttons.pressedFace, buttons.hotEdge, buttons.glyph, buttons.hotGlyph}) {
    EXPECT_EQ(themes.count(used), 1u) << std::hex << used;
  }
  EXPECT_FALSE(buttons.ownArtColors);
  EXPECT_EQ(buttons.face, theme.buttonFace);
  EXPECT_EQ(buttons.glyph, theme.buttonText);
  EXPECT_EQ(palette.statusText, theme.buttonText);
  EXPECT_EQ(palette.spacer, theme.window);
  EXPECT_EQ(buttons.hotGlyph, theme.highlightText);
  EXPECT_EQ(buttons.hotFace, theme.highlight);
}

}  // namespace
}  // namespace kov
