// Where the launcher's window may stand and how small it may get: its first place
// within the work area, its edges snapping to the work area's, and the least size at
// which its tool buttons do not cover each other.
#pragma once

#include <windows.h>

#include <optional>

#include "store/state_file.h"

namespace kov {

// The first place of a window of the given size at 96 DPI: centred in the work area
// and never larger, so that the caption and the status bar can always be reached.
RECT FirstPlace(int widthAt96, int heightAt96, int dpi);

// The place the window was closed at, when it still lies wholly within a screen's work
// area (a screen may have gone, or the work area shrunk); nothing otherwise.
std::optional<RECT> KeptPlace(const std::optional<WindowPlace>& kept);

// The window's place to keep: the rectangle it had when last neither minimised nor
// maximised, and whether it is maximised now.
WindowPlace PlaceToKeep(HWND window, const RECT& normal);

// Snaps a window that is being moved to the edges of its monitor's work area.
void SnapToWorkArea(WINDOWPOS& position, HWND window);

// The least outer size of window for its client-area minimum at 96 DPI.
void LimitTrackSize(MINMAXINFO& limits, HWND window, int dpi);

}  // namespace kov
