// The system's own shell view as a yardstick for the launcher's start-up with a full
// folder: a window, as large as the launcher's first one, that hosts the shell browser in
// large icons on the folder named on its command line. Once the browser's list view holds
// every entry of that folder and has been painted, the caption changes from "Shell View"
// to "Shell View done", which a script can wait for.
// Usage: shell_view_host <folder>
#include <windows.h>
#include <commctrl.h>
#include <shobjidl.h>

#include <memory>
#include <string>

#include "util/handles_win.h"

namespace {

constexpr UINT_PTR kCheckTimer = 1;
constexpr UINT kCheckMilliseconds = 5;

IExplorerBrowser* g_browser = nullptr;  // owned by WinMain
HWND g_listView = nullptr;
int g_expected = 0;

struct LocalDeleter {
  void operator()(LPWSTR* arguments) const { LocalFree(arguments); }
};

// Entries the shell view will list: everything in the folder but "." and "..".
int EntryCount(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  const kov::FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
  if (!search) return 0;
  int count = 0;
  do {
    if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..") ++count;
  } while (FindNextFileW(search.get(), &found));
  return count;
}

BOOL CALLBACK FindListView(HWND child, LPARAM) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (std::wstring(className) != WC_LISTVIEWW) return TRUE;
  g_listView = child;
  return FALSE;
}

// Done when the view lists the whole folder: whatever of it is still to be painted is
// painted now, the icons included, and the caption tells the script.
bool CheckDone(HWND window) {
  if (!g_listView) EnumChildWindows(window, FindListView, 0);
  if (!g_listView || ListView_GetItemCount(g_listView) < g_expected) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SetWindowTextW(window, L"Shell View done");
  return true;
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kCheckTimer && CheckDone(window)) KillTimer(window, kCheckTimer);
      return 0;
    case WM_SIZE:
      if (g_browser) g_browser->SetRect(nullptr, RECT{0, 0, LOWORD(lParam), HIWORD(lParam)});
      return 0;
    case WM_DESTROY:
      if (g_browser) g_browser->Destroy();
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  int argumentCount = 0;
  const std::unique_ptr<LPWSTR[], LocalDeleter> arguments(CommandLineToArgvW(GetCommandLineW(), &argumentCount));
  if (!arguments || argumentCount < 2) return 2;
  wchar_t folder[MAX_PATH] = {};
  if (GetFullPathNameW(arguments[1], MAX_PATH, folder, nullptr) == 0) return 2;
  g_expected = EntryCount(folder);

  const kov::OleInitialization ole;
  // Before the window: the window's end destroys the browser, which must still be there.
  kov::ComPtr<IExplorerBrowser> browser;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"ShellViewHost";
  RegisterClassW(&windowClass);
  kov::WindowHandle window(CreateWindowW(L"ShellViewHost", L"Shell View", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                         CW_USEDEFAULT, CW_USEDEFAULT, 661, 525, nullptr, nullptr, instance, nullptr));
  if (!window) return 1;

  RECT client;
  GetClientRect(window.get(), &client);
  const FOLDERSETTINGS settings{FVM_ICON, 0};
  if (FAILED(CoCreateInstance(CLSID_ExplorerBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IExplorerBrowser,
                              reinterpret_cast<void**>(browser.put()))) ||
      FAILED(browser->Initialize(window.get(), &client, &settings))) {
    return 1;
  }
  g_browser = browser.get();
  browser->SetOptions(EBO_NOBORDER | EBO_NOTRAVELLOG);
  // The first navigation is made before the call returns.
  kov::ComPtr<IShellItem> item;
  if (FAILED(SHCreateItemFromParsingName(folder, nullptr, IID_IShellItem, reinterpret_cast<void**>(item.put()))) ||
      FAILED(browser->BrowseToObject(item.get(), SBSP_ABSOLUTE))) {
    return 1;
  }
  ShowWindow(window.get(), show);
  UpdateWindow(window.get());
  // A view that lists the folder in the background is looked at again until it has it all.
  if (!CheckDone(window.get())) SetTimer(window.get(), kCheckTimer, kCheckMilliseconds, nullptr);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  g_browser = nullptr;
  window.release();  // destroyed by the message that ended the loop
  return 0;
}
