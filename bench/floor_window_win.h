// The part both start-up floors share: a top-level window of the launcher's first size,
// shown and painted, then a message loop. With "--close-when-shown" on the command line
// the window closes itself as soon as it has been shown.
#pragma once

#include <windows.h>

#include <cstring>

inline int RunFloorWindow(HINSTANCE instance, const char* title, WNDPROC procedure, DWORD style, int show,
                          const char* commandLine) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = title;
  RegisterClassA(&windowClass);
  HWND window =
      CreateWindowA(title, title, style, CW_USEDEFAULT, CW_USEDEFAULT, 661, 525, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  if (std::strstr(commandLine, "--close-when-shown")) PostMessageA(window, WM_CLOSE, 0, 0);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
