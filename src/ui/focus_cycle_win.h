// The keyboard focus among the window's parts. Tab and Shift+Tab step through the
// stops in their order, round from the last to the first; when the window is active
// again, the stop that had the focus gets it back.
#pragma once

#include <windows.h>

#include <vector>

namespace kov {

class FocusCycle {
 public:
  // The stops in Tab's order; home has the focus until another stop takes it.
  void SetStops(std::vector<HWND> stops, HWND home);
  // Moves the focus to the next stop after the one that has it, or the one before.
  void Step(bool backwards) const;
  // As the window goes inactive: which stop has the focus.
  void Remember();
  // As the window gets the focus: gives it to the stop that had it.
  void Restore() const;

 private:
  std::vector<HWND> stops_;
  HWND home_ = nullptr;
  HWND remembered_ = nullptr;
};

}  // namespace kov
