#include "ui/launcher_model.h"

namespace kov {

void EnterFolder(LauncherModel& model, const Text& folderName) { model.currentFolder += folderName + "\\"; }

bool LeaveFolder(LauncherModel& model) {
  if (model.currentFolder.empty()) return false;
  model.currentFolder = ParentFolder(model.currentFolder);
  return true;
}

int SelectByCaption(LauncherModel& model, const Text& caption) {
  model.selected = FindEntryByCaption(model.table, model.currentFolder, caption, model.dirs);
  return model.selected.slot;
}

}  // namespace kov
