// Renaming icons in place and moving them within their folder.
#include "app/form1_win.h"
#include "ui/list_view_win.h"
#include "ui/rename.h"

namespace kov {

namespace {

void SetIconCaption(HWND listView, int index, const Text& caption) {
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(listView, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void Form1::LVEditing() {
  editing_ = 1;
  // The caption before the edit is set when the edit is committed; until then a change
  // notification must not write the caption of the last lookup into this icon.
  selected_.caption.clear();
}

bool Form1::LVEdited(int index, Text& text) {
  const Text oldCaption = IconCaption(lv_, index);
  selected_.caption = oldCaption;
  text = ReplaceAll(text, "*", "");
  const RenameResult result = RenameEntry(table_, currentFolder_, oldCaption, text, dirs_);
  if (result.outcome != RenameOutcome::Renamed) return false;
  selected_.caption.clear();
  // The icon shows the name as stored, trimmed, so that lookups by caption find it.
  text = result.name;
  return true;
}

void Form1::LVChange(int index) {
  if (editing_ != 1) return;
  // Cleared first, so the change raised by writing the caption back ends here.
  editing_ = 0;
  const Text& captionBeforeEdit = selected_.caption;
  if (captionBeforeEdit.empty() || index < 0) return;
  if (IconCaption(lv_, index) != captionBeforeEdit) SetIconCaption(lv_, index, captionBeforeEdit);
}

LRESULT Form1::OnEndLabelEdit(NMLVDISPINFOA& edit) {
  const int index = edit.item.iItem;
  if (edit.item.pszText == nullptr) {
    // Cancelled: the icon keeps its caption and the keys work again at once.
    editing_ = 0;
    return FALSE;
  }
  Text text = edit.item.pszText;
  LVEdited(index, text);
  // Writing a different caption raises LVChange, which puts a refused rename's old
  // caption back and ends the edit.
  if (text != IconCaption(lv_, index)) SetIconCaption(lv_, index, text);
  // An unchanged caption raises nothing: end the edit the same way.
  if (editing_ != 0) LVChange(index);
  // The view must not write the text itself: the caption is already what it should be.
  return FALSE;
}

void Form1::moveleftClick(int tag) {
  const int position = SelectedIconIndex(lv_);
  if (position < 0) return;
  const int target = position + (tag == kTagMoveRight ? 1 : -1);
  if (target < 0 || target >= ListView_GetItemCount(lv_)) return;
  if (!ExchangeEntries(table_, currentFolder_, IconCaption(lv_, position), IconCaption(lv_, target))) return;
  ShowFolder(currentFolder_);
  ListView_SetItemState(lv_, target, LVIS_SELECTED, LVIS_SELECTED);
}

}  // namespace kov
