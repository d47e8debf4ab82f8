#include "util/dialogs_win.h"

#include <algorithm>
#include <utility>

#include "util/dpi_win.h"
#include "util/glyph_painter_win.h"
#include "util/input_history.h"

namespace kov {

namespace {

constexpr char kFormClassName[] = "KovrantDialogForm";
constexpr DWORD kFixedFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kFixedFrameExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

DialogForm* currentForm = nullptr;

FontHandle MakeFont(const char* face, int height) {
  return FontHandle(CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

RECT Bounds(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

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

Text& CloseKeys() {
  static Text closeKeys;
  return closeKeys;
}

SIZE MeasureText(const Text& text, HFONT font) {
  SIZE size{0, 0};
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  if (!dc) return size;
  SelectedObject selected(dc.get(), font);
  GetTextExtentPoint32A(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// ---- DialogForm ----

DialogForm::DialogForm(HWND owner) : owner_(owner), previousCurrent_(currentForm) {
  currentForm = this;
  CloseKeys().clear();
  if (!RegisterClassOnce(kFormClassName, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) return;
  if (!CreateBound(kFixedFrameExStyle, kFormClassName, "", kFixedFrameStyle, 0, 0, 0, 0, owner, nullptr)) return;
  dpi_ = DpiOf(hwnd());
  font_ = MakeFont("MS Sans Serif", Scale(11));
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
  FontHandle font = MakeFont("MS Sans Serif", MulDiv(points, dpi_, 72));
  if (!font) return;
  font_ = std::move(font);
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void DialogForm::SetCaption(const Text& caption) { SetWindowTextA(hwnd(), caption.c_str()); }

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
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  HWND button = CreateWindowExA(0, "BUTTON", caption, style, bounds.left, bounds.top, bounds.right - bounds.left,
                                bounds.bottom - bounds.top, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(result)),
                                GetModuleHandleA(nullptr), nullptr);
  if (!button) return nullptr;
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
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
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      modalResult_ = kResultCancel;
      // The application is quitting: the caller's own loop must see WM_QUIT as well.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) && BelongsToForm(message.hwnd)) {
      PreviewKey(message.wParam);
    }
    if (!hwnd() || !IsDialogMessageA(hwnd(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
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

void DialogForm::OnCommand(int id) {
  if (std::find(resultButtons_.begin(), resultButtons_.end(), id) != resultButtons_.end()) {
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

LRESULT DialogForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
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

// ---- InputWithHistory ----

namespace {

constexpr int kComboId = 100;

// The green check mark of the OK button and the red cross of Cancel, drawn in code
// so they stay sharp at any scale.
void DrawCheckMark(GlyphCanvas& canvas) {
  canvas.Polygon({{3, 17}, {7.5, 12.5}, {13, 18}, {24.5, 6.5}, {29, 11}, {13, 27}}, RGB(0x1F, 0x9D, 0x3A));
}

void DrawCross(GlyphCanvas& canvas) {
  constexpr double c = 16, r = 11, t = 4.2;
  canvas.Polygon({{c - r, c - r + t}, {c - r + t, c - r}, {c, c - t}, {c + r - t, c - r}, {c + r, c - r + t},
                  {c + t, c}, {c + r, c + r - t}, {c + r - t, c + r}, {c, c + t}, {c - r + t, c + r},
                  {c - r, c + r - t}, {c - t, c}},
                 RGB(0xD3, 0x2F, 0x2F));
}

// Puts the glyph beside the caption of a button (common controls 6 draw both).
ImageListHandle AttachGlyph(HWND button, const GlyphArt& art, int size, int gap) {
  ImageListHandle images(ImageList_Create(size, size, ILC_COLOR32, 1, 0));
  IconHandle icon = RenderGlyphIcon(art, size);
  if (!images || !icon || ImageList_AddIcon(images.get(), icon.get()) < 0) return {};
  BUTTON_IMAGELIST glyph{images.get(), RECT{0, 0, gap, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
  SendMessageA(button, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&glyph));
  return images;
}

struct InputLayout {
  int comboWidth;  // W
  SIZE client;
  RECT combo;
  RECT ok;
  RECT cancel;
};

// The combo box is as wide as the initial text plus a margin, at least 177 and at
// most two thirds of the virtual desktop; the buttons sit centred beneath it.
InputLayout LayoutInput(const DialogForm& form, int textWidth) {
  const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  int width = std::max(textWidth + form.Scale(30), form.Scale(177));
  width = std::min(width, desktopWidth / 3 * 2);
  InputLayout layout{};
  layout.comboWidth = width;
  layout.client = SIZE{width + form.Scale(60), form.Scale(97)};
  layout.combo = Bounds(form.Scale(30), form.Scale(15), width, form.Scale(24));
  layout.ok = Bounds(width / 2 - form.Scale(57), form.Scale(55), form.Scale(81), form.Scale(26));
  layout.cancel = Bounds(width / 2 + form.Scale(37), form.Scale(55), form.Scale(81), form.Scale(26));
  return layout;
}

HWND CreateHistoryCombo(DialogForm& form, const RECT& bounds, HFONT font, const Text& initialText) {
  // The height of a drop-down combo box covers its open list as well.
  const int listHeight = form.Scale(16) * 8;
  HWND combo = CreateWindowExA(WS_EX_CLIENTEDGE, "COMBOBOX", "",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                               bounds.left, bounds.top, bounds.right - bounds.left,
                               bounds.bottom - bounds.top + listHeight, form.hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)), GetModuleHandleA(nullptr),
                               nullptr);
  if (!combo) return nullptr;
  SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(combo, CB_LIMITTEXT, 0, 0);  // no limit: a long parameter line must not be cut
  SendMessageA(combo, CB_SETITEMHEIGHT, 0, form.Scale(16));
  for (const Text& item : SharedInputHistory().Items()) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SetWindowTextA(combo, initialText.c_str());
  return combo;
}

Text WindowText(HWND window) {
  Text text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

bool InputWithHistory(HWND owner, const Text& caption, const Text& initialText, Text& out) {
  DialogForm form(owner);
  if (!form.IsBuilt()) return false;
  form.SetCaption(caption);
  form.SetFontPoints(10);
  const InputLayout layout = LayoutInput(form, MeasureText(initialText, form.Font()).cx);
  form.SetClientSize(layout.client.cx, layout.client.cy);

  HFONT controlFont = form.Keep(MakeFont("MS Sans Serif", form.Scale(13)));
  HWND combo = CreateHistoryCombo(form, layout.combo, controlFont, initialText);
  HWND ok = form.AddResultButton("OK", kResultOk, layout.ok, controlFont, true);
  HWND cancel = form.AddResultButton("Cancel", kResultCancel, layout.cancel, controlFont, false);
  if (!combo || !ok || !cancel) return false;
  const int glyphSize = form.Scale(16);
  form.Keep(AttachGlyph(ok, DrawCheckMark, glyphSize, form.Scale(4)));
  form.Keep(AttachGlyph(cancel, DrawCross, glyphSize, form.Scale(4)));

  if (form.ShowModal(combo) != kResultOk) return false;
  out = WindowText(combo);
  SharedInputHistory().Remember(out);
  return true;
}

// ---- Message dialogs ----

namespace {

struct MessageButton {
  unsigned flag;
  const char* caption;
  int result;
};

constexpr MessageButton kMessageButtons[] = {
    {kButtonYes, "&Yes", kResultYes}, {kButtonNo, "&No", kResultNo}, {kButtonOk, "OK", kResultOk}};

const char* IconOf(MessageType type) {
  switch (type) {
    case MessageType::Warning:
      return IDI_WARNING;
    case MessageType::Error:
      return IDI_ERROR;
    case MessageType::Information:
      break;
  }
  return IDI_INFORMATION;
}

FontHandle MessageFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    return FontHandle(CreateFontIndirectA(&metrics.lfMessageFont));
  }
  return MakeFont("MS Sans Serif", 13);
}

// The size the message takes when wrapped at maxWidth, as the static control draws it.
SIZE WrappedTextSize(const Text& text, HFONT font, int maxWidth) {
  RECT bounds{0, 0, maxWidth, 0};
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  if (dc) {
    SelectedObject selected(dc.get(), font);
    DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  }
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
}

HWND CreateStatic(const DialogForm& form, DWORD style, const char* text, RECT bounds) {
  return CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, form.hwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)), GetModuleHandleA(nullptr), nullptr);
}

// Builds and runs a message dialog: the type's icon, the wrapped message and a row of
// buttons centred beneath. cancelResult is what Esc answers (0: Esc does nothing).
int RunMessageDialog(HWND owner, const Text& caption, const Text& message, MessageType type, unsigned buttons,
                     int defaultResult, int cancelResult) {
  DialogForm form(owner);
  if (!form.IsBuilt()) return kResultCancel;
  form.SetCaption(caption);
  form.SetCancelResult(cancelResult);
  HFONT font = form.Keep(MessageFont());

  const int margin = form.Scale(12), iconSize = form.Scale(32), buttonWidth = form.Scale(75);
  const int buttonHeight = form.Scale(25), buttonGap = form.Scale(8);
  const int maxTextWidth = std::max(form.Scale(200), std::min(form.Scale(420), GetSystemMetrics(SM_CXSCREEN) / 2));
  const SIZE text = WrappedTextSize(message, font, maxTextWidth);
  const int textLeft = margin + iconSize + margin;
  const int textTop = margin + std::max(0, (iconSize - static_cast<int>(text.cy)) / 2);
  const int buttonCount = static_cast<int>(std::count_if(std::begin(kMessageButtons), std::end(kMessageButtons),
                                                         [&](const MessageButton& b) { return buttons & b.flag; }));
  const int rowWidth = buttonCount * buttonWidth + std::max(0, buttonCount - 1) * buttonGap;
  const int clientWidth = std::max({textLeft + static_cast<int>(text.cx) + margin, rowWidth + 2 * margin, form.Scale(180)});
  const int rowTop = std::max(margin + iconSize, textTop + static_cast<int>(text.cy)) + form.Scale(16);
  form.SetClientSize(clientWidth, rowTop + buttonHeight + margin);

  HWND icon = CreateStatic(form, SS_ICON, "", Bounds(margin, margin, iconSize, iconSize));
  SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconOf(type))), 0);
  HWND label = CreateStatic(form, SS_LEFT | SS_NOPREFIX, message.c_str(), Bounds(textLeft, textTop, text.cx, text.cy));
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

  HWND focus = nullptr;
  int left = (clientWidth - rowWidth) / 2;
  for (const MessageButton& kind : kMessageButtons) {
    if (!(buttons & kind.flag)) continue;
    const bool isDefault = kind.result == defaultResult;
    HWND button = form.AddResultButton(kind.caption, kind.result, Bounds(left, rowTop, buttonWidth, buttonHeight),
                                       font, isDefault);
    if (isDefault || !focus) focus = button;
    left += buttonWidth + buttonGap;
  }
  return form.ShowModal(focus, DialogForm::Placement::ScreenCentre);
}

}  // namespace

int ConfirmDialog(HWND owner, const Text& caption, const Text& message, MessageType type, unsigned buttons,
                  int defaultResult) {
  // A dialog without a Cancel button lets Esc answer No, or OK when there is no No.
  const int cancelResult = (buttons & kButtonNo) ? kResultNo : (buttons & kButtonOk) ? kResultOk : kResultNone;
  return RunMessageDialog(owner, caption, message, type, buttons, defaultResult, cancelResult);
}

void ShowNotice(HWND owner, int kind, const Text& text) {
  struct NoticeKind {
    const char* title;
    MessageType type;
  };
  static constexpr NoticeKind kKinds[] = {{"Information", MessageType::Information},
                                          {"Warning", MessageType::Warning},
                                          {"Error", MessageType::Error}};
  if (kind < 1 || kind > 3) return;
  const NoticeKind& notice = kKinds[kind - 1];
  RunMessageDialog(owner, notice.title, text, notice.type, kButtonOk, kResultOk, kResultOk);
}

}  // namespace kov
