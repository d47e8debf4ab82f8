// A flat tool button: a glyph with no frame until the mouse is over it. A click sends
// WM_COMMAND with the button's Tag as its identifier to the top-level window.
#pragma once

#include "util/glyph_painter_win.h"
#include "util/window_win.h"

namespace kov {

class ToolButton : public Window {
 public:
  [[nodiscard]] bool Create(HWND parent, int tag, GlyphArt art, COLORREF background);
  int Tag() const { return tag_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  void SetHot(bool hot);
  void Click();

  int tag_ = 0;
  GlyphArt art_;
  COLORREF background_ = 0;
  bool hot_ = false;
  bool pressed_ = false;
};

}  // namespace kov
