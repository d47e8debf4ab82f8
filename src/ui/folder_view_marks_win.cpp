// What the icon view marks on its icons: the selection, the icons cut, and the folder a
// drag would drop into.
#include "ui/folder_view_win.h"

#include <algorithm>

#include "ui/list_view_win.h"
#include "util/dpi_win.h"

namespace kov {

int FolderView::SelectedIndex() const { return SelectedIconIndex(list_); }

std::vector<int> FolderView::SelectedIndices() const { return SelectedIconIndices(list_); }

std::vector<int> FolderView::SelectedSlots() const {
  std::vector<int> slots;
  for (int index : SelectedIndices()) slots.push_back(SlotOf(index));
  return slots;
}

int FolderView::SelectedCount() const { return static_cast<int>(ListView_GetSelectedCount(list_)); }

namespace {

// Veils the icon's picture in the view's colour, as a cut icon looks until the paste; the
// same in every look, whatever kind of image the picture is.
void VeilPicture(HWND view, HDC dc, int index, COLORREF color) {
  RECT picture{};
  ListView_GetItemRect(view, index, &picture, LVIR_ICON);
  MemoryDcHandle source(CreateCompatibleDC(dc));
  BitmapHandle pixel(CreateCompatibleBitmap(dc, 1, 1));
  SelectedObject chosen(source.get(), pixel.get());
  SetPixel(source.get(), 0, 0, color);
  const BLENDFUNCTION veil{AC_SRC_OVER, 0, 150, 0};
  GdiAlphaBlend(dc, picture.left, picture.top, picture.right - picture.left, picture.bottom - picture.top,
                source.get(), 0, 0, 1, 1, veil);
}

}  // namespace

// A view without icons of its own keeps no drop-target state for them: the icon a drag
// would drop into is drawn here, its caption and its bounds in the selection's colours.
// A cut icon's caption is drawn in the colour of unavailable text, its picture veiled.
LRESULT FolderView::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
  // The light look leaves a selection to the view, which draws it in the system's colours.
  if (dropTarget_ < 0 && cutSlots_.empty() && !colors_.dark) return CDRF_DODEFAULT;
  const auto index = static_cast<int>(draw.nmcd.dwItemSpec);
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      if (index != dropTarget_) {
        if (IsCut(index)) draw.clrText = colors_.faintText;
        // The view puts the system's colours over those of a selected icon: it is
        // drawn as not selected, in the selection's colours.
        if (colors_.dark && (draw.nmcd.uItemState & CDIS_SELECTED)) {
          draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED);
          draw.clrText = colors_.selectionText;
          draw.clrTextBk = colors_.selection;
        }
        return IsCut(index) ? CDRF_NOTIFYPOSTPAINT : CDRF_DODEFAULT;
      }
      draw.clrText = colors_.selectionText;
      draw.clrTextBk = colors_.selection;
      return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT: {
      if (index != dropTarget_) {
        VeilPicture(list_, draw.nmcd.hdc, index, colors_.view);
        return CDRF_DODEFAULT;
      }
      RECT bounds{};
      ListView_GetItemRect(list_, index, &bounds, LVIR_BOUNDS);
      BrushHandle edge(CreateSolidBrush(colors_.selection));
      for (int ring = 0; ring < Scaled(2, DpiOf(list_)); ++ring) {
        FrameRect(draw.nmcd.hdc, &bounds, edge.get());
        InflateRect(&bounds, -1, -1);
      }
      return CDRF_DODEFAULT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void FolderView::ShowDropTarget(int index) {
  if (index == dropTarget_) return;
  const int before = dropTarget_;
  dropTarget_ = index;
  if (before >= 0) ListView_RedrawItems(list_, before, before);
  if (index >= 0) ListView_RedrawItems(list_, index, index);
}

void FolderView::SelectAndFocus(int index) {
  ClearSelection();
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, index, both, both);
  // Shift with an arrow or a click selects from here.
  ListView_SetSelectionMark(list_, index);
  ListView_EnsureVisible(list_, index, FALSE);
}

void FolderView::SelectSlots(std::vector<int> slots) {
  ClearSelection();
  std::sort(slots.begin(), slots.end());
  bool first = true;
  for (int index = 0; index < Count(); ++index) {
    if (!std::binary_search(slots.begin(), slots.end(), SlotOf(index))) continue;
    const UINT state = LVIS_SELECTED | (first ? LVIS_FOCUSED : 0u);
    ListView_SetItemState(list_, index, state, state);
    if (first) ListView_SetSelectionMark(list_, index);
    if (first) ListView_EnsureVisible(list_, index, FALSE);
    first = false;
  }
}

void FolderView::SelectAll() { ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED); }

void FolderView::ClearSelection() { ClearIconSelection(list_); }

void FolderView::MarkCut(std::vector<int> slots) {
  std::sort(slots.begin(), slots.end());
  if (slots.empty() && cutSlots_.empty()) return;
  cutSlots_ = std::move(slots);
  InvalidateRect(list_, nullptr, FALSE);
}

bool FolderView::IsCut(int index) const {
  return !cutSlots_.empty() && std::binary_search(cutSlots_.begin(), cutSlots_.end(), SlotOf(index));
}

}  // namespace kov
