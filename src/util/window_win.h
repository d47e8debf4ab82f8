// The base of every window class of the program: binds the C++ object to its HWND at
// WM_NCCREATE and lets it handle messages in one virtual function. The object is
// unbound at WM_NCDESTROY, so no message reaches a destroyed object.
#pragma once

#include <windows.h>

namespace kov {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class once per process; every class uses Window's procedure.
  static bool RegisterClassOnce(const char* className, HBRUSH background, HICON icon = nullptr);
  // Creates the window with this object bound to it, at bounds (in its parent's client
  // area for a child).
  HWND CreateBound(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& bounds,
                   HWND parent, HMENU idOrMenu);

  // Handles a message; the default passes it to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace kov
