#include "ui/folder_view_win.h"

#include <algorithm>

#include "store/file_system.h"
#include "ui/artwork_win.h"
#include "ui/list_view_win.h"
#include "ui/command_list.h"
#include "ui/view_drawn_once_win.h"
#include "ui/window_keys_win.h"
#include "util/child_window_win.h"
#include "util/dark_frame_win.h"
#include "util/dpi_win.h"
#include "util/tab_key_win.h"
#include "util/utf8.h"

namespace kov {

namespace {

constexpr UINT_PTR kWindowKeysSubclass = 1;

// An empty folder says faintly how it fills.
void DrawEmptyFolderHint(HWND view, COLORREF color) {
  HDC dc = GetDC(view);
  RECT area{};
  GetClientRect(view, &area);
  area.top += Scaled(24, DpiOf(view));
  SelectedObject font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(view, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextW(dc, L"Drop files here", -1, &area, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  ReleaseDC(view, dc);
}

// Tells the window what the user did to the view with the mouse, as a command.
void SendCommand(HWND view, Command command) {
  SendMessageA(GetParent(view), WM_COMMAND, MAKEWPARAM(CommandWindowId(command), 0), 0);
}

// Sends the window's own keys to the window as the command of their tool button, and
// Tab to the window that moves the focus, before the list view can act on them. An
// empty folder says how it fills; no search result says nothing of dropping.
LRESULT CALLBACK TakeWindowKeys(HWND view, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  if (HandOnTabKey(view, message, wParam)) return 0;
  // While a caption is edited the window's keys wait, as the view's own do.
  if (message == WM_KEYDOWN && !ListView_GetEditControl(view)) {
    if (const Command command = CommandOfKey(PressedChord(wParam)); command != Command::None) {
      SendKeyCommand(view, command);
      return 0;
    }
  } else if (message == WM_CONTEXTMENU && lParam == -1) {
    // Shift+F10 or the menu key: the menu opens at the selected icon.
    SendKeyCommand(view, Command::ContextMenu);
    return 0;
  } else if (message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(wParam) & MK_CONTROL)) {
    // Ctrl with the wheel makes the icons larger or smaller, as in the system's folders.
    const auto [command, times] = reinterpret_cast<FolderView*>(data)->ZoomOfWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    for (int time = 0; time < times; ++time) SendCommand(view, command);
    return 0;
  } else if (message == WM_PAINT && ListView_GetItemCount(view) == 0 &&
             !reinterpret_cast<const FolderView*>(data)->ShowsResults()) {
    const LRESULT painted = DefSubclassProc(view, message, wParam, lParam);
    DrawEmptyFolderHint(view, reinterpret_cast<const FolderView*>(data)->FaintText());
    return painted;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(view, TakeWindowKeys, kWindowKeysSubclass);
  }
  return DefSubclassProc(view, message, wParam, lParam);
}

}  // namespace

bool FolderView::Create(HWND parent, int id, StatusLine& statusBar, ViewListener& listener, const RECT& bounds) {
  statusBar_ = &statusBar;
  listener_ = &listener;
  list_ = CreateChildWindow(parent, id, WC_LISTVIEWA, "",
                            WS_TABSTOP | LVS_ICON | LVS_OWNERDATA | LVS_AUTOARRANGE | LVS_EDITLABELS |
                                LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS,
                            bounds, nullptr);
  if (!list_) return false;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
  return SetWindowSubclass(list_, TakeWindowKeys, kWindowKeysSubclass, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

bool FolderView::SetDpi(int dpi, HFONT font) {
  dpi_ = dpi;
  if (!ApplyIconSize()) return false;
  ListView_SetBkColor(list_, colors_.view);
  ListView_SetTextBkColor(list_, colors_.view);
  ListView_SetTextColor(list_, colors_.viewText);
  // Asked only of a change, so that a light window never loads the library it takes.
  if (colors_.dark != darkScrollBars_) UseDarkScrollBars(list_, colors_.dark);
  darkScrollBars_ = colors_.dark;
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return true;
}

void FolderView::ShowFolder(const LauncherModel& model) {
  showsResults_ = false;
  statusBar_->Show(model.currentFolder);
  ShowSlots(model.table, FolderSlots(model.table, model.currentFolder), model.dirs);
  MarkCut(model.cut ? CutSlots(model.table, *model.cut) : std::vector<int>());
}

namespace {

Text MatchCount(std::size_t count) {
  return IntText(static_cast<std::int64_t>(count)) + (count == 1 ? " entry matches" : " entries match");
}

}  // namespace

void FolderView::ShowResults(const LauncherModel& model) {
  const std::vector<int>& found = model.search->found;
  showsResults_ = true;
  // A message said before gives way to the count, which ShowSelection writes.
  statusBar_->StopSaying();
  ShowSlots(model.table, found, model.dirs);
  MarkCut(model.cut ? CutSlots(model.table, *model.cut) : std::vector<int>());
  // The first, selected, may be another entry in the same icon.
  if (firstAloneSelected_) return ShowSelection(model, 0, 1);
  ShowSelection(model, SelectedIndex());
}

void FolderView::ShowSelection(const LauncherModel& model, int index) {
  ShowSelection(model, index, index < 0 ? 0 : SelectedCount());
}

void FolderView::ShowSelection(const LauncherModel& model, int index, int selected) {
  Text base = model.currentFolder;
  if (model.search) base = MatchCount(model.search->found.size());
  if (index < 0 || index >= Count()) return statusBar_->Keep(base);
  if (selected > 1) {
    return statusBar_->Keep((base.empty() ? Text() : base + "    ") + IntText(selected) + " selected");
  }
  const EntryView entry = EntryAt(index);
  if (model.search) base += "    in " + (entry.folder.empty() ? Text("the top folder") : entry.folder);
  if (entry.kind == kVirtualFolder) return statusBar_->Keep(base);
  const Text target = TargetPath(entry.target, dirs_);
  statusBar_->Keep(base.empty() ? target : base + "    " + target);
}

bool FolderView::TargetMissing(int index) const {
  const EntryView entry = EntryAt(index);
  if (index < 0 || entry.kind == kVirtualFolder) return false;
  return PathKindOf(TargetPath(entry.target, dirs_)) == PathKind::Missing;
}

void FolderView::RedrawImage(int index) {
  if (index < 0 || index >= Count()) return;
  const EntryView entry = EntryAt(index);
  if (entry.kind != kVirtualFolder) targetImages_.erase(TargetPath(entry.target, dirs_));
  IconAt(index).image = -1;
  ListView_RedrawItems(list_, index, index);
}

void FolderView::ShowSlots(const EntryTable& table, const std::vector<int>& slots, const DirectoryValues& dirs) {
  table_ = &table;
  icons_.clear();
  captions_.clear();
  dropTarget_ = -1;
  icons_.reserve(slots.size());
  for (int slot : slots) icons_.push_back({slot});
  PlaceIcons(dirs, true);
}

void FolderView::AppendIcons(const EntryTable& table, int firstSlot, const DirectoryValues& dirs) {
  table_ = &table;
  for (int slot = firstSlot; slot <= table.Count(); ++slot) icons_.push_back({slot});
  PlaceIcons(dirs, false);
}

void FolderView::PlaceIcons(const DirectoryValues& dirs, bool anew) {
  dirs_ = dirs;
  // Drawn once at the end: while the view places the icons it would otherwise mark each
  // one's place for drawing, and draw its scroll bar at each change of it.
  const ViewDrawnOnce drawnOnce(list_);
  // The count is set over the icons shown before rather than after emptying the view:
  // an empty view hides its scroll bar and the next count shows it again, a change of
  // the frame and a paint of it at every keystroke of a search.
  ListView_SetItemCountEx(list_, static_cast<int>(icons_.size()), LVSICF_NOSCROLL);
  // Places the icons in rows; a view of this kind does not do that by itself when the
  // number changes, and the icons would lie on one another.
  ListView_Arrange(list_, LVA_DEFAULT);
  if (anew) StartAtFirstIcon();
  // The view always has a focused icon, so that the arrow keys work after any command.
  if (!anew && Count() > 0 && ListView_GetNextItem(list_, -1, LVNI_FOCUSED) < 0) {
    ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  }
}

// New icons are seen from the top with the first focused, and selected among found
// entries, so that Enter and the other keys act on the best at once; the others' selection
// is cleared without visiting every icon.
void FolderView::StartAtFirstIcon() {
  const bool selectFirst = showsResults_ && Count() > 0;
  // After the keystroke before, the first found entry is selected and focused alone
  // already; the view is asked only whether a new count has taken that from it.
  constexpr UINT kFirstAlone = LVIS_FOCUSED | LVIS_SELECTED;
  const bool keepsFirstAlone =
      selectFirst && firstAloneSelected_ && ListView_GetItemState(list_, 0, kFirstAlone) == kFirstAlone;
  if (!keepsFirstAlone) {
    ClearIconSelection(list_, selectFirst ? 0 : -1);
    ListView_SetSelectionMark(list_, selectFirst ? 0 : -1);
    if (Count() > 0) {
      const UINT state = LVIS_FOCUSED | (selectFirst ? LVIS_SELECTED : 0u);
      ListView_SetItemState(list_, 0, state, state);
    }
  }
  // Set after the calls above, whose notifications clear it.
  firstAloneSelected_ = selectFirst;
  // The first icon is in sight unless the view was scrolled: asking the scroll bars is
  // cheaper than a call into the view.
  const bool scrolled = GetScrollPos(list_, SB_VERT) != 0 || GetScrollPos(list_, SB_HORZ) != 0;
  if (Count() > 0 && scrolled) ListView_EnsureVisible(list_, 0, FALSE);
}

int FolderView::ImageOf(const EntryView& entry) {
  if (entry.kind == kVirtualFolder) return images_.ArtImage(kStockVirtualFolder, StockImageArt(kStockVirtualFolder));
  Text path = TargetPath(entry.target, dirs_);
  if (showsResults_) {
    const auto known = targetImages_.find(path);
    if (known != targetImages_.end()) return known->second;
  }
  const int image = LookUpImage(path);
  targetImages_.insert_or_assign(std::move(path), image);
  return image;
}

int FolderView::LookUpImage(const Text& path) {
  const PathKind found = PathKindOf(path);
  const int image = found == PathKind::Missing ? -1 : images_.ShellImage(path, found == PathKind::Directory);
  return image >= 0 ? image : images_.ArtImage(kStockMissingTarget, StockImageArt(kStockMissingTarget));
}

std::string_view FolderView::LineOf(int index) const {
  const int slot = SlotOf(index);
  return table_ && slot >= 1 && slot <= table_->Count() ? table_->Slot(slot) : std::string_view();
}

const Text& FolderView::CaptionOf(int index) const {
  const auto [caption, added] = captions_.try_emplace(index);
  if (added) caption->second = ReadEntry(LineOf(index)).caption;
  return caption->second;
}

void FolderView::OnGetDisplayInfo(NMLVDISPINFOA& request) {
  LVITEMA& item = request.item;
  if (item.iItem < 0 || item.iItem >= Count()) return;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    // A long caption is cut between characters, never inside one.
    const Text shown = CutAtCharacter(CaptionOf(item.iItem), static_cast<std::size_t>(item.cchTextMax - 1));
    std::copy(shown.begin(), shown.end(), item.pszText);
    item.pszText[shown.size()] = '\0';
  }
  if (item.mask & LVIF_IMAGE) {
    Icon& icon = IconAt(item.iItem);
    // Found once, when the icon is first drawn.
    if (icon.image < 0) icon.image = ImageOf(ReadEntry(LineOf(item.iItem)));
    item.iImage = icon.image;
  }
}

namespace {

// The text a find request looks for, and whether a caption need only begin with it;
// empty when the request looks for something else. The request comes in the 8-bit or in
// the wide form, whatever form the window's other notifications take.
struct TypedSearch {
  Text text;
  bool partial = false;
  int start = 0;
};

TypedSearch SearchOf(const NMHDR& header) {
  TypedSearch search;
  if (header.code == LVN_ODFINDITEMW) {
    const auto& request = reinterpret_cast<const NMLVFINDITEMW&>(header);
    if (!(request.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || request.lvfi.psz == nullptr) return search;
    const int size = WideCharToMultiByte(CP_ACP, 0, request.lvfi.psz, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return search;
    search.text.resize(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, 0, request.lvfi.psz, -1, search.text.data(), size, nullptr, nullptr);
    search.text.resize(static_cast<std::size_t>(size - 1));
    search.partial = (request.lvfi.flags & LVFI_PARTIAL) != 0;
    search.start = request.iStart;
  } else {
    const auto& request = reinterpret_cast<const NMLVFINDITEMA&>(header);
    if (!(request.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || request.lvfi.psz == nullptr) return search;
    search.text = request.lvfi.psz;
    search.partial = (request.lvfi.flags & LVFI_PARTIAL) != 0;
    search.start = request.iStart;
  }
  return search;
}

}  // namespace

int FolderView::FindIcon(const NMHDR& request) const {
  const TypedSearch search = SearchOf(request);
  const int count = Count();
  if (search.text.empty() || count == 0) return -1;
  const Text wanted = UpperText(search.text);
  for (int step = 0; step < count; ++step) {
    const int index = (std::max(search.start, 0) + step) % count;
    const Text& caption = CaptionOf(index);
    if (search.partial ? StartsWithIgnoringCase(caption, wanted) : UpperText(caption) == wanted) return index;
  }
  return -1;
}

void FolderView::OnGetInfoTip(NMLVGETINFOTIPA& request) const {
  if (request.iItem < 0 || request.iItem >= Count() || request.cchTextMax <= 0) return;
  const EntryView entry = ReadEntry(LineOf(request.iItem));
  // The full caption, and where the entry leads; a folder is only a caption.
  Text tip = entry.caption;
  if (entry.kind != kVirtualFolder) tip += "\r\n" + TargetPath(entry.target, dirs_);
  const Text shown = CutAtCharacter(tip, static_cast<std::size_t>(request.cchTextMax - 1));
  std::copy(shown.begin(), shown.end(), request.pszText);
  request.pszText[shown.size()] = '\0';
}

int FolderView::IconAtPoint(POINT inView) const {
  LVHITTESTINFO hit{};
  hit.pt = inView;
  const int index = ListView_HitTest(list_, &hit);
  return index >= 0 && (hit.flags & (LVHT_ONITEMICON | LVHT_ONITEMLABEL)) ? index : -1;
}

EntryView FolderView::EntryAt(int index) const {
  return index >= 0 && index < Count() ? ReadEntry(LineOf(index)) : EntryView();
}

int FolderView::Count() const { return static_cast<int>(icons_.size()); }

Text FolderView::Caption(int index) const { return index >= 0 && index < Count() ? CaptionOf(index) : Text(); }

int FolderView::SlotOf(int index) const {
  return index >= 0 && index < Count() ? icons_[static_cast<std::size_t>(index)].slot : 0;
}

LRESULT FolderView::OnNotify(const NMHDR& header) {
  auto& mutableHeader = const_cast<NMHDR&>(header);
  switch (header.code) {
    case NM_DBLCLK:
      SendCommand(list_, Command::Open);
      return 0;
    case NM_RCLICK:
      SendCommand(list_, Command::ContextMenu);
      return 0;
    case LVN_BEGINLABELEDITA:
    case LVN_ENDLABELEDITA:
      return OnEditLabel(header);
    case LVN_GETDISPINFOA:
      OnGetDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(mutableHeader));
      return 0;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return FindIcon(header);
    case LVN_GETINFOTIPA:
      OnGetInfoTip(reinterpret_cast<NMLVGETINFOTIPA&>(mutableHeader));
      return 0;
    case LVN_BEGINDRAG:
      listener_->OnDragStarted(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    case NM_CUSTOMDRAW:
      return OnCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(mutableHeader));
    case LVN_ITEMCHANGED:
      firstAloneSelected_ = false;
      listener_->OnIconChanged(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    case LVN_ODSTATECHANGED:
      // A range of icons selected at once: Shift with a click or an arrow, or a rectangle.
      firstAloneSelected_ = false;
      listener_->OnIconChanged(-1);
      return 0;
    default:
      return 0;
  }
}

// The view writes no caption itself: the window renames the entry and sets the caption.
LRESULT FolderView::OnEditLabel(const NMHDR& header) {
  if (header.code == LVN_BEGINLABELEDITA) return listener_->OnRenameStarting() ? FALSE : TRUE;
  const LVITEMA& item = reinterpret_cast<const NMLVDISPINFOA&>(header).item;
  listener_->OnRenamed(item.iItem, item.pszText);
  return FALSE;
}

void FolderView::SetCaption(int index, const Text& caption) {
  captions_[index] = caption;
  ListView_RedrawItems(list_, index, index);
}

void FolderView::SwapIcons(int first, int second) {
  std::swap(IconAt(first).image, IconAt(second).image);
  // Read again from the lines the move exchanged.
  captions_.erase(first);
  captions_.erase(second);
  ListView_RedrawItems(list_, std::min(first, second), std::max(first, second));
}

}  // namespace kov
