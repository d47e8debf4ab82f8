#include "ui/focus_cycle_win.h"

#include <algorithm>

namespace kov {

void FocusCycle::SetStops(std::vector<HWND> stops, HWND home) {
  stops_ = std::move(stops);
  home_ = home;
  remembered_ = home;
}

// A part hidden in a narrow window is passed over.
void FocusCycle::Step(bool backwards) const {
  if (stops_.empty()) return;
  const auto current = std::find(stops_.begin(), stops_.end(), GetFocus());
  const std::size_t count = stops_.size();
  std::size_t at =
      current == stops_.end() ? (backwards ? 0 : count - 1) : static_cast<std::size_t>(current - stops_.begin());
  for (std::size_t tried = 0; tried < count; ++tried) {
    at = (at + (backwards ? count - 1 : 1)) % count;
    if (IsWindowVisible(stops_[at])) break;
  }
  SetFocus(stops_[at]);
}

void FocusCycle::Remember() {
  const HWND focus = GetFocus();
  remembered_ = std::find(stops_.begin(), stops_.end(), focus) != stops_.end() ? focus : home_;
}

void FocusCycle::Restore() const {
  if (home_) SetFocus(IsWindowVisible(remembered_) ? remembered_ : home_);
}

}  // namespace kov
