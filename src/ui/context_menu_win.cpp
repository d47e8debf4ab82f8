#include "ui/context_menu_win.h"

#include "store/entry_table.h"
#include "ui/artwork_win.h"
#include "ui/command_list.h"
#include "ui/key_guide.h"
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

// An item carries its command's window identifier, and shows its first key after a tab,
// where menus show keys.
void AppendItem(HMENU menu, const CommandEntry& entry, HBITMAP image) {
  Text text = entry.menuCaption;
  if (entry.keys[0].key != 0) text += "\t" + KeyChordName(entry.keys[0]);
  std::wstring caption = WideText(text);
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_STRING | (image ? MIIM_BITMAP : 0u);
  item.wID = static_cast<UINT>(CommandWindowId(entry.command));
  item.dwTypeData = caption.data();
  item.hbmpItem = image;
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &item);
}

bool Offered(const CommandEntry& entry, const MenuPlace& place) {
  if (!entry.menuCaption) return false;
  if (!place.overIcon) return entry.itemFor == MenuItemFor::AnyPlace;
  return entry.itemFor != MenuItemFor::MissingTarget || place.targetMissing;
}

}  // namespace

HMENU ContextMenu::Menu(int dpi, const MenuPlace& place) {
  const MenuShape shape{dpi, place.overIcon, place.targetMissing};
  if (menu_ && shape_ == shape) return menu_.get();
  menu_.reset(CreatePopupMenu());
  images_.clear();
  shape_ = shape;
  for (const CommandEntry& entry : kCommandList) {
    if (!Offered(entry, place)) continue;
    if (entry.menuBreak && GetMenuItemCount(menu_.get()) > 0) AppendSeparator(menu_.get());
    HBITMAP image = nullptr;
    if (const ItemPicture* picture = PictureOf(entry.command)) {
      images_.push_back(MenuImage(MenuGlyphArt(picture->glyph), Scaled(kMenuImageSize, dpi)));
      image = images_.back().get();
    }
    AppendItem(menu_.get(), entry, image);
  }
  return menu_.get();
}

Command ContextMenu::Track(HWND owner, POINT screenPoint, const MenuPlace& place, int dpi) {
  HMENU menu = Menu(dpi, place);
  for (const CommandEntry& entry : kCommandList) {
    bool enabled = true;
    if (entry.itemFor == MenuItemFor::FileOrDirectory) enabled = place.entryKind != kVirtualFolder;
    if (entry.itemFor == MenuItemFor::AnyPlace) enabled = place.canPaste;
    if (entry.menuCaption) {
      EnableMenuItem(menu, static_cast<UINT>(CommandWindowId(entry.command)),
                     MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
  }
  const int chosen = static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                     screenPoint.x, screenPoint.y, 0, owner, nullptr));
  return CommandOfWindowId(chosen);
}

}  // namespace kov
