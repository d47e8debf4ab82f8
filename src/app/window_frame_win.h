// Where the launcher's window may stand and how small it may get: its first place
// within the work area, the place it was left at, its edges snapping to the work
// area's, and the least size at which every part of its tool bar shows.
#pragma once

#include <windows.h>

#include <optional>

#include "app/window_fit.h"

namespace kov {

// The first place of a window of the given size at 96 DPI: centred in the work area
// and never larger, so that the caption and the status bar can always be reached.
RECT FirstPlace(int widthAt96, int heightAt96, int dpi);

// The least outer size of a window of these styles at the DPI: every part of the tool
// bar shows, and a row of icons.
WindowSize LeastWindowSize(DWORD style, DWORD exStyle, int dpi);

// The place the window was closed at, in proportion at the DPI and at least least,
// when it then lies wholly within a screen's work area (a screen may have gone, or the
// work area shrunk); nothing otherwise.
std::optional<RECT> KeptPlace(const std::optional<WindowPlace>& kept, int dpi, WindowSize least);

// The window's place to keep: the rectangle it had when last neither minimised nor
// maximised, whether it is maximised now, and the DPI it was measured at.
WindowPlace PlaceToKeep(HWND window, const RECT& normal, int dpi);

// Snaps a window that is being moved to the edges of its monitor's work area.
void SnapToWorkArea(WINDOWPOS& position, HWND window);

// The least size of window at the DPI, as LeastWindowSize gives it.
void LimitTrackSize(MINMAXINFO& limits, HWND window, int dpi);

}  // namespace kov
