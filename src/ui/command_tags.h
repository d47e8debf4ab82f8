// The numeric Tags of the tool buttons and the context menu's items. A button's Tag is
// its command identifier; a menu item's identifier is kContextMenuCommandBase plus its
// Tag, so that the window's one command handler tells the two apart.
#pragma once

namespace kov {

enum ToolTag : int {
  kTagMoveLeft = 1,
  kTagMoveRight = 2,
  kTagAbout = 9,
  kTagBack = 101,
  kTagNewFolder = 102,
  kTagShellFolders = 103,
  kTagGodMode = 104,
};

enum CommandTag : int {
  kTagOpen = 1,
  kTagRunAsAdministrator = 2,
  kTagOpenFileLocation = 3,
  kTagProperties = 4,
  kTagExecutionParameters = 5,
  kTagDelete = 8,
};

inline constexpr int kContextMenuCommandBase = 200;

// Commands of the search field and its keys: Ctrl+F or Ctrl+E go to the field; in it,
// Enter starts the first entry found, Down or Tab go into the found entries, Esc empties it.
enum SearchCommand : int {
  kTagFind = 110,
  kTagSearchStart = 111,
  kTagSearchResults = 112,
  kTagSearchCancel = 113,
};

}  // namespace kov
