#include "util/tool_button_win.h"

#include <windowsx.h>

#include <algorithm>

#include "util/accessible_button_win.h"
#include "util/dpi_win.h"
#include "util/tab_key_win.h"

namespace kov {

bool ToolButton::Create(HWND parent, int tag, const char* name, GlyphArt art, const RECT& bounds) {
  if (!RegisterClassOnce("KovrantToolButton", nullptr)) return false;
  tag_ = tag;
  art_ = std::move(art);
  return CreateBound(0, "KovrantToolButton", name, WS_CHILD | WS_VISIBLE | WS_TABSTOP, bounds, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(tag))) != nullptr;
}

void ToolButton::SetColors(const ButtonColors& colors) {
  colors_ = colors;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

BitmapHandle ToolButton::Glyph(int size, COLORREF face) const {
  if (colors_.ownArtColors) return RenderGlyphOnColor(art_, size, face);
  return RenderGlyphInInk(art_, size, Lit() || spaceDown_ ? colors_.hotGlyph : colors_.glyph, face);
}

void ToolButton::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  const bool down = (pressed_ && hot_) || spaceDown_;
  const COLORREF face = down ? colors_.pressedFace : Lit() ? colors_.hotFace : colors_.face;
  BrushHandle faceBrush(CreateSolidBrush(face));
  FillRect(dc, &client, faceBrush.get());
  if (Lit()) {
    BrushHandle edgeBrush(CreateSolidBrush(colors_.hotEdge));
    FrameRect(dc, &client, edgeBrush.get());
  }
  const int glyphSize = std::min(Scaled(24, DpiOf(hwnd())), static_cast<int>(std::min(client.right, client.bottom)));
  BitmapHandle glyph = Glyph(glyphSize, face);
  MemoryDcHandle glyphDc(CreateCompatibleDC(dc));
  {
    SelectedObject selected(glyphDc.get(), glyph.get());
    const int offset = down ? 1 : 0;
    BitBlt(dc, (client.right - glyphSize) / 2 + offset, (client.bottom - glyphSize) / 2 + offset, glyphSize, glyphSize,
           glyphDc.get(), 0, 0, SRCCOPY);
  }
  if (GetFocus() == hwnd()) {
    const int inset = Scaled(3, DpiOf(hwnd()));
    InflateRect(&client, -inset, -inset);
    DrawFocusRect(dc, &client);
  }
  EndPaint(hwnd(), &paint);
}

void ToolButton::SetHot(bool hot) {
  if (hot_ == hot) return;
  hot_ = hot;
  if (hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void ToolButton::ShowAsDropTarget(bool lit) {
  if (dropTarget_ == lit) return;
  dropTarget_ = lit;
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void ToolButton::Click() {
  SendMessageA(GetAncestor(hwnd(), GA_ROOT), WM_COMMAND, MAKEWPARAM(tag_, BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd()));
}

void ToolButton::OnKey(UINT message, WPARAM key, LPARAM flags) {
  constexpr LPARAM kRepeated = 1 << 30;
  if (message == WM_KEYDOWN && key == VK_RETURN) {
    Click();
  } else if (message == WM_KEYDOWN && key == VK_SPACE && !(flags & kRepeated)) {
    spaceDown_ = true;
    InvalidateRect(hwnd(), nullptr, FALSE);
  } else if (message == WM_KEYUP && key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    InvalidateRect(hwnd(), nullptr, FALSE);
    Click();
  }
}

LRESULT ToolButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      RECT client;
      GetClientRect(hwnd(), &client);
      const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      SetHot(PtInRect(&client, point) != FALSE);
      return 0;
    }
    case WM_MOUSELEAVE:
      SetHot(false);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      SetHot(true);
      SetCapture(hwnd());
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      const bool clicked = pressed_ && hot_;
      pressed_ = false;
      ReleaseCapture();
      InvalidateRect(hwnd(), nullptr, FALSE);
      if (clicked) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case BM_CLICK:
      Click();
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
      if (!HandOnTabKey(hwnd(), message, wParam)) OnKey(message, wParam, lParam);
      return 0;
    case WM_SETFOCUS:
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS:
      spaceDown_ = false;
      InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_GETOBJECT:
      if (const LRESULT answer = AnswerAccessibleButton(hwnd(), wParam, lParam)) return answer;
      return Window::HandleMessage(message, wParam, lParam);
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
