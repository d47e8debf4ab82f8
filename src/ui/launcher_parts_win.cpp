#include "ui/launcher_parts_win.h"

namespace kov {

int LookUpSelection(const LauncherParts& parts) {
  parts.model.selected.slot = 0;
  const int index = parts.view.SelectedIndex();
  if (index < 0) return 0;
  return SelectByCaption(parts.model, parts.view.Caption(index));
}

}  // namespace kov
