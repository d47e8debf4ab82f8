// The entry commands of the context menu and the Info page.
#include <windows.h>

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

constexpr COLORREF kGreen = RGB(46, 160, 67);
constexpr COLORREF kShieldBlue = RGB(47, 111, 214);
constexpr COLORREF kShieldYellow = RGB(246, 196, 72);
constexpr COLORREF kFolderYellow = RGB(246, 196, 72);
constexpr COLORREF kFolderShade = RGB(222, 160, 40);
constexpr COLORREF kLensRim = RGB(60, 70, 85);
constexpr COLORREF kLensGlass = RGB(200, 230, 255);
constexpr COLORREF kPaper = RGB(252, 252, 252);
constexpr COLORREF kPaperEdge = RGB(150, 160, 175);
constexpr COLORREF kTextLine = RGB(120, 128, 140);
constexpr COLORREF kRed = RGB(214, 48, 49);

// The menu images are drawn at this size in 96-DPI pixels.
constexpr int kMenuImageSize = 16;

void DrawOpen(GlyphCanvas& c) { c.Polygon({{8, 4}, {28, 16}, {8, 28}}, kGreen); }

void DrawShield(GlyphCanvas& c) {
  c.Polygon({{16, 2}, {28, 6}, {28, 15}, {25, 23}, {16, 30}, {7, 23}, {4, 15}, {4, 6}}, kShieldBlue);
  c.Polygon({{16, 2}, {28, 6}, {28, 15}, {16, 15}}, kShieldYellow);
  c.Polygon({{16, 15}, {4, 15}, {7, 23}, {16, 30}}, kShieldYellow);
}

void DrawFolderWithLens(GlyphCanvas& c) {
  c.Polygon({{1, 5}, {11, 5}, {14, 8}, {28, 8}, {28, 25}, {1, 25}}, kFolderShade);
  c.Polygon({{1, 11}, {28, 11}, {28, 25}, {1, 25}}, kFolderYellow);
  c.Line({{24, 24}, {30, 30}}, 4, kLensRim);
  c.Ellipse(12, 12, 27, 27, kLensRim);
  c.Ellipse(14.5, 14.5, 24.5, 24.5, kLensGlass);
}

void DrawPropertiesPage(GlyphCanvas& c) {
  c.Polygon({{5, 1}, {20, 1}, {27, 8}, {27, 31}, {5, 31}}, kPaperEdge);
  c.Polygon({{6.5, 2.5}, {19, 2.5}, {25.5, 9}, {25.5, 29.5}, {6.5, 29.5}}, kPaper);
  c.Polygon({{19, 2.5}, {25.5, 9}, {19, 9}}, kPaperEdge);
  for (double y : {13.0, 18.0, 23.0}) c.Rectangle(10, y, 22, y + 2.5, kTextLine);
}

void DrawDeleteCross(GlyphCanvas& c) {
  c.Line({{7, 7}, {25, 25}}, 6, kRed);
  c.Line({{25, 7}, {7, 25}}, 6, kRed);
}

// The images are drawn on the menu's own colour: menus do not blend images with an
// alpha channel everywhere (some draw its transparent parts black), but an opaque
// image on the menu colour looks the same in every menu implementation.
BitmapHandle MenuImage(const GlyphArt& art, int size) { return RenderGlyphOnColor(art, size, GetSysColor(COLOR_MENU)); }

struct MenuItemPlace {
  int tag;
  const char* caption;
  void (*art)(GlyphCanvas&);  // null: no image
};

constexpr int kSeparator = 0;

constexpr MenuItemPlace kPopupMenu1Items[] = {
    {kTagOpen, "Open", DrawOpen},
    {kTagRunAsAdministrator, "Run as Administrator", DrawShield},
    {kTagOpenFileLocation, "Open File Location", DrawFolderWithLens},
    {kTagProperties, "Properties", DrawPropertiesPage},
    {kTagExecutionParameters, "Execution parameters", nullptr},
    {kSeparator, nullptr, nullptr},
    {kTagDelete, "Delete", DrawDeleteCross},
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
    if (place.art) {
      menuImages_.push_back(MenuImage(place.art, Scaled(kMenuImageSize, dpi_)));
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
  table_.Slot(slot) = LineWithParameters(table_.Slot(slot), typed);
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
