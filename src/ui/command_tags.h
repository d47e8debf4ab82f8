// The numeric Tags of the tool buttons, as the design numbers them. A button's Tag is its
// window identifier; the command list maps Tags to commands.
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

}  // namespace kov
