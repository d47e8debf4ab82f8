// What screen readers and other accessibility clients see of a button the program
// draws itself: a push button named by its window text, which their default action
// presses. Where it is, its parent, its neighbours and its focus are the system's
// standard object for the window, to which everything else is left.
#pragma once

#include <windows.h>

namespace kov {

// The answer to WM_GETOBJECT sent to button: its own object for the client area, 0
// for any other object (the system then answers) or when the system's accessibility
// library cannot be loaded. The default action posts BM_CLICK to the button.
LRESULT AnswerAccessibleButton(HWND button, WPARAM wParam, LPARAM lParam);

}  // namespace kov
