// Small list-view helpers shared by the view's handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

namespace kov {

// The icon a command for one entry acts on: the focused icon while it is selected, else
// the first selected one; -1 when none is selected.
int SelectedIconIndex(HWND listView);

// Every selected icon, in the view's order.
std::vector<int> SelectedIconIndices(HWND listView);

// No icon selected but keep (-1 for none), at the cost of the icons that were.
void ClearIconSelection(HWND listView, int keep = -1);

}  // namespace kov
