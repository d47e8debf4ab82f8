#include "ui/summon_key_win.h"

namespace kov {

namespace {

constexpr int kSummonKeyId = 1;

}  // namespace

SummonKey::~SummonKey() {
  if (window_) UnregisterHotKey(window_, kSummonKeyId);
}

Text SummonKey::Register(HWND window, const std::optional<Hotkey>& key, const Text& stateFileName) {
  if (!key) return Text();
  // Held down, the key would send the window back and forth.
  if (!RegisterHotKey(window, kSummonKeyId, key->modifiers | MOD_NOREPEAT, key->virtualKey)) {
    return HotkeyText(key) + " is used by another program; choose another key in " + stateFileName;
  }
  window_ = window;
  keyName_ = HotkeyText(key);
  return Text();
}

Text SummonKey::SearchTip() const {
  return window_ ? "Search (Ctrl+F, or " + keyName_ + " from any program)" : "Search (Ctrl+F)";
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
