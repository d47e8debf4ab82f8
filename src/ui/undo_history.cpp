#include "ui/undo_history.h"

namespace kov {

void UndoHistory::Add(UndoStep step) {
  steps_.resize(done_);
  steps_.push_back(std::move(step));
  done_ = steps_.size();
}

const UndoStep* UndoHistory::Undo(EntryTable& table) {
  if (done_ == 0) return nullptr;
  UndoStep& step = steps_[--done_];
  table.Undo(step.changes);
  return &step;
}

const UndoStep* UndoHistory::Redo(EntryTable& table) {
  if (done_ == steps_.size()) return nullptr;
  UndoStep& step = steps_[done_++];
  table.Redo(step.changes);
  return &step;
}

}  // namespace kov
