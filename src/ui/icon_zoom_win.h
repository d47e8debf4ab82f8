// Larger and smaller icons: Ctrl+Plus, Ctrl+Minus and Ctrl with the mouse wheel step
// through the icon sizes, Ctrl+0 goes back to the usual size. The window keeps the
// size in the state file at close.
#pragma once

#include "ui/command_list.h"
#include "ui/launcher_parts_win.h"

namespace kov {

// command is ZoomIn, ZoomOut or ZoomReset.
void ZoomIcons(const LauncherParts& parts, Command command);

}  // namespace kov
