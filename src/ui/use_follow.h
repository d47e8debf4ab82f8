// Use scores follow their entries through the menu's changes: a rename, a move to
// another folder, a rename or move of their folder, and an undo or redo of any of these.
// An entry deleted takes its score with it.
#pragma once

#include "store/table_changes.h"
#include "store/use_scores.h"

namespace kov {

// Moves the scores over the lines that the changes rewrote (from the line before to the
// line after; back again when the changes were undone) and drops those of the lines
// they removed.
void FollowChanges(UseScores& scores, const TableChanges& changes, bool undone);

}  // namespace kov
