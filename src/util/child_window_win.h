// Child controls of the program's windows, made one way: visible children of the
// program's instance with their id and the font they draw with.
#pragma once

#include <windows.h>

namespace kov {

// The rectangle of a control placed at left, top with the given size.
inline RECT Bounds(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

// Creates a visible child control of parent (style gets WS_CHILD | WS_VISIBLE) and sets
// its font when font is not null. Null when the control could not be made.
HWND CreateChildWindow(HWND parent, int id, const char* className, const char* text, DWORD style, const RECT& bounds,
                       HFONT font, DWORD exStyle = 0);

// Moves a child window to bounds (in its parent's client area) unless it is there
// already: each move costs a round trip to the window server and a train of messages,
// and most parts keep their place when the window is resized or shown.
void PlaceChild(HWND child, const RECT& bounds, bool repaint);

}  // namespace kov
