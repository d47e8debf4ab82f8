// The key that brings Kovrant forward from any program: registered for the whole
// system while the window lives. Pressed while another program is in front, or while
// Kovrant is minimised, it brings Kovrant to the front with the focus in the search
// field; pressed while Kovrant is in front, it minimises Kovrant and gives the keyboard
// back to the window that was in front before the key brought Kovrant forward.
#pragma once

#include <windows.h>

#include <optional>

#include "store/hotkey_text.h"

namespace kov {

class SummonKey {
 public:
  SummonKey() = default;
  SummonKey(const SummonKey&) = delete;
  SummonKey& operator=(const SummonKey&) = delete;
  ~SummonKey();

  // Registers the key for window. When another program holds it, the words that tell
  // the user so and where to choose another (stateFileName); "" otherwise. No key (the
  // user chose none) registers nothing and is no failure.
  Text Register(HWND window, const std::optional<Hotkey>& key, const Text& stateFileName);
  // The search field's tip, naming the key while it is registered.
  Text SearchTip() const;
  // The key's name while it is registered; "" otherwise.
  Text KeyName() const { return window_ ? keyName_ : Text(); }

  // WM_HOTKEY: brings window forward with the focus in field, or sends it away.
  void Pressed(HWND window, HWND field);

 private:
  void BringForward(HWND window, HWND field);
  void SendAway(HWND window);

  HWND window_ = nullptr;
  HWND before_ = nullptr;  // the window in front when Kovrant was brought forward
  Text keyName_;
};

}  // namespace kov
