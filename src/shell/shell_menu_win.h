// The Shell Folders popup menu: built from the catalogue at every click, shown at a
// screen point, and the chosen folder opened in Explorer.
#pragma once

#include <windows.h>

#include "shell/shell_menu.h"
#include "store/launch_win.h"
#include "util/handles_win.h"

namespace kov {

// Menu command of a clicked item: this base plus the item's Tag (Tags start at 1).
inline constexpr UINT kShellMenuCommandBase = 1000;

// A fresh popup menu for the model: one top-level item per loose item and per heading,
// a heading with folder items opening their sub-menu. Empty when the system refuses.
MenuHandle BuildShellFoldersMenu(const ShellMenuModel& model);

// Opens the folder item behind a menu command in Explorer, owned by owner. False, and
// nothing is opened, when the command names no folder item.
bool OpenChosenShellFolder(HWND owner, const ShellMenuModel& model, UINT command, const ShellRunner& shell);

// Builds the menu from the catalogue, pops it up at screenPoint and opens the choice.
void ShowShellFoldersMenu(HWND owner, const Text& catalogueText, POINT screenPoint, const ShellRunner& shell);

}  // namespace kov
