// The entry commands of the context menu and the Info page.
#include <windows.h>

#include "app/artwork_win.h"
#include "app/form1_win.h"
#include "app/resource_ids.h"
#include "app/resources_win.h"
#include "store/file_system.h"
#include "store/launch_win.h"
#include "ui/commands.h"
#include "util/dialogs_win.h"
#include "util/dpi_win.h"
#include "util/glyph_painter_win.h"
#include "util/html_window_win.h"

namespace kov {

namespace {

// The menu images are drawn at this size in 96-DPI pixels.
constexpr int kMenuImageSize = 16;

// The images are drawn on the menu's own colour: menus do not blend images with an
// alpha channel everywhere (some draw its transparent parts black), but an opaque
// image on the menu colour looks the same in every menu implementation.
BitmapHandle MenuImage(const GlyphArt& art, int size) { return RenderGlyphOnColor(art, size, GetSysColor(COLOR_MENU)); }

struct MenuItemPlace {
  int tag;
  const char* caption;
  bool hasImage;
  MenuGlyph glyph;
};

constexpr int kSeparator = 0;

constexpr MenuItemPlace kPopupMenu1Items[] = {
    {kTagOpen, "Open", true, MenuGlyph::Open},
    {kTagRunAsAdministrator, "Run as Administrator", true, MenuGlyph::RunAsAdministrator},
    {kTagOpenFileLocation, "Open File Location", true, MenuGlyph::FileLocation},
    {kTagProperties, "Properties", true, MenuGlyph::Properties},
    {kTagExecutionParameters, "Execution parameters", false, MenuGlyph::Open},
    {kSeparator, nullptr, false, MenuGlyph::Open},
    {kTagDelete, "Delete", true, MenuGlyph::Delete},
};

constexpr int kEntryItems[] = {kTagRunAsAdministrator, kTagOpenFileLocation, kTagProperties, kTagExecutionParameters};

void AppendItem(HMENU menu, const MenuItemPlace& place, HBITMAP image) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  if (place.tag == kSeparator) {
    item.fMask = MIIM_FTYPE;
    item.fType = MFT_SEPARATOR;
  } else {
    item.fMask = MIIM_ID | MIIM_STRING | (image ? MIIM_BITMAP : 0u);
    item.wID = static_cast<UINT>(place.tag);
    item.dwTypeData = const_cast<char*>(place.caption);
    item.hbmpItem = image;
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

HMENU Form1::PopupMenu1() {
  if (popupMenu1_ && popupMenu1Dpi_ == dpi_) return popupMenu1_.get();
  popupMenu1_.reset(CreatePopupMenu());
  menuImages_.clear();
  popupMenu1Dpi_ = dpi_;
  for (const MenuItemPlace& place : kPopupMenu1Items) {
    HBITMAP image = nullptr;
    if (place.hasImage) {
      menuImages_.push_back(MenuImage(MenuGlyphArt(place.glyph), Scaled(kMenuImageSize, dpi_)));
      image = menuImages_.back().get();
    }
    AppendItem(popupMenu1_.get(), place, image);
  }
  return popupMenu1_.get();
}

void Form1::EnableEntryItems(HMENU menu, int kind) {
  const UINT state = kind == kVirtualFolder ? MF_GRAYED : MF_ENABLED;
  for (int tag : kEntryItems) EnableMenuItem(menu, static_cast<UINT>(tag), MF_BYCOMMAND | state);
}

// Only a right click of the mouse reaches here; the keyboard's menu key shows nothing.
void Form1::LVMouseDown() {
  if (FindSelected() == 0) return;
  HMENU menu = PopupMenu1();
  EnableEntryItems(menu, selected_.kind);
  POINT cursor{};
  GetCursorPos(&cursor);
  const int tag = static_cast<int>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor.x, cursor.y, 0, hwnd(), nullptr));
  popup(tag);
}

void Form1::popup(int tag) {
  switch (tag) {
    case kTagOpen:
      runElevated_ = 0;
      LVDblClick();
      break;
    case kTagRunAsAdministrator:
      runElevated_ = 1;
      LVDblClick();
      break;
    case kTagOpenFileLocation:
    case kTagProperties:
      ShowEntryLocation(tag);
      break;
    case kTagExecutionParameters:
      EditExecutionParameters();
      break;
    case kTagDelete:
      if (editing_ == 0) DeleteEntry();
      break;
    case kTagAbout:
      ShowHtmlWindow(hwnd(), "Info", LoadTextResource(IDR_INFO_HTML));
      break;
    default:
      break;
  }
}

void Form1::ShowEntryLocation(int tag) {
  if (FindSelected() == 0 || selected_.kind == kVirtualFolder) return;
  const Text path = EntryLocation(selected_.target, dirs_, FileExists);
  if (tag == kTagOpenFileLocation) {
    OpenInExplorer(hwnd(), SelectInExplorerParameter(path));
  } else {
    ShowProperties(path);
  }
}

// Only the stored line changes: the view shows no parameters, so it is not redrawn.
void Form1::EditExecutionParameters() {
  const int slot = FindSelected();
  if (slot == 0 || selected_.kind == kVirtualFolder) return;
  Text typed;
  if (!InputWithHistory(hwnd(), "Execution parameters", selected_.parameters, typed)) return;
  if (slot > table_.Count()) return;
  table_.SetSlot(slot, LineWithParameters(table_.Slot(slot), typed));
}

void Form1::DeleteEntry() {
  if (FindSelected() == 0) return;
  // The question's modal loop may see the view's notifications; delete what was asked about.
  const SelectedEntry asked = selected_;
  if (ConfirmDialog(hwnd(), "Warning", "Delete Item ?", MessageType::Warning, kButtonYes | kButtonNo, kResultNo) !=
      kResultYes) {
    return;
  }
  DeleteFromTable(table_, currentFolder_, asked);
  ShowFolder(currentFolder_);
}

}  // namespace kov
