#include "ui/search_win.h"

#include <ctime>

namespace kov {

void SearchTyped(const LauncherParts& parts, const Text& typed) {
  if (TrimText(typed, kTrimField).empty()) return EndSearch(parts);
  // The selection is the folder's only when the search starts; later it is a result's,
  // and not asked for: a view with none selected would look at every icon.
  const int folderSelection = parts.model.search ? -1 : parts.view.SelectedIndex();
  SearchFor(parts.model, typed, folderSelection, std::time(nullptr));
  parts.view.ShowResults(parts.model);
}

void EndSearch(const LauncherParts& parts) {
  LauncherModel& model = parts.model;
  if (!model.search) return;
  const int selection = model.search->folderSelection;
  model.search.reset();
  parts.view.ShowFolder(model);
  // The icon selected before the search, or the first: always one to act on.
  const int count = parts.view.Count();
  if (count > 0) parts.view.SelectAndFocus(selection >= 0 && selection < count ? selection : 0);
}

}  // namespace kov
