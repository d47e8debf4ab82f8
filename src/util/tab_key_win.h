// Tab and Shift+Tab in a part of a window that is not a dialog: the part hands them to
// its top-level window as WM_NEXTDLGCTL (wParam 1: backwards), as a dialog's controls
// do, and the window moves the focus.
#pragma once

#include <windows.h>

namespace kov {

// True when the message was Tab's, handed on or dropped, and the part must not act on it.
bool HandOnTabKey(HWND part, UINT message, WPARAM wParam);

}  // namespace kov
