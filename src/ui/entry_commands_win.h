// The commands of the icons' context menu that act on the selected entry: the context
// menu itself, Open File Location, Properties, Execution parameters and Delete.
#pragma once

#include "ui/command_list.h"
#include "ui/context_menu_win.h"
#include "ui/launcher_parts_win.h"

namespace kov {

// Shows the context menu over the selected entry, at the cursor or, for the keyboard,
// at the selected icon, and returns the chosen command; Command::None when nothing is
// selected or nothing was chosen.
Command ChooseFromContextMenu(const LauncherParts& parts, ContextMenu& menu, int dpi, bool atIcon);

// Open File Location (Explorer with the target selected) or Properties (the target's
// property sheet); nothing for a virtual folder.
void ShowEntryLocation(const LauncherParts& parts, Command command);

// Asks for new execution parameters and stores them with the entry.
void EditExecutionParameters(const LauncherParts& parts);

// Asks "Delete Item ?" and removes the entry, a virtual folder with all it holds.
void DeleteSelected(const LauncherParts& parts);

}  // namespace kov
