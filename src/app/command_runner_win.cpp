#include "app/command_runner_win.h"

#include "app/resource_ids.h"
#include "app/resources_win.h"
#include "shell/godmode_win.h"
#include "shell/shell_menu_win.h"
#include "ui/adding_win.h"
#include "ui/clipboard_commands_win.h"
#include "ui/entry_commands_win.h"
#include "ui/icon_zoom_win.h"
#include "ui/key_guide.h"
#include "ui/menu_change_win.h"
#include "ui/navigation_win.h"
#include "ui/relink_win.h"
#include "ui/rename_win.h"
#include "ui/search_win.h"
#include "util/html_window_win.h"

namespace kov {

namespace {

void ShowShellFolders(const LauncherParts& parts) {
  POINT cursor{};
  GetCursorPos(&cursor);
  ShowShellFoldersMenu(parts.window, LoadTextResource(IDR_SHELL_CATALOGUE), cursor, parts.shell);
}

void GoToSearchField(const LauncherParts& parts) {
  SetFocus(parts.searchField.hwnd());
  SendMessageA(parts.searchField.hwnd(), EM_SETSEL, 0, -1);
}

void GoIntoResults(const LauncherParts& parts) {
  SetFocus(parts.view.hwnd());
  if (parts.view.Count() > 0 && parts.view.SelectedIndex() < 0) parts.view.SelectAndFocus(0);
}

void CancelSearch(const LauncherParts& parts) {
  parts.searchField.Clear();
  SetFocus(parts.view.hwnd());
}

// Runs the command itself; RunCommand finishes what every command shares.
void Dispatch(const CommandContext& context, Command command) {
  const LauncherParts& parts = context.parts;
  switch (command) {
    case Command::Back:
      return GoBack(parts);
    case Command::NewFolder:
      EndSearch(parts);
      return AddNewFolder(parts);
    case Command::ShellFolders:
      return ShowShellFolders(parts);
    case Command::GodMode:
      return OpenGodModeFolder(parts.shell);
    case Command::MoveLeft:
    case Command::MoveRight:
      return MoveSelected(parts, command == Command::MoveRight ? 1 : -1);
    case Command::Info:
      return ShowHtmlWindow(parts.window, "Info",
                            PageWithKeyGuide(LoadTextResource(IDR_INFO_HTML), KeyGuide(context.summonKey)));
    case Command::Find:
      return GoToSearchField(parts);
    case Command::SearchStart:
      return StartFirstFound(parts);
    case Command::SearchResults:
      return GoIntoResults(parts);
    case Command::SearchCancel:
      return CancelSearch(parts);
    case Command::Open:
    case Command::RunAsAdministrator:
      return OpenSelected(parts, command == Command::RunAsAdministrator);
    case Command::OpenFileLocation:
    case Command::Properties:
      return ShowEntryLocation(parts, command);
    case Command::ExecutionParameters:
      return EditExecutionParameters(parts);
    case Command::Delete:
      return DeleteSelected(parts);
    case Command::ContextMenu: {
      const Command chosen = ChooseFromContextMenu(parts, context.contextMenu, context.dpi, context.byKeyboard);
      return RunCommand({parts, context.contextMenu, context.dpi, false, context.summonKey}, chosen);
    }
    case Command::Cut:
      return CutSelected(parts);
    case Command::CopyAsPath:
      return CopySelectedPaths(parts);
    case Command::Paste:
      return PasteHere(parts);
    case Command::Rename:
      return StartRenaming(parts);
    case Command::Locate:
      return LocateTarget(parts);
    case Command::SelectAll:
      return parts.view.SelectAll();
    case Command::ClearSelection:
      return ClearCutAndSelection(parts);
    case Command::Undo:
      return UndoLastStep(parts);
    case Command::Redo:
      return RedoNextStep(parts);
    case Command::ZoomIn:
    case Command::ZoomOut:
    case Command::ZoomReset:
      return ZoomIcons(parts, command);
    case Command::None:
    case Command::Count:
      return;
  }
}

}  // namespace

void RunCommand(const CommandContext& context, Command command) {
  Dispatch(context, command);
  // A command that ended the search (a folder opened from it, Back) empties the field.
  if (!context.parts.model.search) context.parts.searchField.Clear();
}

}  // namespace kov
