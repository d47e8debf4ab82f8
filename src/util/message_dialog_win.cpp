#include "util/message_dialog_win.h"

#include <algorithm>
#include <iterator>

#include "util/child_window_win.h"
#include "util/fonts_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

// The id of the icon and the message, which nothing looks up.
constexpr int kNoId = -1;

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
  return MakeFont(kDialogFontFace, 13);
}

// The size the message takes when wrapped at maxWidth, as the static control draws it.
SIZE WrappedTextSize(const Text& text, HFONT font, int maxWidth) {
  RECT bounds{0, 0, maxWidth, 0};
  MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  if (dc) {
    SelectedObject selected(dc.get(), font);
    const std::wstring wide = WideText(text);
    DrawTextW(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
  }
  return SIZE{bounds.right - bounds.left, bounds.bottom - bounds.top};
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
  const int clientWidth =
      std::max({textLeft + static_cast<int>(text.cx) + margin, rowWidth + 2 * margin, form.Scale(180)});
  const int rowTop = std::max(margin + iconSize, textTop + static_cast<int>(text.cy)) + form.Scale(16);
  form.SetClientSize(clientWidth, rowTop + buttonHeight + margin);

  HWND icon =
      CreateChildWindow(form.hwnd(), kNoId, "STATIC", "", SS_ICON, Bounds(margin, margin, iconSize, iconSize), nullptr);
  SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IconOf(type))), 0);
  CreateChildWindow(form.hwnd(), kNoId, "STATIC", message.c_str(), SS_LEFT | SS_NOPREFIX,
                    Bounds(textLeft, textTop, text.cx, text.cy), font);

  HWND focus = nullptr;
  int left = (clientWidth - rowWidth) / 2;
  for (const MessageButton& kind : kMessageButtons) {
    if (!(buttons & kind.flag)) continue;
    const bool isDefault = kind.result == defaultResult;
    HWND button = form.AddResultButton(kind.caption, kind.result, Bounds(left, rowTop, buttonWidth, buttonHeight), font,
                                       isDefault);
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
  struct NoticeLook {
    const char* title;
    MessageType type;
  };
  static constexpr NoticeLook kLooks[] = {
      {"Information", MessageType::Information}, {"Warning", MessageType::Warning}, {"Error", MessageType::Error}};
  if (kind < kNoticeInformation || kind > kNoticeError) return;
  const NoticeLook& notice = kLooks[kind - kNoticeInformation];
  RunMessageDialog(owner, notice.title, text, notice.type, kButtonOk, kResultOk, kResultOk);
}

}  // namespace kov
