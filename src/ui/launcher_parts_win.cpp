#include "ui/launcher_parts_win.h"

namespace kov {

int LookUpSelection(const LauncherParts& parts) {
  LauncherModel& model = parts.model;
  model.selected.slot = 0;
  // The entry is the one its icon stands for, never another of the same caption.
  const int slot = parts.view.SlotOf(parts.view.SelectedIndex());
  if (slot < 1 || slot > model.table.Count()) return 0;
  model.selected = SelectedEntryAt(model.table, slot, model.dirs);
  return slot;
}

}  // namespace kov
