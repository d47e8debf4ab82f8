// Small list-view helpers shared by the view's handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace kov {

// Index of the selected icon, or -1.
int SelectedIconIndex(HWND listView);

// The caption of the icon at index, at any length.
std::string IconCaption(HWND listView, int index);

// Inserts an icon whose caption and image the view asks its parent for when it needs
// them, so that inserting stores neither.
void InsertCallbackIcon(HWND listView, int index);

}  // namespace kov
