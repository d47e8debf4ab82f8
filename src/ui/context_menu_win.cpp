#include "ui/context_menu_win.h"

#include "store/entry_table.h"
#include "ui/artwork_win.h"
#include "ui/command_list.h"
#include "util/dpi_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

// The menu images are drawn at this size in 96-DPI pixels.
constexpr int kMenuImageSize = 16;

// The images are drawn on the menu's own colour: menus do not blend images with an
// alpha channel everywhere (some draw its transparent parts black), but an opaque
// image on the menu colour looks the same in every menu implementation.
BitmapHandle MenuImage(const GlyphArt& art, int size) { return RenderGlyphOnColor(art, size, GetSysColor(COLOR_MENU)); }

struct ItemPicture {
  Command command;
  MenuGlyph glyph;
};

// The items with a picture beside them.
constexpr ItemPicture kItemPictures[] = {{Command::Open, MenuGlyph::Open},
                                         {Command::RunAsAdministrator, MenuGlyph::RunAsAdministrator},
                                         {Command::OpenFileLocation, MenuGlyph::FileLocation},
                                         {Command::Properties, MenuGlyph::Properties},
                                         {Command::Delete, MenuGlyph::Delete}};

const ItemPicture* PictureOf(Command command) {
  for (const ItemPicture& picture : kItemPictures) {
    if (picture.command == command) return &picture;
  }
  return nullptr;
}

void AppendSeparator(HMENU menu) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_FTYPE;
  item.fType = MFT_SEPARATOR;
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

// An item carries its command's window identifier, and its Tag as its data.
void AppendItem(HMENU menu, const CommandEntry& entry, HBITMAP image) {
  std::wstring caption = WideText(entry.menuCaption);
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | MIIM_DATA | (image ? MIIM_BITMAP : 0u);
  item.wID = static_cast<UINT>(CommandWindowId(entry.command));
  item.dwItemData = static_cast<ULONG_PTR>(entry.tag);
  item.dwTypeData = caption.data();
  item.hbmpItem = image;
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

}  // namespace

HMENU ContextMenu::Menu(int dpi, bool targetMissing) {
  if (menu_ && dpi_ == dpi && targetMissing_ == targetMissing) return menu_.get();
  menu_.reset(CreatePopupMenu());
  images_.clear();
  dpi_ = dpi;
  targetMissing_ = targetMissing;
  for (const CommandEntry& entry : kCommandList) {
    if (!entry.menuCaption || (entry.itemFor == MenuItemFor::MissingTarget && !targetMissing)) continue;
    // Delete stands apart from the commands that start or show the entry.
    if (entry.command == Command::Delete) AppendSeparator(menu_.get());
    HBITMAP image = nullptr;
    if (const ItemPicture* picture = PictureOf(entry.command)) {
      images_.push_back(MenuImage(MenuGlyphArt(picture->glyph), Scaled(kMenuImageSize, dpi)));
      image = images_.back().get();
    }
    AppendItem(menu_.get(), entry, image);
  }
  return menu_.get();
}

Command ContextMenu::Track(HWND owner, POINT screenPoint, int entryKind, bool targetMissing, int dpi) {
  HMENU menu = Menu(dpi, targetMissing);
  const UINT state = entryKind == kVirtualFolder ? MF_GRAYED : MF_ENABLED;
  for (const CommandEntry& entry : kCommandList) {
    if (entry.menuCaption && entry.itemFor == MenuItemFor::FileOrDirectory) {
      EnableMenuItem(menu, static_cast<UINT>(CommandWindowId(entry.command)), MF_BYCOMMAND | state);
    }
  }
  const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                     screenPoint.x, screenPoint.y, 0, owner, nullptr));
  return CommandOfWindowId(chosen);
}

}  // namespace kov
