// The parts of the launcher window that its commands work on. The window owns them
// and hands them to the command functions of ui/, which change the model and bring
// the view up to date.
#pragma once

#include <windows.h>

#include "store/launch_win.h"
#include "ui/folder_view_win.h"
#include "ui/launcher_model.h"
#include "ui/menu_file_win.h"
#include "ui/search_field_win.h"

namespace kov {

struct LauncherParts {
  HWND window;  // owner of the dialogs the commands show
  LauncherModel& model;
  FolderView& view;
  SearchField& searchField;
  MenuFile& menuFile;  // saves the menu soon after each change
  const ShellRunner& shell;
};

// Looks up the entry behind the selected icon into model.selected; its slot, 0 when
// no icon is selected or no entry carries its caption.
int LookUpSelection(const LauncherParts& parts);

// Draws again what the view shows, the found entries or the folder, as the table now
// stands, with the icon at index selected and focused, or the last when fewer are left.
void ShowAgain(const LauncherParts& parts, int index);

}  // namespace kov
