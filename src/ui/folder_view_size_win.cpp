// The icon view at each size of its icons: the image list, the spacing, and what stays
// in sight when the size steps.
#include "ui/folder_view_win.h"

#include <algorithm>

#include "ui/list_view_win.h"
#include "ui/view_drawn_once_win.h"
#include "util/dpi_win.h"
#include "util/first_passing.h"

namespace kov {

// Every icon's image is looked up again, in the new list, when it is next drawn.
bool FolderView::ApplyIconSize() {
  if (!images_.Reset(Scaled(iconSize_, dpi_), colors_.view)) return false;
  // The images found so far were of the old size and background.
  targetImages_.clear();
  for (Icon& icon : icons_) icon.image = -1;
  ListView_SetImageList(list_, images_.List(), LVSIL_NORMAL);
  const IconSpacing spacing = SpacingFor(iconSize_);
  ListView_SetIconSpacing(list_, Scaled(spacing.across, dpi_), Scaled(spacing.down, dpi_));
  return true;
}

namespace {

// Whether any of the icon shows in the view once it has scrolled down by down pixels.
bool InSight(HWND view, int index, int down = 0) {
  RECT bounds{};
  RECT client{};
  RECT both{};
  GetClientRect(view, &client);
  OffsetRect(&client, 0, down);
  return ListView_GetItemRect(view, index, &bounds, LVIR_BOUNDS) && IntersectRect(&both, &bounds, &client);
}

// The scroll down that brings the icon wholly into sight, its row at the top or the
// bottom, from the view scrolled down by down pixels.
int DownToShow(HWND view, int index, int down) {
  RECT bounds{};
  RECT client{};
  GetClientRect(view, &client);
  ListView_GetItemRect(view, index, &bounds, LVIR_BOUNDS);
  if (bounds.top < client.top + down) return bounds.top - client.top;
  if (bounds.bottom > client.bottom + down) return std::min<int>(bounds.bottom - client.bottom, bounds.top - client.top);
  return down;
}

}  // namespace

bool FolderView::ShowIconSize(int size) {
  if (size == iconSize_) return true;
  // A view not scrolled shows the first icon at the top, and keeps it there: the search
  // for the first icon in sight, a dozen calls into the view, is made only when scrolled.
  const int scrolled = GetScrollPos(list_, SB_VERT);
  const int top = scrolled > 0 ? FirstIconInSight() : 0;
  const int focused = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  const bool focusedInSight = focused >= 0 && InSight(list_, focused);
  iconSize_ = size;
  ViewDrawnOnce drawnOnce(list_);
  const bool applied = ApplyIconSize();
  ListView_Arrange(list_, LVA_DEFAULT);
  int down = 0;
  if (applied && scrolled > 0 && top < Count()) {
    // The row of the icon that was at the top comes to the top, where the first row
    // stands when the view is not scrolled (the view scrolls by pixels in this mode).
    RECT first{};
    RECT bounds{};
    ListView_GetItemRect(list_, 0, &first, LVIR_BOUNDS);
    ListView_GetItemRect(list_, top, &bounds, LVIR_BOUNDS);
    down = bounds.top - first.top - GetScrollPos(list_, SB_VERT);
  }
  // The focused icon, in sight before, stays in sight: one scroll for both.
  if (applied && focusedInSight && !InSight(list_, focused, down)) down = DownToShow(list_, focused, down);
  // Scrolled once the view has taken its new range: before, it may stop short at the old
  // one, and the new one may have moved it already. A scroll of nothing is not asked for.
  const int place = GetScrollPos(list_, SB_VERT) + down;
  drawnOnce.UpdateRange();
  const int rest = place - GetScrollPos(list_, SB_VERT);
  if (rest != 0) ListView_Scroll(list_, 0, rest);
  return applied;
}

// Icons stand in rows in their order, so whether an icon's row reaches into sight goes
// from no to yes once along the icons. Each look is a call into the view, a quarter of a
// millisecond under Wine: the search looks first at the icon reckoned from the scroll
// position, the rows' height and how many icons the view's width takes.
int FolderView::FirstIconInSight() const {
  const IconSpacing spacing = SpacingFor(iconSize_);
  const int rowHeight = std::max(1, Scaled(spacing.down, dpi_));
  RECT client{};
  GetClientRect(list_, &client);
  const int perRow = std::max(1, static_cast<int>(client.right) / std::max(1, Scaled(spacing.across, dpi_)));
  const int guess = GetScrollPos(list_, SB_VERT) / rowHeight * perRow;
  return FirstPassing(Count(), guess, [this, rowHeight](int index) {
    RECT bounds{};
    ListView_GetItemRect(list_, index, &bounds, LVIR_BOUNDS);
    return bounds.top + rowHeight > 0;
  });
}

std::pair<Command, int> FolderView::ZoomOfWheel(int delta) {
  wheelDelta_ += delta;
  const int notches = wheelDelta_ / WHEEL_DELTA;
  wheelDelta_ -= notches * WHEEL_DELTA;
  return {notches > 0 ? Command::ZoomIn : Command::ZoomOut, notches > 0 ? notches : -notches};
}

}  // namespace kov
