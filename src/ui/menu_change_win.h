// A change of the menu as one step of the session: what it does to the table is
// recorded for undo, the save is asked for, and a search going on sees the new table.
#pragma once

#include <functional>

#include "ui/launcher_parts_win.h"

namespace kov {

// What a change tells of itself: its words for the status bar after an undo or a redo,
// and where it happened, before and after.
struct StepNote {
  Text what;
  StepPlace before;
  StepPlace after;
};

// Runs change on the model's table as one step. A change that leaves the table as it
// was is no step.
void RunChange(const LauncherParts& parts, const std::function<StepNote()>& change);

// Shows the menu another program wrote into the settings file instead of the window's,
// as one step that can be undone; the open folder stays open when the new menu still
// has it. The menu came from the file: nothing is saved.
void ShowMenuFromFile(const LauncherParts& parts, EntryTable fileMenu);

// The folder of a place on show, with the icon of its slot selected and focused, and the
// focus in the view: where an undone or redone step happened.
void ShowPlace(const LauncherParts& parts, const StepPlace& place);

// Ctrl+Z and Ctrl+Y: the last step taken back, or the step last undone done again; the
// status bar says which, or that there is nothing to take back.
void UndoLastStep(const LauncherParts& parts);
void RedoNextStep(const LauncherParts& parts);

// A caption in quotes, as the status bar names an entry.
Text Quoted(const Text& caption);

}  // namespace kov
