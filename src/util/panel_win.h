// A plain coloured panel that may show one line of text, left-aligned and vertically
// centred. Commands and notifications of its children go on to its parent.
#pragma once

#include <string>

#include "util/handles_win.h"
#include "util/window_win.h"

namespace kov {

class Panel : public Window {
 public:
  [[nodiscard]] bool Create(HWND parent, int id, const RECT& bounds);
  void SetColors(COLORREF background, COLORREF text);
  void SetText(const std::string& text);
  void SetFont(HFONT font) { font_ = font; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  BrushHandle brush_;
  COLORREF textColor_ = 0;
  HFONT font_ = nullptr;
  std::string text_;
};

}  // namespace kov
