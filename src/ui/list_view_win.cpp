#include "ui/list_view_win.h"

#include <vector>

namespace kov {

int SelectedIconIndex(HWND listView) {
  return static_cast<int>(SendMessageA(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string IconCaption(HWND listView, int index) {
  // LVM_GETITEMTEXT returns the number of characters copied; a result that fills the
  // buffer may have been cut, so the buffer grows until it does not.
  for (std::size_t size = 256;; size *= 2) {
    std::vector<char> buffer(size, '\0');
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const auto copied = static_cast<std::size_t>(
        SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
    if (copied + 1 < size || size >= (1u << 20)) return std::string(buffer.data(), copied);
  }
}

void InsertCallbackIcon(HWND listView, int index) {
  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = LPSTR_TEXTCALLBACKA;
  item.iImage = I_IMAGECALLBACK;
  SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace kov
