#include "ui/list_view_win.h"

namespace kov {

namespace {

int NextIcon(HWND listView, int after, UINT flags) {
  return static_cast<int>(SendMessageW(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(after), flags));
}

}  // namespace

int SelectedIconIndex(HWND listView) {
  const int focused = NextIcon(listView, -1, LVNI_FOCUSED);
  if (focused >= 0 && ListView_GetItemState(listView, focused, LVIS_SELECTED)) return focused;
  return NextIcon(listView, -1, LVNI_SELECTED);
}

std::vector<int> SelectedIconIndices(HWND listView) {
  std::vector<int> indices;
  for (int index = NextIcon(listView, -1, LVNI_SELECTED); index >= 0; index = NextIcon(listView, index, LVNI_SELECTED)) {
    indices.push_back(index);
  }
  return indices;
}

}  // namespace kov
