#include "ui/entry_commands_win.h"

#include <algorithm>

#include "store/file_system.h"
#include "ui/command_tags.h"
#include "ui/commands.h"
#include "util/dialogs_win.h"

namespace kov {

// Only a right click of the mouse reaches here; the keyboard's menu key shows nothing.
int ChooseFromContextMenu(const LauncherParts& parts, ContextMenu& menu, int dpi) {
  if (LookUpSelection(parts) == 0) return 0;
  POINT cursor{};
  GetCursorPos(&cursor);
  return menu.Track(parts.window, cursor, parts.model.selected.kind, dpi);
}

void ShowEntryLocation(const LauncherParts& parts, int tag) {
  if (LookUpSelection(parts) == 0 || parts.model.selected.kind == kVirtualFolder) return;
  const Text path = EntryLocation(parts.model.selected.target, parts.model.dirs, FileExists);
  if (tag == kTagOpenFileLocation) {
    OpenInExplorer(parts.window, SelectInExplorerParameter(path), parts.shell);
  } else {
    ShowProperties(path, parts.shell);
  }
}

// Only the stored line changes: the view shows no parameters, so it is not redrawn.
void EditExecutionParameters(const LauncherParts& parts) {
  const int slot = LookUpSelection(parts);
  if (slot == 0 || parts.model.selected.kind == kVirtualFolder) return;
  Text typed;
  if (!InputWithHistory(parts.window, "Execution parameters", parts.model.selected.parameters, typed)) return;
  EntryTable& table = parts.model.table;
  if (slot > table.Count()) return;
  table.SetSlot(slot, LineWithParameters(table.Slot(slot), typed));
}

void DeleteSelected(const LauncherParts& parts) {
  if (parts.model.editing || LookUpSelection(parts) == 0) return;
  // The question's modal loop may see the view's notifications; delete what was asked about.
  const SelectedEntry asked = parts.model.selected;
  const int position = parts.view.SelectedIndex();
  if (ConfirmDialog(parts.window, "Warning", "Delete Item ?", MessageType::Warning, kButtonYes | kButtonNo,
                    kResultNo) != kResultYes) {
    return;
  }
  DeleteFromTable(parts.model.table, asked.folder, asked);
  if (parts.model.search) {
    RefreshSearch(parts.model);
    parts.view.ShowResults(parts.model);
  } else {
    parts.view.ShowFolder(parts.model);
  }
  // The icon that took the deleted one's place, or the new last one, is selected.
  const int count = parts.view.Count();
  if (count > 0) parts.view.SelectAndFocus(std::min(position, count - 1));
}

}  // namespace kov
