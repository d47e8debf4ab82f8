// Adding entries to the current folder: files and directories dropped from the shell,
// and new virtual folders.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "ui/launcher_parts_win.h"

namespace kov {

// The paths of a drop or of files on the clipboard, in their order, and the names of
// those that the program's text cannot carry exactly.
struct Dropped {
  std::vector<Text> paths;
  std::vector<Text> refusedNames;
};

// The paths of a file list, which stays the caller's to release.
Dropped PathsOfDrop(HDROP drop);

// Adds every dropped path in drop order, then releases the drop; a drop on the icon of a
// missing target may point the entry to it instead.
void AddDroppedFiles(const LauncherParts& parts, HDROP drop);

// Adds the paths to the folder on show, ending a search, as one step. A caption the
// folder already holds is skipped; paths that no longer fit in a full table are counted
// and reported once, and names the program cannot carry are named.
void AddPaths(const LauncherParts& parts, const Dropped& dropped);

// Asks for a name and adds a virtual folder of that name.
void AddNewFolder(const LauncherParts& parts);

}  // namespace kov
