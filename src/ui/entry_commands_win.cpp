#include "ui/entry_commands_win.h"

#include <commctrl.h>

#include <algorithm>

#include "store/file_system.h"
#include "ui/command_tags.h"
#include "ui/clipboard_commands_win.h"
#include "ui/commands.h"
#include "ui/menu_change_win.h"
#include "util/dialogs_win.h"

namespace kov {

namespace {

// Below the selected icon's picture, on the screen, as a list places its menu for the
// keyboard.
POINT BelowSelectedIcon(const FolderView& view) {
  RECT bounds{};
  ListView_GetItemRect(view.hwnd(), view.SelectedIndex(), &bounds, LVIR_ICON);
  POINT point{(bounds.left + bounds.right) / 2, bounds.bottom};
  ClientToScreen(view.hwnd(), &point);
  return point;
}

}  // namespace

Command ChooseFromContextMenu(const LauncherParts& parts, ContextMenu& menu, int dpi, bool byKeyboard) {
  MenuPlace place;
  place.overIcon = LookUpSelection(parts) != 0;
  place.entryKind = parts.model.selected.kind;
  place.targetMissing = place.overIcon && parts.view.TargetMissing(parts.view.SelectedIndex());
  place.canPaste = CanPaste(parts);
  POINT point{};
  if (byKeyboard && place.overIcon) {
    ListView_EnsureVisible(parts.view.hwnd(), parts.view.SelectedIndex(), FALSE);
    point = BelowSelectedIcon(parts.view);
  } else if (byKeyboard) {
    // Over the view's empty space: at its top left, inside it.
    const int inset = GetSystemMetrics(SM_CXICON) / 2;
    point = {inset, inset};
    ClientToScreen(parts.view.hwnd(), &point);
  } else {
    GetCursorPos(&point);
  }
  return menu.Track(parts.window, point, place, dpi);
}

void ShowEntryLocation(const LauncherParts& parts, Command command) {
  if (LookUpSelection(parts) == 0 || parts.model.selected.kind == kVirtualFolder) return;
  const Text path = EntryLocation(parts.model.selected.target, parts.model.dirs, FileExists);
  if (command == Command::OpenFileLocation) {
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
  RunChange(parts, [&] {
    table.SetSlot(slot, LineWithParameters(table.Slot(slot), typed));
    const StepPlace place{parts.model.selected.folder, slot};
    return StepNote{StepWords{StepKind::NewParameters, parts.model.selected.caption}, place, place};
  });
}

void DeleteSelected(const LauncherParts& parts) {
  if (parts.model.editing || LookUpSelection(parts) == 0) return;
  // The question's modal loop may see the view's notifications; delete what was asked about.
  const SelectedEntry asked = parts.model.selected;
  const std::vector<int> slots = parts.view.SelectedSlots();
  const std::vector<int> positions = parts.view.SelectedIndices();
  const auto count = static_cast<int>(slots.size());
  const Text question = count == 1 ? Text("Delete Item ?") : "Delete " + IntText(count) + " items ?";
  if (ConfirmDialog(parts.window, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) !=
      kResultYes) {
    return;
  }
  const auto change = [&] {
    const int inside = DeleteEntries(parts.model.table, slots, parts.model.dirs);
    const StepWords words = StepWords{StepKind::Deleted, asked.caption, Text(), inside}.Of(count);
    return StepNote{words, {asked.folder, asked.slot}, {asked.folder, 0}};
  };
  // The icon that took the first deleted one's place, or the new last one, is selected.
  RunChange(parts, change, [&] { ShowAgain(parts, positions.front()); });
}

}  // namespace kov
