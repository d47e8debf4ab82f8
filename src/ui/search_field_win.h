// The search field in the tool bar: an edit box with the cue "Search" while it is empty.
// Its keys reach the window as commands: Enter starts the first entry found, Down and
// Tab go into the found entries, Esc empties the field. Its text changes reach the
// window as EN_CHANGE.
#pragma once

#include <windows.h>

#include "util/text.h"

namespace kov {

class SearchField {
 public:
  [[nodiscard]] bool Create(HWND parent, int id, const RECT& bounds);
  HWND hwnd() const { return edit_; }
  Text Typed() const;
  // Empties the field; the window hears of it as of any other change.
  void Clear();
  void SetFont(HFONT font);

 private:
  HWND edit_ = nullptr;  // a child window: destroyed with its parent
};

}  // namespace kov
