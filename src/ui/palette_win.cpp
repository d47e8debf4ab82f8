#include "ui/palette_win.h"

#include <windows.h>

namespace kov {

namespace {

bool HighContrastIsOn() {
  HIGHCONTRASTA state{};
  state.cbSize = sizeof state;
  return SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof state, &state, 0) && (state.dwFlags & HCF_HIGHCONTRASTON);
}

// Windows keeps its app mode in the user's part of the registry; a system without the
// value (before Windows 10, Wine) is light.
bool AppsUseDarkMode() {
  DWORD light = 1;
  DWORD size = sizeof light;
  const LSTATUS status =
      RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                   L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size);
  return status == ERROR_SUCCESS && light == 0;
}

}  // namespace

Palette CurrentPalette(ThemeChoice choice) {
  ThemeColors theme;
  theme.highContrast = HighContrastIsOn();
  // The registry is asked only when the choice leaves it to the system.
  theme.dark = ChoosesDark(choice, choice == ThemeChoice::System && AppsUseDarkMode());
  theme.buttonFace = GetSysColor(COLOR_BTNFACE);
  theme.buttonText = GetSysColor(COLOR_BTNTEXT);
  theme.window = GetSysColor(COLOR_WINDOW);
  theme.windowText = GetSysColor(COLOR_WINDOWTEXT);
  theme.highlight = GetSysColor(COLOR_HIGHLIGHT);
  theme.highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
  theme.grayText = GetSysColor(COLOR_GRAYTEXT);
  return ChoosePalette(theme);
}

}  // namespace kov
