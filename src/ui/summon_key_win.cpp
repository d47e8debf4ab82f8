#include "ui/summon_key_win.h"

namespace kov {

namespace {

constexpr int kSummonKeyId = 1;

// Another window than Kovrant's and those it owns (a dialog, a menu): one the keyboard
// may go back to.
bool IsAnotherWindow(HWND candidate, HWND window) {
  return candidate && candidate != window && GetAncestor(candidate, GA_ROOTOWNER) != window;
}

// Still there to take the keyboard: not closed, hidden or minimised since.
bool CanTakeTheKeyboard(HWND candidate) {
  return candidate && IsWindow(candidate) && IsWindowVisible(candidate) && !IsIconic(candidate);
}

// Whether an X window manager decides which window has the keyboard: only under Wine
// with its windows managed (its "Managed" setting, yes unless said otherwise). Windows,
// and Wine without a manager, hand the foreground to the program whose hot key was
// pressed.
bool WindowManagerKeepsTheKeyboard() {
  static const bool keeps = [] {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
    wchar_t managed[8] = {};
    DWORD size = sizeof managed;
    const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", RRF_RT_REG_SZ,
                                      nullptr, managed, &size);
    return read != ERROR_SUCCESS || (managed[0] != L'N' && managed[0] != L'n');
  }();
  return keeps;
}

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
    SendAway(window);
  } else {
    BringForward(window, field);
  }
}

void SummonKey::BringForward(HWND window, HWND field) {
  const HWND front = GetForegroundWindow();
  before_ = IsAnotherWindow(front, window) ? front : nullptr;
  if (IsIconic(window)) {
    ShowWindow(window, SW_RESTORE);
  } else if (WindowManagerKeepsTheKeyboard()) {
    // Under a window manager a window behind another program's does not come forward
    // on SetForegroundWindow alone (the system thinks it is in front, the window
    // manager leaves the keyboard where it was); a window shown anew is given the
    // keyboard by the window manager as well. This costs a repaint of the whole window,
    // most of a summon's time, so it is done only there.
    ShowWindow(window, SW_HIDE);
    ShowWindow(window, SW_SHOW);
  }
  SetForegroundWindow(window);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

// A window manager activates the window that was in front before by itself, and
// without one nothing is activated after a minimise: the keyboard would stay in the
// hidden search field.
void SummonKey::SendAway(HWND window) {
  ShowWindow(window, SW_MINIMIZE);
  if (CanTakeTheKeyboard(before_)) SetForegroundWindow(before_);
  before_ = nullptr;
}

}  // namespace kov
