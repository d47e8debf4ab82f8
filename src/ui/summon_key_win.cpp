#include "ui/summon_key_win.h"

namespace kov {

namespace {

constexpr int kSummonKeyId = 1;

}  // namespace

SummonKey::~SummonKey() {
  if (window_) UnregisterHotKey(window_, kSummonKeyId);
}

bool SummonKey::Register(HWND window, const std::optional<Hotkey>& key) {
  if (!key) return true;
  // Held down, the key would send the window back and forth.
  if (!RegisterHotKey(window, kSummonKeyId, key->modifiers | MOD_NOREPEAT, key->virtualKey)) return false;
  window_ = window;
  return true;
}

void SummonKey::Pressed(HWND window, HWND field) {
  if (GetForegroundWindow() == window && !IsIconic(window)) {
    ShowWindow(window, SW_MINIMIZE);
    return;
  }
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

}  // namespace kov
