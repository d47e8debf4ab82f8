// The icons' context menu with its drawn images: Open, Run as Administrator, Open File
// Location, Properties, Execution parameters and Delete.
#pragma once

#include <windows.h>

#include <vector>

#include "ui/command_list.h"
#include "util/handles_win.h"

namespace kov {

class ContextMenu {
 public:
  // Shows the menu of the command list's items at a screen point for an entry of the
  // given kind and returns the chosen command, Command::None when nothing was chosen.
  // The items that need a file or directory are disabled over a virtual folder; those
  // for a missing target are there only when it is missing.
  Command Track(HWND owner, POINT screenPoint, int entryKind, bool targetMissing, int dpi);

  // The menu for the DPI and the target's state, built on first use and again when
  // either changes.
  HMENU Menu(int dpi, bool targetMissing);

 private:
  MenuHandle menu_;
  // The images outlive the menu that shows them.
  std::vector<BitmapHandle> images_;
  int dpi_ = 0;
  bool targetMissing_ = false;
};

}  // namespace kov
