// The steps of a session that changed the menu, each undoable and redoable in turn: one
// step per command, however many lines it touched.
#pragma once

#include <cstddef>
#include <vector>

#include "store/entry_table.h"

namespace kov {

// Where a step happened: the folder on show and the slot of the entry it touched (0 for
// none), as the table stood before the step or after it.
struct StepPlace {
  Text folder;
  int slot = 0;
};

struct UndoStep {
  Text what;  // the step in a user's words: "delete of "Tools" and its 12 entries"
  StepPlace before;
  StepPlace after;
  TableChanges changes;
};

class UndoHistory {
 public:
  // A new step; the steps that could have been redone go.
  void Add(UndoStep step);

  // Takes the table back over the last step done and returns it; nullptr when there is
  // none.
  const UndoStep* Undo(EntryTable& table);
  // Brings the table forward over the step last undone; nullptr when there is none.
  const UndoStep* Redo(EntryTable& table);

 private:
  std::vector<UndoStep> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) are done, the rest undone
};

}  // namespace kov
