// The floor for start-up timings: a program that only opens an empty window. Started with
// the argument "--close-when-shown" it closes itself as soon as the window is shown.
#include <windows.h>

#include "floor_window_win.h"

static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  return RunFloorWindow(instance, "Empty", Procedure, WS_OVERLAPPEDWINDOW, show, commandLine);
}
