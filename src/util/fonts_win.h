// The one way the program makes its fonts: a face at a height in pixels, normal weight.
#pragma once

#include <windows.h>

#include "util/handles_win.h"

namespace kov {

enum class FontPitch : BYTE { Any = DEFAULT_PITCH, Fixed = FIXED_PITCH | FF_MODERN };

// A normal-weight font of face whose characters are pixelHeight pixels tall.
FontHandle MakeFont(const char* face, int pixelHeight, FontPitch pitch = FontPitch::Any);

// The same with the height given in 96-DPI pixels, scaled to dpi.
FontHandle MakeFont(const char* face, int heightAt96, int dpi);

// The pixel height of a font of the given point size at dpi.
int PointsToPixels(int points, int dpi);

}  // namespace kov
