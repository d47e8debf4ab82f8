#include "util/window_win.h"

namespace kov {

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool Window::RegisterClassOnce(const char* className, HBRUSH background, HICON icon) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing)) return true;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background;
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0;
}

HWND Window::CreateBound(DWORD exStyle, const char* className, const char* title, DWORD style, const RECT& bounds,
                         HWND parent, HMENU idOrMenu) {
  return CreateWindowExA(exStyle, className, title, style, bounds.left, bounds.top, bounds.right - bounds.left,
                         bounds.bottom - bounds.top, parent, idOrMenu, GetModuleHandleA(nullptr), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

// No exception may unwind through the system's code that called the procedure: a
// handler that throws (an allocation that failed) leaves the message to the default
// procedure, and the program goes on.
LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    return Dispatch(hwnd, message, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

LRESULT Window::Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return window->HandleMessage(message, wParam, lParam);
}

}  // namespace kov
