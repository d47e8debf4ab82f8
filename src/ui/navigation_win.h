// Opening entries and moving between virtual folders: a double click or Enter starts
// the selected entry or enters its folder, Back and Backspace go one level up or end a
// search.
#pragma once

#include "ui/launcher_parts_win.h"

namespace kov {

// Enters a virtual folder with its first icon selected and the focus in the view, opens
// a directory in Explorer, or starts a program or document (elevated when asked); a
// missing target is reported as "File not found", with the offer to locate it.
void OpenSelected(const LauncherParts& parts, bool elevated);

// Enter in the search field: starts the first entry found, as a double click would.
void StartFirstFound(const LauncherParts& parts);

// Shows the parent of the current folder; nothing at the top.
void GoBack(const LauncherParts& parts);

}  // namespace kov
