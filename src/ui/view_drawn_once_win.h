// A list view changed out of sight and drawn once when the change is done.
#pragma once

#include <windows.h>

namespace kov {

// Keeps a list view from drawing while it changes, scroll bars included, and has it drawn
// once when dropped. The view's own redraw switch stops only its icons: the view still
// draws its scroll bar at once whenever the bar's range or place changes, and paints at
// once when it scrolls; under Wine each scroll bar drawn costs milliseconds. Clearing the
// window's visible flag, as the default handling of WM_SETREDRAW does, stops all of it.
class ViewDrawnOnce {
 public:
  explicit ViewDrawnOnce(HWND view);
  ~ViewDrawnOnce();
  ViewDrawnOnce(const ViewDrawnOnce&) = delete;
  ViewDrawnOnce& operator=(const ViewDrawnOnce&) = delete;

  // Turns the view's own drawing back on, still out of sight: the view arranges its icons
  // and brings its scroll range up to date, so that a scroll can reach the new range.
  void UpdateRange();

 private:
  struct ScrollBars {
    SCROLLINFO vertical{};
    SCROLLINFO horizontal{};
  };
  static ScrollBars ScrollBarsOf(HWND view);
  static bool SameBars(const ScrollBars& one, const ScrollBars& other);

  HWND view_;
  ScrollBars before_;
  bool shown_;
  bool rangeUpdated_ = false;
};

}  // namespace kov
