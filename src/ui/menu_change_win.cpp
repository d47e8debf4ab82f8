#include "ui/menu_change_win.h"

#include <algorithm>
#include <ctime>
#include <optional>

#include "ui/use_follow.h"

namespace kov {

namespace {

// Stops recording however the change ends.
class Recording {
 public:
  Recording(EntryTable& table, TableChanges& changes) : table_(table) { table_.RecordChangesIn(&changes); }
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;
  ~Recording() { table_.RecordChangesIn(nullptr); }

 private:
  EntryTable& table_;
};

// Runs change as one step of the history; false when it changed nothing.
std::optional<StepNote> RecordStep(LauncherModel& model, const std::function<StepNote()>& change) {
  UndoStep step;
  StepNote note;
  {
    const Recording recording(model.table, step.changes);
    note = change();
  }
  if (step.changes.Empty()) return std::nullopt;
  FollowChanges(model.scores, step.changes, false);
  step.what = StepName(note.words);
  step.before = std::move(note.before);
  step.after = std::move(note.after);
  model.history.Add(std::move(step));
  TableChanged(model, std::time(nullptr));
  return note;
}

// True when the table still has the folder: its entry in the folder above, or entries
// of its own.
bool HasFolder(const LauncherModel& model, const Text& folder) {
  if (folder.empty() || !FolderSlots(model.table, folder).empty()) return true;
  const Text parent = ParentFolder(folder);
  const Text name = folder.substr(parent.size(), folder.size() - parent.size() - 1);
  return FolderIconPosition(model.table, model.dirs, parent, name) >= 0;
}

}  // namespace

bool RunChange(const LauncherParts& parts, const std::function<StepNote()>& change, const std::function<void()>& show) {
  const std::optional<StepNote> note = RecordStep(parts.model, change);
  if (!note) return false;
  parts.menuFile.Changed();
  if (show) show();
  parts.view.Say(DoneSentence(note->words));
  return true;
}

void SayMoveRefusal(const LauncherParts& parts, const EntriesMove& move) {
  const Text why = MoveRefusal(move);
  if (why.empty()) return;
  if (move.outcome == MoveOutcome::Moved) {
    parts.view.SayAlso(why);
  } else {
    parts.view.Say(why);
  }
}

void ShowMenuFromFile(const LauncherParts& parts, EntryTable fileMenu) {
  LauncherModel& model = parts.model;
  const Text before = model.currentFolder;
  const std::optional<StepNote> note = RecordStep(model, [&] {
    model.table.ReplaceWith(std::move(fileMenu));
    if (!HasFolder(model, model.currentFolder)) model.currentFolder.clear();
    return StepNote{StepWords{StepKind::Reloaded}, {before, 0}, {model.currentFolder, 0}};
  });
  if (model.search) {
    parts.view.ShowResults(model);
  } else {
    parts.view.ShowFolder(model);
  }
  parts.view.Say(note ? DoneSentence(note->words) : Text(kMenuReloadedNotice));
}

void ShowPlace(const LauncherParts& parts, const StepPlace& place) {
  LauncherModel& model = parts.model;
  // Emptying the field ends the search; the place is then shown as a folder.
  parts.searchField.Clear();
  model.search.reset();
  model.currentFolder = place.folder;
  parts.view.ShowFolder(model);
  const std::vector<int> slots = FolderSlots(model.table, model.currentFolder);
  const auto found = std::find(slots.begin(), slots.end(), place.slot);
  if (found != slots.end()) parts.view.SelectAndFocus(static_cast<int>(found - slots.begin()));
  SetFocus(parts.view.hwnd());
}

namespace {

// Shows where a step undone or redone happened and says so; step is nullptr when there
// was none to take.
void ShowStepTaken(const LauncherParts& parts, const UndoStep* step, bool undone) {
  if (!step) return parts.view.Say(undone ? "Nothing to undo." : "Nothing to redo.");
  FollowChanges(parts.model.scores, step->changes, undone);
  TableChanged(parts.model, std::time(nullptr));
  ShowPlace(parts, undone ? step->before : step->after);
  parts.view.Say((undone ? "Undone: " : "Redone: ") + step->what);
  parts.menuFile.Changed();
}

}  // namespace

void UndoLastStep(const LauncherParts& parts) {
  ShowStepTaken(parts, parts.model.history.Undo(parts.model.table), true);
}

void RedoNextStep(const LauncherParts& parts) {
  ShowStepTaken(parts, parts.model.history.Redo(parts.model.table), false);
}

}  // namespace kov
