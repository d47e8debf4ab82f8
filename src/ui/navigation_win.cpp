#include "ui/navigation_win.h"

#include <ctime>

#include "ui/relink_win.h"
#include "ui/search_win.h"

namespace kov {

void OpenSelected(const LauncherParts& parts, bool elevated) {
  if (LookUpSelection(parts) == 0) return;
  LauncherModel& model = parts.model;
  const SelectedEntry& entry = model.selected;
  if (entry.kind == kVirtualFolder) {
    // A folder found by a search opens where it lies, and the search ends.
    if (model.search) model.currentFolder = entry.folder;
    model.search.reset();
    EnterFolder(model, entry.target);
    parts.view.ShowFolder(model);
    // Its first icon is selected and the keys act on it at once, however the folder
    // was entered: from the view, or from the search field.
    if (parts.view.Count() > 0) parts.view.SelectAndFocus(0);
    SetFocus(parts.view.hwnd());
  } else if (entry.kind == kDirectory) {
    ShellOpen(MakeAbsolute(entry.target, model.dirs), parts.shell);
    CountSelectedStart(model, std::time(nullptr));
  } else if (StartProgram(parts.window, entry.target, entry.parameters, elevated, model.dirs, parts.shell) ==
             StartOutcome::TargetMissing) {
    OfferToLocate(parts, MakeAbsolute(entry.target, model.dirs));
  } else {
    CountSelectedStart(model, std::time(nullptr));
  }
}

void StartFirstFound(const LauncherParts& parts) {
  if (!parts.model.search || parts.model.search->found.empty()) return;
  parts.view.SelectAndFocus(0);
  OpenSelected(parts, false);
}

void GoBack(const LauncherParts& parts) {
  LauncherModel& model = parts.model;
  // Back from the found entries is back to the folder the search started in.
  if (model.search) return EndSearch(parts);
  const std::optional<Text> left = LeaveFolder(model);
  if (!left) return;
  parts.view.ShowFolder(model);
  // The arrow keys go on from the folder just left.
  const int position = FolderIconPosition(model.table, model.dirs, model.currentFolder, *left);
  if (position >= 0) parts.view.SelectAndFocus(position);
}

}  // namespace kov
