// Adding entries to the current folder: files and directories dropped from the shell,
// and new virtual folders.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "ui/launcher_parts_win.h"

namespace kov {

// Adds every dropped path in drop order, then releases the drop. A caption the folder
// already holds is skipped; paths that no longer fit in a full table are counted and
// reported once.
void AddDroppedFiles(const LauncherParts& parts, HDROP drop);

// Asks for a name and adds a virtual folder of that name.
void AddNewFolder(const LauncherParts& parts);

}  // namespace kov
