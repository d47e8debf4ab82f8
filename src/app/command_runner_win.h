// The one way every command of the command list runs, from a tool button, the context
// menu or a key: each finishes its own work on the view, the search field and the
// status bar, and a command that changes the menu records its undo step and asks for
// the save through RunChange.
#pragma once

#include "ui/command_list.h"
#include "ui/context_menu_win.h"
#include "ui/launcher_parts_win.h"

namespace kov {

struct CommandContext {
  const LauncherParts& parts;
  ContextMenu& contextMenu;
  int dpi;
  bool byKeyboard = false;  // a key gave the command: a menu opens at the selected icon
  Text summonKey = {};       // the summon key's name while it is registered, for the Info page
};

void RunCommand(const CommandContext& context, Command command);

}  // namespace kov
