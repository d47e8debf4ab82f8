#include "util/tab_key_win.h"

namespace kov {

namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool HandOnTabKey(HWND part, UINT message, WPARAM wParam) {
  if (wParam != VK_TAB) return false;
  if (message == WM_CHAR) return true;
  if (message != WM_KEYDOWN || Held(VK_CONTROL) || Held(VK_MENU)) return false;
  SendMessageA(GetAncestor(part, GA_ROOT), WM_NEXTDLGCTL, Held(VK_SHIFT) ? 1 : 0, 0);
  return true;
}

}  // namespace kov
