#include "ui/list_view_win.h"

namespace kov {

int SelectedIconIndex(HWND listView) {
  return static_cast<int>(SendMessageA(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace kov
