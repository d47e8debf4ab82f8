// A window's place kept in the state file, as it stands at the screen's DPI now: the
// same stick may be closed on a 96-DPI PC and opened on a 144-DPI laptop, where the
// same pixels would be too small for the tool bar.
#pragma once

#include "store/window_place.h"

namespace kov {

struct WindowSize {
  int width = 0;
  int height = 0;
};

// The kept place at dpi: position and size in proportion to the DPI they were measured
// at (a place that does not say is taken as measured at dpi), and never smaller than
// least, the outer size at which the window shows every part of its tool bar at dpi.
WindowPlace PlaceAtDpi(const WindowPlace& kept, int dpi, WindowSize least);

}  // namespace kov
