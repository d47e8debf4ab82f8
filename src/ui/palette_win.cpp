#include "ui/palette_win.h"

#include <windows.h>

namespace kov {

namespace {

bool HighContrastIsOn() {
  HIGHCONTRASTA state{};
  state.cbSize = sizeof state;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace

Palette CurrentPalette() {
  ThemeColors theme;
  theme.highContrast = HighContrastIsOn();
  theme.buttonFace = GetSysColor(COLOR_BTNFACE);
  theme.buttonText = GetSysColor(COLOR_BTNTEXT);
  theme.window = GetSysColor(COLOR_WINDOW);
  theme.windowText = GetSysColor(COLOR_WINDOWTEXT);
  theme.highlight = GetSysColor(COLOR_HIGHLIGHT);
  theme.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  return ChoosePalette(theme);
}

}  // namespace kov
