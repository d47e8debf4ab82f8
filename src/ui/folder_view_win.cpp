#include "ui/folder_view_win.h"

#include "store/file_system.h"
#include "ui/artwork_win.h"
#include "ui/list_view_win.h"
#include "ui/window_keys.h"
#include "util/dpi_win.h"

namespace kov {

namespace {

constexpr UINT_PTR kWindowKeysSubclass = 1;

// Sends the window's own keys to the window as the command of their tool button
// before the list view can act on them.
LRESULT CALLBACK TakeWindowKeys(HWND view, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_KEYDOWN) {
    const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    if (const int tag = ToolTagOfKey(static_cast<unsigned>(wParam), control)) {
      SendMessageA(GetParent(view), WM_COMMAND, MAKEWPARAM(tag, 0), 0);
      return 0;
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(view, TakeWindowKeys, kWindowKeysSubclass);
  }
  return DefSubclassProc(view, message, wParam, lParam);
}

}  // namespace

bool FolderView::Create(HWND parent, int id, Panel& statusBar) {
  statusBar_ = &statusBar;
  list_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE | LVS_EDITLABELS |
                              LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS,
                          0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                          GetModuleHandleA(nullptr), nullptr);
  if (!list_) return false;
  ListView_SetExtendedListViewStyle(list_, LVS_EX_DOUBLEBUFFER);
  return SetWindowSubclass(list_, TakeWindowKeys, kWindowKeysSubclass, 0) != FALSE;
}

bool FolderView::SetDpi(int dpi, HFONT font) {
  if (!images_.Reset(Scaled(32, dpi), GetSysColor(COLOR_WINDOW))) return false;
  ListView_SetImageList(list_, images_.List(), LVSIL_NORMAL);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return true;
}

void FolderView::ShowFolder(const LauncherModel& model) {
  statusBar_->SetText("  " + model.currentFolder);
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  sources_.clear();
  std::vector<Text> lines;
  for (int slot : FolderSlots(model.table, model.currentFolder)) lines.push_back(model.table.Slot(slot));
  AppendIcons(lines, model.dirs);
}

void FolderView::AppendIcons(const std::vector<Text>& lines, const DirectoryValues& dirs) {
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  int position = Count();
  ListView_SetItemCount(list_, position + static_cast<int>(lines.size()));
  sources_.reserve(sources_.size() + lines.size());
  for (const Text& line : lines) {
    const EntryView entry = ReadEntry(line);
    sources_.push_back({entry.caption, entry.kind, MakeAbsolute(ExpandMacros(entry.target, dirs), dirs)});
    InsertCallbackIcon(list_, position);
    ++position;
  }
  // The view always has a focused icon, so that the arrow keys work after any command.
  if (Count() > 0 && ListView_GetNextItem(list_, -1, LVNI_FOCUSED) < 0) {
    ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  }
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

int FolderView::ImageOf(const IconSource& source) {
  if (source.kind == kVirtualFolder) return images_.ArtImage(kStockVirtualFolder, StockImageArt(kStockVirtualFolder));
  const PathKind found = PathKindOf(source.path);
  const int image = found == PathKind::Missing ? -1 : images_.ShellImage(source.path, found == PathKind::Directory);
  return image >= 0 ? image : images_.ArtImage(kStockMissingTarget, StockImageArt(kStockMissingTarget));
}

void FolderView::OnGetDisplayInfo(NMLVDISPINFOA& request) {
  LVITEMA& item = request.item;
  if (item.iItem < 0 || item.iItem >= static_cast<int>(sources_.size())) return;
  const IconSource& source = sources_[static_cast<std::size_t>(item.iItem)];
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    lstrcpynA(item.pszText, source.caption.c_str(), item.cchTextMax);
  }
  if (item.mask & LVIF_IMAGE) {
    item.iImage = ImageOf(source);
    // The view keeps the image from now on and does not ask again.
    item.mask |= LVIF_DI_SETITEM;
  }
}

int FolderView::Count() const { return ListView_GetItemCount(list_); }

int FolderView::SelectedIndex() const { return SelectedIconIndex(list_); }

Text FolderView::Caption(int index) const { return IconCaption(list_, index); }

void FolderView::SetCaption(int index, const Text& caption) {
  sources_[static_cast<std::size_t>(index)].caption = caption;
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>(caption.c_str());
  SendMessageA(list_, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

namespace {

int IconImageIndex(HWND list, int index) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  SendMessageA(list, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

void SetIconImageIndex(HWND list, int index, int image) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  item.iImage = image;
  SendMessageA(list, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void FolderView::SwapIcons(int first, int second) {
  const Text firstCaption = Caption(first);
  const Text secondCaption = Caption(second);
  const int firstImage = IconImageIndex(list_, first);
  const int secondImage = IconImageIndex(list_, second);
  std::swap(sources_[static_cast<std::size_t>(first)], sources_[static_cast<std::size_t>(second)]);
  SetCaption(first, secondCaption);
  SetIconImageIndex(list_, first, secondImage);
  SetCaption(second, firstCaption);
  SetIconImageIndex(list_, second, firstImage);
}

void FolderView::SelectAndFocus(int index) {
  const UINT both = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, index, both, both);
  ListView_EnsureVisible(list_, index, FALSE);
}

}  // namespace kov
