// The context menu of the icons and of the view's empty space, with its drawn images: the
// items and their keys come from the list of commands.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/command_list.h"
#include "util/handles_win.h"

namespace kov {

// Where the menu opens and what it can offer there.
struct MenuPlace {
  bool overIcon = true;  // else over the view's empty space, where only Paste is offered
  int entryKind = 0;
  bool targetMissing = false;
  bool canPaste = false;
};

class ContextMenu {
 public:
  // Shows the menu at a screen point and returns the chosen command, Command::None when
  // nothing was chosen. The items that need a file or directory are disabled over a
  // virtual folder, Paste while there is nothing to paste; those for a missing target are
  // there only when it is missing.
  Command Track(HWND owner, POINT screenPoint, const MenuPlace& place, int dpi);

  // The menu for the DPI and the place, built on first use and again when either changes.
  HMENU Menu(int dpi, const MenuPlace& place);

 private:
  struct MenuShape {
    int dpi = 0;
    bool overIcon = true;
    bool targetMissing = false;
    bool operator==(const MenuShape&) const = default;
  };
  MenuHandle menu_;
  // The images outlive the menu that shows them.
  std::vector<BitmapHandle> images_;
  MenuShape shape_;
};

}  // namespace kov
