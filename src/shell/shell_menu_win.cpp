#include "shell/shell_menu_win.h"

#include "store/launch_win.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

// Menus read "&" as the mark of a mnemonic; a literal one is written doubled.
std::wstring MenuCaptionText(const Text& caption) { return WideText(ReplaceAll(caption, "&", "&&")); }

bool AppendCommand(HMENU menu, const Text& caption, int tag) {
  return AppendMenuW(menu, MF_STRING, kShellMenuCommandBase + static_cast<UINT>(tag),
                     MenuCaptionText(caption).c_str()) != FALSE;
}

// A heading with items opens a sub-menu. One without items has nothing to open and is
// shown disabled.
bool AppendHeading(HMENU menu, const ShellHeading& heading) {
  if (!heading.HasItems()) {
    return AppendMenuW(menu, MF_STRING | MF_GRAYED, kShellMenuCommandBase + static_cast<UINT>(heading.tag),
                       MenuCaptionText(heading.caption).c_str()) != FALSE;
  }
  MenuHandle subMenu(CreatePopupMenu());
  if (!subMenu) return false;
  for (const ShellFolderItem& item : heading.items) {
    if (!AppendCommand(subMenu.get(), item.caption, item.tag)) return false;
  }
  if (!AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu.get()),
                   MenuCaptionText(heading.caption).c_str())) {
    return false;
  }
  subMenu.release();  // the parent menu destroys it from now on
  return true;
}

}  // namespace

MenuHandle BuildShellFoldersMenu(const ShellMenuModel& model) {
  MenuHandle menu(CreatePopupMenu());
  if (!menu) return menu;
  for (const ShellFolderItem& item : model.looseItems) {
    if (!AppendCommand(menu.get(), item.caption, item.tag)) return MenuHandle();
  }
  for (const ShellHeading& heading : model.headings) {
    if (!AppendHeading(menu.get(), heading)) return MenuHandle();
  }
  return menu;
}

bool OpenChosenShellFolder(HWND owner, const ShellMenuModel& model, UINT command, const ShellRunner& shell) {
  if (command <= kShellMenuCommandBase) return false;
  const Text parameter = ExplorerParameterFor(model, static_cast<int>(command - kShellMenuCommandBase));
  if (parameter.empty()) return false;
  OpenInExplorer(owner, parameter, shell);
  return true;
}

void ShowShellFoldersMenu(HWND owner, const Text& catalogueText, POINT screenPoint, const ShellRunner& shell) {
  const ShellMenuModel model = BuildShellMenuModel(catalogueText);
  const MenuHandle menu = BuildShellFoldersMenu(model);
  if (!menu) return;
  const UINT flags = TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON;
  const BOOL command = TrackPopupMenu(menu.get(), flags, screenPoint.x, screenPoint.y, 0, owner, nullptr);
  if (command > 0) OpenChosenShellFolder(owner, model, static_cast<UINT>(command), shell);
}

}  // namespace kov
