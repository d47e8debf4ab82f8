#include "ui/window_keys_win.h"

#include <commctrl.h>

namespace kov {

namespace {

constexpr UINT_PTR kButtonKeysSubclass = 3;

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

LRESULT CALLBACK PassButtonKeys(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_KEYDOWN) {
    if (const Command command = CommandOfKeyIn(KeyPart::Button, PressedChord(wParam), false);
        command != Command::None) {
      SendKeyCommand(button, command);
      return 0;
    }
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(button, PassButtonKeys, kButtonKeysSubclass);
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

}  // namespace

KeyChord PressedChord(WPARAM key) { return {static_cast<unsigned>(key), Held(VK_CONTROL), Held(VK_SHIFT)}; }

void SendKeyCommand(HWND part, Command command) {
  SendMessageA(GetAncestor(part, GA_ROOT), WM_COMMAND, MAKEWPARAM(CommandWindowId(command), 1), 0);
}

bool PassWindowKeysOn(HWND button) {
  return SetWindowSubclass(button, PassButtonKeys, kButtonKeysSubclass, 0) != FALSE;
}

}  // namespace kov
