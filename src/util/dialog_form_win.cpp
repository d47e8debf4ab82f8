#include "util/dialog_form_win.h"

#include <algorithm>
#include <utility>

#include "util/child_window_win.h"
#include "util/dark_button_win.h"
#include "util/dark_frame_win.h"
#include "util/dpi_win.h"
#include "util/fonts_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

constexpr char kFormClassName[] = "KovrantDialogForm";
constexpr DWORD kFixedFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFixedFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

DialogForm* currentForm = nullptr;

// Moves rect (screen coordinates) inside area as far as it fits, top-left first.
POINT KeepInside(POINT topLeft, SIZE size, const RECT& area) {
  topLeft.x = std::max(std::min(topLeft.x, area.right - size.cx), area.left);
  topLeft.y = std::max(std::min(topLeft.y, area.bottom - size.cy), area.top);
  return topLeft;
}

RECT WorkAreaNear(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return monitor.rcWork;
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

FormColors& FormLook() {
  static FormColors look;
  return look;
}

Text& CloseKeys() {
  static Text closeKeys;
  return closeKeys;
}

SIZE MeasureText(const Text& text, HFONT font) {
  SIZE size{0, 0};
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  if (!dc) return size;
  SelectedObject selected(dc.get(), font);
  const std::wstring wide = WideText(text);
  GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return size;
}

DialogForm::DialogForm(HWND owner) : owner_(owner), previousCurrent_(currentForm) {
  currentForm = this;
  CloseKeys().clear();
  if (!RegisterClassOnce(kFormClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) return;
  if (!CreateBound(kFixedFrameExStyle, kFormClassName, "", kFixedFrameStyle, RECT{}, owner, nullptr)) return;
  dpi_ = DpiOf(hwnd());
  if (colors_.dark) {
    faceBrush_.reset(CreateSolidBrush(colors_.face));
    fieldBrush_.reset(CreateSolidBrush(colors_.field));
    UseDarkTitleBar(hwnd(), true);
  }
  font_ = MakeFont(kDialogFontFace, 11, dpi_);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

DialogForm::~DialogForm() {
  UnblockOwnerInput();
  if (hwnd()) DestroyWindow(hwnd());
  if (currentForm == this) currentForm = previousCurrent_;
}

DialogForm* DialogForm::Current() { return currentForm; }

int DialogForm::Scale(int pixelsAt96) const { return Scaled(pixelsAt96, dpi_); }

void DialogForm::SetFontPoints(int points) {
  FontHandle font = MakeFont(kDialogFontFace, PointsToPixels(points, dpi_));
  if (!font) return;
  font_ = std::move(font);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void DialogForm::SetCaption(const Text& caption) { SetWindowTextOf(hwnd(), caption); }

void DialogForm::MakeSizeable() {
  SetWindowLongPtrA(hwnd(), GWL_STYLE, kFixedFrameStyle | WS_THICKFRAME);
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, WS_EX_CONTROLPARENT);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

void DialogForm::SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
  SetOuterSize(frame.right - frame.left, frame.bottom - frame.top);
}

void DialogForm::SetOuterSize(int width, int height) {
  SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT DialogForm::Keep(FontHandle font) {
  keptFonts_.push_back(std::move(font));
  return keptFonts_.back().get();
}

void DialogForm::Keep(ImageListHandle images) {
  if (images) keptImages_.push_back(std::move(images));
}

HWND DialogForm::AddResultButton(const char* caption, int result, RECT bounds, HFONT font, bool isDefault) {
  const DWORD style = WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  HWND button = CreateChildWindow(hwnd(), result, "BUTTON", caption, style, bounds, font);
  if (!button) return nullptr;
  resultButtons_.push_back(result);
  if (isDefault) defaultResult_ = result;
  return button;
}

void DialogForm::BlockOwnerInput() {
  if (ownerBlocked_ || !owner_ || !IsWindowEnabled(owner_)) return;
  EnableWindow(owner_, FALSE);
  ownerBlocked_ = true;
}

void DialogForm::UnblockOwnerInput() {
  if (!ownerBlocked_) return;
  EnableWindow(owner_, TRUE);
  ownerBlocked_ = false;
}

int DialogForm::ShowModal(HWND focus, Placement placement) {
  if (!hwnd()) return kResultCancel;
  modalResult_ = kResultNone;
  BlockOwnerInput();
  Place(placement);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(focus ? focus : hwnd());
  RunModalLoop();
  // The owner takes input again before the form is destroyed, so it becomes active.
  UnblockOwnerInput();
  return modalResult_;
}

void DialogForm::RunModalLoop() {
  MSG message{};
  while (modalResult_ == kResultNone) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      modalResult_ = kResultCancel;
      // The application is quitting: the caller's own loop must see WM_QUIT as well.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && BelongsToForm(message.hwnd)) {
      PreviewKey(message.wParam);
    }
    // Unicode, as the program's own loop: typed characters arrive whole.
    if (!hwnd() || !IsDialogMessageW(hwnd(), &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

void DialogForm::SetModalResult(int result) {
  if (modalResult_ == kResultNone) modalResult_ = result;
}

bool DialogForm::BelongsToForm(HWND window) const {
  return window != nullptr && (window == hwnd() || IsChild(hwnd(), window));
}

// The form sees every key before the focused control, which still receives it.
void DialogForm::PreviewKey(WPARAM key) {
  const int keyCode = static_cast<int>(key & 0xFFFF);
  Text listed = ",";
  listed += IntText(keyCode);
  listed += ',';
  if (TextPos(CloseKeys(), listed) > 0) SetModalResult(keyCode);
}

void DialogForm::Place(Placement placement) {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  const SIZE size{window.right - window.left, window.bottom - window.top};
  RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (placement == Placement::OverOwner && owner_ && IsWindowVisible(owner_) && !IsIconic(owner_)) {
    GetWindowRect(owner_, &over);
  }
  const POINT centred{over.left + (over.right - over.left - size.cx) / 2,
                      over.top + (over.bottom - over.top - size.cy) / 2};
  const POINT topLeft = KeepInside(centred, size, placement == Placement::OverOwner ? WorkAreaNear(owner_) : over);
  SetWindowPos(hwnd(), nullptr, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool DialogForm::IsResultButton(int id) const {
  return std::find(resultButtons_.begin(), resultButtons_.end(), id) != resultButtons_.end();
}

void DialogForm::OnCommand(int id) {
  if (IsResultButton(id)) {
    SetModalResult(id);
  } else if (id == IDCANCEL && cancelResult_ != kResultNone) {
    SetModalResult(cancelResult_);
  }
}

// Focus returns to the control that had it when the user comes back to the form.
void DialogForm::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (BelongsToForm(focus)) lastFocus_ = focus;
  } else if (lastFocus_ && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

LRESULT DialogForm::DarkColors(UINT message, HDC dc) {
  if (!colors_.dark || !faceBrush_ || !fieldBrush_) return 0;
  const bool field = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
  SetTextColor(dc, field ? colors_.fieldText : colors_.text);
  SetBkColor(dc, field ? colors_.field : colors_.face);
  return reinterpret_cast<LRESULT>(field ? fieldBrush_.get() : faceBrush_.get());
}

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      if (const LRESULT brush = DarkColors(message, reinterpret_cast<HDC>(wParam))) return brush;
      return Window::HandleMessage(message, wParam, lParam);
    case WM_ERASEBKGND:
      if (!faceBrush_) return Window::HandleMessage(message, wParam, lParam);
      {
        RECT client{};
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, faceBrush_.get());
      }
      return 1;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      const auto& draw = *reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
      if (colors_.dark && draw.hdr.code == NM_CUSTOMDRAW && IsResultButton(static_cast<int>(draw.hdr.idFrom))) {
        return DrawDarkPushButton(draw, colors_);
      }
      return Window::HandleMessage(message, wParam, lParam);
    }
    case DM_GETDEFID:
      return defaultResult_ != kResultNone ? MAKELRESULT(defaultResult_, DC_HASDEFID) : 0;
    case WM_CLOSE:
      SetModalResult(kResultCancel);
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SIZE:
      OnClientResized(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_DESTROY:
      SetModalResult(kResultCancel);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
