// A plain coloured panel that may show one line of text, left-aligned and vertically
// centred. Commands and notifications of its children go on to its parent.
#pragma once

#include <string>

#include "util/handles_win.h"
#include "util/window_win.h"

namespace kov {

class Panel : public Window {
 public:
  // The call that draws a panel's text, in DrawTextW's form: the text reaches it as
  // UTF-16, whole in every script. A test puts a recorder in its place to see exactly
  // what a panel draws; nullptr (the program's own) is DrawTextW itself.
  using TextDrawer = int(WINAPI*)(HDC dc, LPCWSTR text, int length, LPRECT area, UINT format);
  static void DrawTextWith(TextDrawer drawer);

  [[nodiscard]] bool Create(HWND parent, int id, const RECT& bounds);
  void SetColors(COLORREF background, COLORREF text);
  // The colours of the edit boxes the panel holds.
  void SetFieldColors(COLORREF background, COLORREF text);
  // text is UTF-8, as every text of the program.
  void SetText(const std::string& text);
  void SetFont(HFONT font) { font_ = font; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnPaint();
  BrushHandle brush_;
  BrushHandle fieldBrush_;
  COLORREF fieldBack_ = 0;
  COLORREF fieldText_ = 0;
  COLORREF textColor_ = 0;
  HFONT font_ = nullptr;
  std::wstring text_;
};

}  // namespace kov
