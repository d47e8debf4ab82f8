// The DPI of the screen a window is on; layout values are scaled to it by util/dpi.h.
#pragma once

#include <windows.h>

#include "util/dpi.h"

namespace kov {

// The DPI of the monitor the window is on (the system DPI before Windows 10).
int DpiOf(HWND window);

}  // namespace kov
