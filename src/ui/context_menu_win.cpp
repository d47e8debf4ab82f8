#include "ui/context_menu_win.h"

#include "store/entry_table.h"
#include "ui/artwork_win.h"
#include "ui/command_tags.h"
#include "util/dpi_win.h"

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

constexpr MenuItemPlace kItems[] = {
    {kTagOpen, "Open", true, MenuGlyph::Open},
    {kTagRunAsAdministrator, "Run as Administrator", true, MenuGlyph::RunAsAdministrator},
    {kTagOpenFileLocation, "Open File Location", true, MenuGlyph::FileLocation},
    {kTagProperties, "Properties", true, MenuGlyph::Properties},
    {kTagExecutionParameters, "Execution parameters", false, MenuGlyph::Open},
    {kSeparator, nullptr, false, MenuGlyph::Open},
    {kTagDelete, "Delete", true, MenuGlyph::Delete},
};

// The items that act on a file or directory, which a virtual folder does not have.
constexpr int kEntryItems[] = {kTagRunAsAdministrator, kTagOpenFileLocation, kTagProperties, kTagExecutionParameters};

void AppendItem(HMENU menu, const MenuItemPlace& place, HBITMAP image) {
  MENUITEMINFOA item{};
  item.cbSize = sizeof item;
  if (place.tag == kSeparator) {
    item.fMask = MIIM_FTYPE;
    item.fType = MFT_SEPARATOR;
  } else {
    item.fMask = MIIM_ID | MIIM_STRING | (image ? MIIM_BITMAP : 0u);
    item.wID = static_cast<UINT>(kContextMenuCommandBase + place.tag);
    item.dwTypeData = const_cast<char*>(place.caption);
    item.hbmpItem = image;
  }
  InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

HMENU ContextMenu::Menu(int dpi) {
  if (menu_ && dpi_ == dpi) return menu_.get();
  menu_.reset(CreatePopupMenu());
  images_.clear();
  dpi_ = dpi;
  for (const MenuItemPlace& place : kItems) {
    HBITMAP image = nullptr;
    if (place.hasImage) {
      images_.push_back(MenuImage(MenuGlyphArt(place.glyph), Scaled(kMenuImageSize, dpi)));
      image = images_.back().get();
    }
    AppendItem(menu_.get(), place, image);
  }
  return menu_.get();
}

int ContextMenu::Track(HWND owner, POINT screenPoint, int entryKind, int dpi) {
  HMENU menu = Menu(dpi);
  const UINT state = entryKind == kVirtualFolder ? MF_GRAYED : MF_ENABLED;
  for (int tag : kEntryItems) {
    EnableMenuItem(menu, static_cast<UINT>(kContextMenuCommandBase + tag), MF_BYCOMMAND | state);
  }
  return static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screenPoint.x,
                                         screenPoint.y, 0, owner, nullptr));
}

}  // namespace kov
