#include "ui/launcher_parts_win.h"

#include <algorithm>

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

void ShowAgain(const LauncherParts& parts, int index) {
  if (parts.model.search) {
    parts.view.ShowResults(parts.model);
  } else {
    parts.view.ShowFolder(parts.model);
  }
  const int count = parts.view.Count();
  if (count > 0) parts.view.SelectAndFocus(std::min(index, count - 1));
}

}  // namespace kov
