// Arranging icons by dragging them with the mouse, the selected ones together: between
// others of the folder, onto a virtual folder's icon, or onto the Back button. The view
// holds the mouse from the start of the drag to the drop; Esc, or the mouse taken by
// another window, cancels.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "ui/arrange.h"
#include "ui/launcher_parts_win.h"
#include "util/tool_button_win.h"

namespace kov {

class DragArrange {
 public:
  DragArrange() = default;
  DragArrange(const DragArrange&) = delete;
  DragArrange& operator=(const DragArrange&) = delete;
  ~DragArrange() { End(); }

  // Starts dragging the selected icons of the view, icon index among them (LVN_BEGINDRAG);
  // back is the Back button.
  void Begin(const LauncherParts& parts, int index, ToolButton& back);

 private:
  // Where the icon would go if it were dropped now.
  struct Target {
    enum Kind { None, Before, Into, Up } kind = None;
    // Before: the icon it goes before, or the number of icons for after the last; Into:
    // the folder's icon.
    int index = -1;
  };

  static LRESULT CALLBACK Track(HWND view, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  Target TargetAt(POINT point) const;
  Target PlaceNear(POINT point) const;
  bool IsFolderIcon(int index) const;
  bool IsDragged(int index) const;
  void Show(const Target& target);
  void Drop(const Target& target, const std::vector<int>& dragged);
  void End();

  std::optional<LauncherParts> parts_;
  ToolButton* back_ = nullptr;
  std::vector<int> dragged_;  // the icons dragged, in the view's order; empty between drags
};

}  // namespace kov
