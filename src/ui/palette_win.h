// The palette for the theme in force.
#pragma once

#include "ui/palette.h"

namespace kov {

Palette CurrentPalette();

}  // namespace kov
