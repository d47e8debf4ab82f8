// Program entry: safe DLL loading, common controls and OLE, the menu read while the window is
// made, then Form1 until it closes.
#include <windows.h>
#include <commctrl.h>

#include "app/form1_win.h"
#include "app/library_search_win.h"
#include "app/single_instance_win.h"
#include "store/settings_file.h"

namespace {

std::string ProgramPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  kov::RestrictLibrarySearch();
  const kov::Text settingsFile = kov::SettingsPathFor(ProgramPath());
  const kov::SingleInstance instance(settingsFile);
  if (instance.AnotherIsRunning()) {
    instance.HandOverToOther();
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  kov::OleInitialization ole;
  // A large menu is read while the window is made. Started only now: a thread that starts
  // while the system libraries load slows their loading (under Wine) more than it saves.
  kov::MenuFile menuFile(settingsFile);
  kov::Form1 form(std::move(menuFile));
  form.QuitWhenDestroyed();
  if (!form.Create(showCommand)) return 1;
  instance.MarkWindow(form.hwnd());
  MSG message;
  // A Unicode loop: a character typed on any keyboard reaches the boxes a user types
  // into as UTF-16, never narrowed to a byte of the code page on its way.
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
