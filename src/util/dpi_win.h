// Layout values are 96-DPI pixels; this scales them to the window's real DPI.
#pragma once

#include <windows.h>

namespace kov {

// The DPI of the monitor the window is on (the system DPI before Windows 10).
int DpiOf(HWND window);

inline int Scaled(int pixelsAt96, int dpi) { return MulDiv(pixelsAt96, dpi, 96); }

}  // namespace kov
