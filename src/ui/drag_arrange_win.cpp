#include "ui/drag_arrange_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/arrange.h"
#include "ui/menu_change_win.h"

namespace kov {

namespace {

constexpr UINT_PTR kDragSubclass = 2;

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

// The icon whose bounds hold the point; -1 when none.
int IconAt(HWND view, POINT point) {
  LVHITTESTINFO hit{};
  hit.pt = point;
  return ListView_HitTest(view, &hit);
}

RECT IconBounds(HWND view, int index) {
  RECT bounds{};
  ListView_GetItemRect(view, index, &bounds, LVIR_BOUNDS);
  return bounds;
}



}  // namespace

void DragArrange::Begin(const LauncherParts& parts, int index, ToolButton& back) {
  if (!dragged_.empty() || parts.model.editing || index < 0) return;
  parts_.emplace(parts);
  back_ = &back;
  dragged_ = parts.view.SelectedIndices();
  if (std::find(dragged_.begin(), dragged_.end(), index) == dragged_.end()) dragged_ = {index};
  HWND view = parts.view.hwnd();
  SetWindowSubclass(view, Track, kDragSubclass, reinterpret_cast<DWORD_PTR>(this));
  SetCapture(view);
}

LRESULT CALLBACK DragArrange::Track(HWND view, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  if (reinterpret_cast<DragArrange*>(self)->OnMessage(message, wParam, lParam)) return 0;
  return DefSubclassProc(view, message, wParam, lParam);
}

// The view's messages while an icon is dragged; true when the drag took the message.
bool DragArrange::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      Show(TargetAt(PointOf(lParam)));
      return true;
    case WM_LBUTTONUP: {
      const std::vector<int> dragged = dragged_;
      const Target target = TargetAt(PointOf(lParam));
      End();
      Drop(target, dragged);
      return true;
    }
    case WM_KEYDOWN:
      if (wParam != VK_ESCAPE) return true;
      End();
      return true;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != parts_->view.hwnd()) End();
      return false;
    case WM_NCDESTROY:
      End();
      return false;
    default:
      return false;
  }
}

DragArrange::Target DragArrange::TargetAt(POINT point) const {
  HWND view = parts_->view.hwnd();
  POINT onScreen = point;
  ClientToScreen(view, &onScreen);
  RECT backBounds{};
  GetWindowRect(back_->hwnd(), &backBounds);
  if (PtInRect(&backBounds, onScreen)) return parts_->model.currentFolder.empty() ? Target{} : Target{Target::Up};
  RECT client{};
  GetClientRect(view, &client);
  if (!PtInRect(&client, point)) return {};
  const int index = IconAt(view, point);
  if (index >= 0 && !IsDragged(index) && IsFolderIcon(index)) {
    // The middle half of a folder's icon drops into it; its sides place beside it.
    const RECT bounds = IconBounds(view, index);
    const LONG quarter = (bounds.right - bounds.left) / 4;
    if (point.x >= bounds.left + quarter && point.x < bounds.right - quarter) return {Target::Into, index};
  }
  return PlaceNear(point);
}

// The place between icons nearest the point: before the icon under it or just right of
// it, after the icon just left of it, or after the last icon.
DragArrange::Target DragArrange::PlaceNear(POINT point) const {
  HWND view = parts_->view.hwnd();
  const int index = IconAt(view, point);
  if (index >= 0) {
    const RECT bounds = IconBounds(view, index);
    return {Target::Before, point.x < (bounds.left + bounds.right) / 2 ? index : index + 1};
  }
  const int reach = LOWORD(ListView_GetItemSpacing(view, FALSE)) / 2;
  if (const int right = IconAt(view, {point.x + reach, point.y}); right >= 0) return {Target::Before, right};
  if (const int left = IconAt(view, {point.x - reach, point.y}); left >= 0) return {Target::Before, left + 1};
  return {Target::Before, parts_->view.Count()};
}

// Read from the icon's own line: a mouse move never scans the table.
bool DragArrange::IsFolderIcon(int index) const { return parts_->view.EntryAt(index).kind == kVirtualFolder; }

bool DragArrange::IsDragged(int index) const {
  return std::find(dragged_.begin(), dragged_.end(), index) != dragged_.end();
}

// Marks where the icon would go: a folder's icon or Back lit up, or the insertion mark.
void DragArrange::Show(const Target& target) {
  HWND view = parts_->view.hwnd();
  parts_->view.ShowDropTarget(target.kind == Target::Into ? target.index : -1);
  back_->ShowAsDropTarget(target.kind == Target::Up);
  LVINSERTMARK mark{sizeof mark, 0, -1, 0};
  if (target.kind == Target::Before) {
    const bool atEnd = target.index >= parts_->view.Count();
    mark.dwFlags = atEnd ? LVIM_AFTER : 0;
    mark.iItem = atEnd ? target.index - 1 : target.index;
  }
  ListView_SetInsertMark(view, &mark);
}

void DragArrange::Drop(const Target& target, const std::vector<int>& dragged) {
  const LauncherParts& parts = *parts_;
  LauncherModel& model = parts.model;
  FolderView& view = parts.view;
  const Text folder = model.currentFolder;
  std::vector<int> slots;
  for (int index : dragged) slots.push_back(view.SlotOf(index));
  // Where the entries go: the folder, its parent or the folder dropped on; and, within the
  // folder, before which entry (0: after the last).
  Text destination = folder;
  int before = 0;
  Text intoLine;  // the line of the folder dropped on, unchanged by the move
  StepWords words{StepKind::Moved, view.Caption(dragged.front())};
  switch (target.kind) {
    case Target::Before:
      before = view.SlotOf(target.index);
      break;
    case Target::Into:
      destination = ContentsPath(folder, view.EntryAt(target.index), model.dirs);
      intoLine = Text(model.table.Slot(view.SlotOf(target.index)));
      words = StepWords{StepKind::MovedInto, words.caption, view.Caption(target.index)};
      break;
    case Target::Up:
      destination = ParentFolder(folder);
      words.kind = StepKind::MovedUp;
      break;
    case Target::None:
      return;
  }
  EntriesMove move;
  const auto change = [&]() -> StepNote {
    move = MoveEntries(model.table, slots, destination, before, model.dirs);
    if (move.outcome != MoveOutcome::Moved) return {};
    words.Of(static_cast<int>(move.slots.size()));
    if (move.slots.size() == 1) words.caption = ReadEntry(model.table.Slot(move.slots.front())).caption;
    return {words, {folder, slots.front()}, {destination, move.slots.front()}};
  };
  // The folder is drawn as the move left it, with what moved within it selected, or the
  // folder they went into, whose slot the move may have shifted.
  RunChange(parts, change, [&] {
    view.ShowFolder(model);
    if (destination == folder) return view.SelectSlots(move.slots);
    for (int index = 0; index < view.Count() && !intoLine.empty(); ++index) {
      if (model.table.Slot(view.SlotOf(index)) == intoLine) return view.SelectAndFocus(index);
    }
  });
  SayMoveRefusal(parts, move);
}

void DragArrange::End() {
  if (dragged_.empty()) return;
  // Cleared first: releasing the mouse below comes back here as WM_CAPTURECHANGED.
  dragged_.clear();
  Show(Target{});
  HWND view = parts_->view.hwnd();
  RemoveWindowSubclass(view, Track, kDragSubclass);
  if (GetCapture() == view) ReleaseCapture();
}

}  // namespace kov
