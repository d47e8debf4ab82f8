// A change of the menu as one step of the session: what it does to the table is
// recorded for undo, the save is asked for, and a search going on sees the new table.
#pragma once

#include <functional>

#include "ui/arrange.h"
#include "ui/launcher_parts_win.h"
#include "ui/step_words.h"

namespace kov {

// What a change tells of itself: what it did, in the words the status bar says it in,
// and where it happened, before and after.
struct StepNote {
  StepWords words;
  StepPlace before;
  StepPlace after;
};

// Runs change on the model's table as one step; then show draws the view as the step
// left it, and the status bar says what was done and how to take it back. A change that
// leaves the table as it was is no step, and shows and says nothing; false then.
bool RunChange(const LauncherParts& parts, const std::function<StepNote()>& change,
               const std::function<void()>& show = nullptr);

// Says what a move of entries left where they were, after what it did or alone.
void SayMoveRefusal(const LauncherParts& parts, const EntriesMove& move);

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

}  // namespace kov
