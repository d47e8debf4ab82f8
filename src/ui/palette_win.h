// The palette for the theme in force: high contrast, else the user's choice of a dark
// or light look, else the system's app mode.
#pragma once

#include "ui/palette.h"

namespace kov {

Palette CurrentPalette(ThemeChoice choice);

}  // namespace kov
