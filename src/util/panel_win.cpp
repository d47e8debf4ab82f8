#include "util/panel_win.h"

#include "util/wide_text_win.h"

namespace kov {

namespace {

Panel::TextDrawer textDrawer = nullptr;

}  // namespace

void Panel::DrawTextWith(TextDrawer drawer) { textDrawer = drawer; }

bool Panel::Create(HWND parent, int id, const RECT& bounds) {
  if (!RegisterClassOnce("KovrantPanel", nullptr)) return false;
  return CreateBound(0, "KovrantPanel", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, bounds, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id))) != nullptr;
}

void Panel::SetColors(COLORREF background, COLORREF text) {
  brush_.reset(CreateSolidBrush(background));
  textColor_ = text;
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Panel::SetFieldColors(COLORREF background, COLORREF text) {
  fieldBrush_.reset(CreateSolidBrush(background));
  fieldBack_ = background;
  fieldText_ = text;
  RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void Panel::SetText(const std::string& text) {
  // Converted here, once: GDI's 8-bit calls read bytes in a code page of their own (the
  // font's, under Wine), not as UTF-8, and would paint "Café" as "CafÃ©".
  text_ = WideText(text);
  SetWindowTextW(hwnd(), text_.c_str());
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void Panel::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  if (brush_) FillRect(dc, &client, brush_.get());
  if (!text_.empty()) {
    SelectedObject selectedFont(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, textColor_);
    const TextDrawer draw = textDrawer ? textDrawer : DrawTextW;
    draw(dc, text_.c_str(), static_cast<int>(text_.size()), &client,
         DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
  }
  EndPaint(hwnd(), &paint);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CTLCOLOREDIT:
      if (!fieldBrush_) return Window::HandleMessage(message, wParam, lParam);
      SetTextColor(reinterpret_cast<HDC>(wParam), fieldText_);
      SetBkColor(reinterpret_cast<HDC>(wParam), fieldBack_);
      return reinterpret_cast<LRESULT>(fieldBrush_.get());
    case WM_COMMAND:
    case WM_NOTIFY:
      return SendMessageA(GetParent(hwnd()), message, wParam, lParam);
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
