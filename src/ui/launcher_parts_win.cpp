#include "ui/launcher_parts_win.h"

namespace kov {

int LookUpSelection(const LauncherParts& parts) {
  LauncherModel& model = parts.model;
  model.selected.slot = 0;
  const int index = parts.view.SelectedIndex();
  if (index < 0) return 0;
  if (!model.search) return SelectByCaption(model, parts.view.Caption(index));
  // A found entry is the one its icon stands for, never another of the same caption.
  const std::vector<int>& found = model.search->found;
  if (index >= static_cast<int>(found.size())) return 0;
  model.selected = SelectedEntryAt(model.table, found[static_cast<std::size_t>(index)], model.dirs);
  return model.selected.slot;
}

}  // namespace kov
