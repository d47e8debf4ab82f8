#include "ui/view_drawn_once_win.h"

#include <initializer_list>

namespace kov {

ViewDrawnOnce::ViewDrawnOnce(HWND view)
    : view_(view), before_(ScrollBarsOf(view)), shown_((GetWindowLongPtrW(view, GWL_STYLE) & WS_VISIBLE) != 0) {
  DefWindowProcW(view_, WM_SETREDRAW, FALSE, 0);
  SendMessageW(view_, WM_SETREDRAW, FALSE, 0);
}

void ViewDrawnOnce::UpdateRange() {
  SendMessageW(view_, WM_SETREDRAW, TRUE, 0);
  // The view's handler may have made the window visible again.
  DefWindowProcW(view_, WM_SETREDRAW, FALSE, 0);
  rangeUpdated_ = true;
}

ViewDrawnOnce::~ViewDrawnOnce() {
  if (!rangeUpdated_) UpdateRange();
  // A view hidden before stays hidden.
  if (!shown_) return;
  DefWindowProcW(view_, WM_SETREDRAW, TRUE, 0);
  // The frame, and the scroll bars in it, are drawn again only when a bar has changed.
  UINT parts = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
  if (!SameBars(ScrollBarsOf(view_), before_)) parts |= RDW_FRAME;
  RedrawWindow(view_, nullptr, nullptr, parts);
}

ViewDrawnOnce::ScrollBars ViewDrawnOnce::ScrollBarsOf(HWND view) {
  ScrollBars bars;
  for (SCROLLINFO* bar : {&bars.vertical, &bars.horizontal}) {
    bar->cbSize = sizeof(SCROLLINFO);
    bar->fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  }
  // A window without a bar reports nothing, and its record stays empty.
  if (!GetScrollInfo(view, SB_VERT, &bars.vertical)) bars.vertical = {};
  if (!GetScrollInfo(view, SB_HORZ, &bars.horizontal)) bars.horizontal = {};
  return bars;
}

bool ViewDrawnOnce::SameBars(const ScrollBars& one, const ScrollBars& other) {
  const auto same = [](const SCROLLINFO& a, const SCROLLINFO& b) {
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
  };
  return same(one.vertical, other.vertical) && same(one.horizontal, other.horizontal);
}

}  // namespace kov
