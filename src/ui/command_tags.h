// The numeric Tags of the tool buttons and the context menu's items, as the design
// numbers them. A button's Tag is its window identifier; the command list maps Tags to
// commands.
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

}  // namespace kov
