#include "ui/list_view_win.h"

namespace kov {

namespace {

int NextIcon(HWND listView, int after, UINT flags) {
  return static_cast<int>(SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(after), flags));
}

}  // namespace

// The view counts its selected icons without visiting them; looking for the next one
// visits every icon after it, so a walk over the selected ones stops at the last.

int SelectedIconIndex(HWND listView) {
  if (ListView_GetSelectedCount(listView) == 0) return -1;
  const int focused = NextIcon(listView, -1, LVNI_FOCUSED);
  if (focused >= 0 && ListView_GetItemState(listView, focused, LVIS_SELECTED)) return focused;
  return NextIcon(listView, -1, LVNI_SELECTED);
}

std::vector<int> SelectedIconIndices(HWND listView) {
  std::vector<int> indices;
  const UINT count = ListView_GetSelectedCount(listView);
  for (int index = -1; indices.size() < count && (index = NextIcon(listView, index, LVNI_SELECTED)) >= 0;) {
    indices.push_back(index);
  }
  return indices;
}

void ClearIconSelection(HWND listView, int keep) {
  // One call for all answers a view that has none selected at once, but visits every
  // icon when any is; a few are unselected one by one.
  constexpr UINT kFewestForOneCall = 64;
  const UINT count = ListView_GetSelectedCount(listView);
  if (count >= kFewestForOneCall) {
    ListView_SetItemState(listView, -1, 0, LVIS_SELECTED);
    return;
  }
  for (int index : SelectedIconIndices(listView)) {
    if (index != keep) ListView_SetItemState(listView, index, 0, LVIS_SELECTED);
  }
}

}  // namespace kov
