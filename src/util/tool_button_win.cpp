#include "util/tool_button_win.h"

#include <windowsx.h>

#include <algorithm>

#include "util/dpi_win.h"

namespace kov {

namespace {

COLORREF Mix(COLORREF a, COLORREF b, int percentOfB) {
  auto channel = [&](int shift) {
    const int from = (a >> shift) & 0xFF;
    const int to = (b >> shift) & 0xFF;
    return static_cast<COLORREF>(from + (to - from) * percentOfB / 100) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace

bool ToolButton::Create(HWND parent, int tag, GlyphArt art, COLORREF background) {
  if (!RegisterClassOnce("KovrantToolButton", nullptr)) return false;
  tag_ = tag;
  art_ = std::move(art);
  background_ = background;
  return CreateBound(0, "KovrantToolButton", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(tag))) != nullptr;
}

void ToolButton::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd(), &paint);
  RECT client;
  GetClientRect(hwnd(), &client);
  const COLORREF face = pressed_ && hot_ ? Mix(background_, RGB(70, 110, 200), 35)
                        : hot_           ? Mix(background_, RGB(255, 255, 255), 60)
                                         : background_;
  BrushHandle faceBrush(CreateSolidBrush(face));
  FillRect(dc, &client, faceBrush.get());
  if (hot_) {
    BrushHandle edgeBrush(CreateSolidBrush(Mix(background_, RGB(70, 110, 200), 55)));
    FrameRect(dc, &client, edgeBrush.get());
  }
  const int glyphSize = std::min(Scaled(24, DpiOf(hwnd())), static_cast<int>(std::min(client.right, client.bottom)));
  BitmapHandle glyph = RenderGlyphOnColor(art_, glyphSize, face);
  MemoryDcHandle glyphDc(CreateCompatibleDC(dc));
  {
    SelectedObject selected(glyphDc.get(), glyph.get());
    const int offset = pressed_ && hot_ ? 1 : 0;
    BitBlt(dc, (client.right - glyphSize) / 2 + offset, (client.bottom - glyphSize) / 2 + offset, glyphSize, glyphSize,
           glyphDc.get(), 0, 0, SRCCOPY);
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

void ToolButton::Click() {
  SendMessageA(GetAncestor(hwnd(), GA_ROOT), WM_COMMAND, MAKEWPARAM(tag_, BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd()));
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
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
