// The commands of the context menu that act on the selected entries: the context menu
// itself, Open File Location, Properties, Execution parameters and Delete.
#pragma once

#include "ui/command_list.h"
#include "ui/context_menu_win.h"
#include "ui/launcher_parts_win.h"

namespace kov {

// Shows the context menu over the selected entry, or over the view's empty space when
// none is selected, at the cursor or, for the keyboard, at the selected icon, and
// returns the chosen command; Command::None when nothing was chosen.
Command ChooseFromContextMenu(const LauncherParts& parts, ContextMenu& menu, int dpi, bool byKeyboard);

// Open File Location (Explorer with the target selected) or Properties (the target's
// property sheet); nothing for a virtual folder.
void ShowEntryLocation(const LauncherParts& parts, Command command);

// Asks for new execution parameters and stores them with the entry.
void EditExecutionParameters(const LauncherParts& parts);

// Asks "Delete Item ?" ("Delete 5 items ?" for several) and removes the selected
// entries, a virtual folder with all it holds, as one step.
void DeleteSelected(const LauncherParts& parts);

}  // namespace kov
