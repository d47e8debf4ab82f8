#include "util/child_window_win.h"

#include "util/wide_text_win.h"

namespace kov {

HWND CreateChildWindow(HWND parent, int id, const char* className, const char* text, DWORD style, const RECT& bounds,
                       HFONT font, DWORD exStyle) {
  // Unicode windows: the system's edit boxes among them take typed text in every script.
  HWND child = CreateWindowExW(exStyle, WideText(className).c_str(), WideText(text).c_str(),
                               WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top, bounds.right - bounds.left,
                               bounds.bottom - bounds.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
  if (child && font) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

void PlaceChild(HWND child, const RECT& bounds, bool repaint) {
  RECT now;
  GetWindowRect(child, &now);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&now), 2);
  if (EqualRect(&now, &bounds)) return;
  MoveWindow(child, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, repaint);
}

}  // namespace kov
