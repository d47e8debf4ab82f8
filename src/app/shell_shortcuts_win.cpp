// The tool buttons into Windows' own folders: the Shell Folders menu and GodMode.
#include "app/form1_win.h"
#include "app/resource_ids.h"
#include "app/resources_win.h"
#include "shell/godmode_win.h"
#include "shell/shell_menu_win.h"

namespace kov {

void Form1::PCClick() {
  POINT cursor{};
  GetCursorPos(&cursor);
  ShowShellFoldersMenu(hwnd(), LoadTextResource(IDR_SHELL_CATALOGUE), cursor);
}

void Form1::GODMODEClick() { OpenGodModeFolder(); }

}  // namespace kov
