// Small list-view helpers shared by the view's handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace kov {

// Index of the selected icon, or -1.
int SelectedIconIndex(HWND listView);

}  // namespace kov
