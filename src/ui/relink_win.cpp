#include "ui/relink_win.h"

#include <commdlg.h>

#include "store/file_system.h"
#include "ui/menu_change_win.h"
#include "ui/relink.h"
#include "util/dialogs_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

EntryKind KindOf(const Text& path) { return PathKindOf(path) == PathKind::Directory ? kDirectory : kProgram; }

// The entry of the icon leads to path from now on, as one step; the icon shows it.
void Relink(const LauncherParts& parts, int index, const Text& path) {
  LauncherModel& model = parts.model;
  const int slot = parts.view.SlotOf(index);
  if (slot < 1 || slot > model.table.Count()) return;
  const EntryView entry = ReadEntry(model.table.Slot(slot));
  const auto change = [&] {
    model.table.SetSlot(slot, RelinkedLine(model.table.Slot(slot), {path, KindOf(path)}, model.dirs));
    const StepPlace place{entry.folder, slot};
    return StepNote{StepWords{StepKind::NewTarget, entry.caption}, place, place};
  };
  RunChange(parts, change, [&] {
    ShowAgain(parts, index);
    // What the view knew of the new target may be from before it was there.
    parts.view.RedrawImage(index);
  });
}

}  // namespace

bool OfferRelink(const LauncherParts& parts, int index, const std::vector<Text>& dropped) {
  if (dropped.size() != 1 || !parts.view.TargetMissing(index)) return false;
  const EntryView entry = parts.view.EntryAt(index);
  const Text question = Quoted(entry.caption) + " leads to\r\n" + TargetPath(entry.target, parts.model.dirs) +
                        "\r\nwhich is not there.\r\n\r\nLet it lead to\r\n" + dropped.front() +
                        "\r\ninstead? Its name, parameters and place stay as they are.";
  if (ConfirmDialog(parts.window, "Missing target", question, MessageType::Information, kButtonYes | kButtonNo,
                    kResultYes) != kResultYes) {
    return false;
  }
  Relink(parts, index, dropped.front());
  return true;
}

void LocateTarget(const LauncherParts& parts) {
  const int index = parts.view.SelectedIndex();
  if (!parts.view.TargetMissing(index)) return;
  const EntryView entry = parts.view.EntryAt(index);
  const std::wstring folder = WideText(NearestExistingFolder(TargetPath(entry.target, parts.model.dirs), FileExists));
  const std::wstring title = WideText("Locate " + entry.caption);
  std::wstring chosen(32768, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = parts.window;
  dialog.lpstrFilter = L"All files\0*.*\0";
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = static_cast<DWORD>(chosen.size());
  dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  dialog.lpstrTitle = title.c_str();
  // The working folder stays the process's current directory whatever the dialog visits.
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&dialog)) return;
  chosen.resize(chosen.find(L'\0'));
  Relink(parts, index, Utf8Text(chosen));
}

void OfferToLocate(const LauncherParts& parts, const Text& pathTried) {
  parts.view.RedrawImage(parts.view.SelectedIndex());
  const Text question = "File not found\r\n" + pathTried + "\r\n\r\nLocate it now?";
  if (ConfirmDialog(parts.window, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultYes) ==
      kResultYes) {
    LocateTarget(parts);
  }
}

}  // namespace kov
