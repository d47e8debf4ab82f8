// Renaming an icon in place and moving it within its folder.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/launcher_parts_win.h"

namespace kov {

// F2: starts editing the selected icon's caption in place.
void StartRenaming(const LauncherParts& parts);

// The view starts editing a caption: the view's keys wait until the edit ends. False
// when the caption may not be edited here (among the entries a search found).
bool BeginRename(const LauncherParts& parts);

// The view's end of an edit: renames the entry to the committed text (nullptr when the
// edit was cancelled), or keeps the old caption when the rename is refused.
void EndRename(const LauncherParts& parts, int index, const char* committed);

// An icon changed while an edit was ending: puts the caption before the edit back into
// it when the rename was refused, and ends the edit.
void IconChanged(const LauncherParts& parts, int index);

// Moves the selected icon one place left (step -1) or right (step +1) within its
// folder, in the table and on screen; the moved icon stays selected and focused.
void MoveSelected(const LauncherParts& parts, int step);

}  // namespace kov
