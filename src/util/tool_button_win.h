// A flat tool button: a glyph with no frame until the mouse is over it. A click sends
// WM_COMMAND with the button's Tag as its identifier to the top-level window. Its name
// (the window text) and its role as a push button are told to accessibility clients,
// whose default action presses it. Tab reaches it; when it has the focus it shows a
// focus rectangle, and Space (on release, as a button does) or Enter presses it.
#pragma once

#include "util/colors.h"
#include "util/glyph_painter_win.h"
#include "util/window_win.h"

namespace kov {

class ToolButton : public Window {
 public:
  [[nodiscard]] bool Create(HWND parent, int tag, const char* name, GlyphArt art, const RECT& bounds);
  void SetColors(const ButtonColors& colors);
  int Tag() const { return tag_; }
  // Lit as under the mouse while something dragged over it would be dropped on it.
  void ShowAsDropTarget(bool lit);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  BitmapHandle Glyph(int size, COLORREF face) const;
  void SetHot(bool hot);
  bool Lit() const { return hot_ || dropTarget_; }
  void Click();
  void OnKey(UINT message, WPARAM key, LPARAM flags);

  int tag_ = 0;
  GlyphArt art_;
  ButtonColors colors_;
  bool hot_ = false;
  bool dropTarget_ = false;
  bool pressed_ = false;
  bool spaceDown_ = false;
};

}  // namespace kov
