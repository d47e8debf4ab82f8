// A second floor for start-up timings: the empty window plus what any program built on
// the system's common controls pays before its first paint: the version 6 controls
// (through the launcher's own manifest), OLE for drag and drop, and an empty list view
// filling the window. Started with "--close-when-shown" it closes once shown.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "floor_window_win.h"

static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_ICON, 0, 0, 645, 486, hwnd, nullptr,
                    GetModuleHandleA(nullptr), nullptr);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const bool ole = SUCCEEDED(OleInitialize(nullptr));
  const int result =
      RunFloorWindow(instance, "Controls", Procedure, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, show, commandLine);
  if (ole) OleUninitialize();
  return result;
}
