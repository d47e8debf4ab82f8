#include "ui/rename_win.h"

#include "ui/menu_change_win.h"
#include "ui/rename.h"

namespace kov {

void StartRenaming(const LauncherParts& parts) {
  const int index = parts.view.SelectedIndex();
  if (index < 0) return;
  if (parts.model.search) return parts.view.Say("Items are renamed in their own folder.");
  SetFocus(parts.view.hwnd());
  // The Unicode form, so that the editor takes typed text in every script.
  SendMessageW(parts.view.hwnd(), LVM_EDITLABELW, static_cast<WPARAM>(index), 0);
}

bool BeginRename(const LauncherParts& parts) {
  // Among found entries from many folders a caption is renamed in its own folder only.
  if (parts.model.search) return false;
  parts.model.editing = true;
  // The caption before the edit is set when the edit is committed; until then a change
  // notification must not write the caption of the last lookup into this icon.
  parts.model.selected.caption.clear();
  return true;
}

namespace {

// What the status bar says when a rename is refused; the old name comes back.
const char* RefusalText(RenameOutcome outcome) {
  switch (outcome) {
    case RenameOutcome::EmptyName:
      return "A name cannot be empty: the old name was kept.";
    case RenameOutcome::DuplicateName:
      return "This folder already holds an item of that name: the old name was kept.";
    case RenameOutcome::BackslashInFolder:
      return "A folder name cannot contain \"\\\": the old name was kept.";
    default:
      return nullptr;
  }
}

// Renames the entry behind the icon to the committed text and leaves in text what the
// icon is to show: the name as stored when the rename is accepted. When it is refused,
// the old caption is kept as the caption before the edit, which IconChanged writes back.
void RenameFromIcon(const LauncherParts& parts, int index, Text& text) {
  LauncherModel& model = parts.model;
  const Text oldCaption = parts.view.Caption(index);
  const int slot = parts.view.SlotOf(index);
  model.selected.caption = oldCaption;
  text = ReplaceAll(text, "*", "");
  RenameResult result;
  RunChange(parts, [&] {
    result = RenameEntry(model.table, model.currentFolder, slot, text, model.dirs);
    const StepPlace place{model.currentFolder, result.slot};
    return StepNote{StepWords{StepKind::Renamed, oldCaption, result.name}, place, place};
  });
  if (result.outcome != RenameOutcome::Renamed) {
    // An edit that changed nothing needs no word.
    const char* why = result.name == oldCaption ? nullptr : RefusalText(result.outcome);
    if (why) parts.view.Say(why);
    return;
  }
  model.selected.caption.clear();
  // The icon shows the name as stored, trimmed.
  text = result.name;
}

}  // namespace

void EndRename(const LauncherParts& parts, int index, const char* committed) {
  if (committed == nullptr) {
    // Cancelled: the icon keeps its caption and the keys work again at once.
    parts.model.editing = false;
    return;
  }
  Text text = committed;
  RenameFromIcon(parts, index, text);
  // Writing a different caption raises IconChanged, which puts a refused rename's old
  // caption back and ends the edit.
  if (text != parts.view.Caption(index)) parts.view.SetCaption(index, text);
  // An unchanged caption raises nothing: end the edit the same way.
  if (parts.model.editing) IconChanged(parts, index);
}

void IconChanged(const LauncherParts& parts, int index) {
  if (!parts.model.editing) return;
  // Cleared first, so the change raised by writing the caption back ends here.
  parts.model.editing = false;
  const Text& captionBeforeEdit = parts.model.selected.caption;
  if (captionBeforeEdit.empty() || index < 0) return;
  if (parts.view.Caption(index) != captionBeforeEdit) parts.view.SetCaption(index, captionBeforeEdit);
}

void MoveSelected(const LauncherParts& parts, int step) {
  FolderView& view = parts.view;
  if (parts.model.search) return view.Say("Items are moved in their own folder.");
  const int position = view.SelectedIndex();
  if (position < 0) return;
  const int target = position + step;
  if (target < 0 || target >= view.Count()) return;
  // The icons know their slots: the move exchanges exactly the two lines they show.
  const int slot = view.SlotOf(position);
  const int targetSlot = view.SlotOf(target);
  const Text& folder = parts.model.currentFolder;
  const auto change = [&] {
    parts.model.table.ExchangeSlots(slot, targetSlot);
    return StepNote{StepWords{StepKind::Moved, view.Caption(position)}, {folder, slot}, {folder, targetSlot}};
  };
  RunChange(parts, change, [&] {
    view.SwapIcons(position, target);
    view.SelectAndFocus(target);
  });
}

}  // namespace kov
