#include "ui/tool_bar_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/artwork_win.h"
#include "ui/command_tags.h"
#include "ui/tool_bar_layout.h"
#include "ui/window_keys_win.h"
#include "util/child_window_win.h"
#include "util/dpi_win.h"
#include "util/wide_text_win.h"

namespace kov {

// What a button shows and does, in the order of kToolBarTags; where it stands is the
// layout's (ui/tool_bar_layout.h).
struct ToolButtonLook {
  int tag;
  ToolGlyph glyph;
  const char* hint;
  const char* keys;  // the keys that press the button, named in its tip; null for none
};

constexpr ToolButtonLook kToolButtons[] = {
    {kTagBack, ToolGlyph::Back, "Back", "Backspace"},
    {kTagNewFolder, ToolGlyph::NewFolder, "New Folder", "Ctrl+N"},
    {kTagShellFolders, ToolGlyph::ShellFolders, "Shell Folders", nullptr},
    {kTagGodMode, ToolGlyph::GodMode, "GodMode", nullptr},
    {kTagMoveLeft, ToolGlyph::MoveLeft, "Move item left", "Ctrl+Left"},
    {kTagMoveRight, ToolGlyph::MoveRight, "Move item right", "Ctrl+Right"},
    {kTagAbout, ToolGlyph::Info, "Info", "F1"},
};
static_assert(std::size(kToolButtons) == kToolBarTags.size());

constexpr int kHeight = 41;
constexpr int kButtonHeight = 40;
constexpr int kSearchHeight = 24;

namespace {

// Where each part goes across the bar, at the bar's height at the DPI.
RECT LeftPanelBounds(int width, int dpi) { return Bounds(0, 0, width, Scaled(kHeight, dpi)); }

RECT RightPanelBounds(const ToolBarSpans& spans, int dpi) {
  return Bounds(spans.rightGroup.left, 0, spans.rightGroup.width, Scaled(kHeight, dpi));
}

RECT SearchBounds(const ToolBarSpans& spans, int dpi) {
  const int height = Scaled(kSearchHeight, dpi);
  return Bounds(spans.search.left, (Scaled(kHeight, dpi) - height) / 2, spans.search.width, height);
}

RECT ButtonBounds(const Span& span, int dpi) { return Bounds(span.left, 0, span.width, Scaled(kButtonHeight, dpi)); }

// A part that gives way to a narrow bar is hidden, and comes back as the bar widens.
void PlaceOrHide(HWND part, const RECT& bounds, bool repaint) {
  const bool shown = bounds.right > bounds.left;
  if (shown) PlaceChild(part, bounds, repaint);
  if ((IsWindowVisible(part) != FALSE) != shown) ShowWindow(part, shown ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

// Every part is made where it belongs, so the first layout moves nothing.
bool ToolBar::Create(HWND parent, int leftPanelId, int rightPanelId, int searchFieldId, int width, int dpi) {
  const ToolBarSpans spans = ToolBarSpansFor(width, dpi);
  if (!left_.Create(parent, leftPanelId, LeftPanelBounds(width, dpi)) ||
      !right_.Create(left_.hwnd(), rightPanelId, RightPanelBounds(spans, dpi)) ||
      !search_.Create(left_.hwnd(), searchFieldId, SearchBounds(spans, dpi))) {
    return false;
  }
  owner_ = parent;
  for (std::size_t at = 0; at < kToolBarTags.size(); ++at) {
    const HWND panel = at < kToolBarLeftGroupSize ? left_.hwnd() : right_.hwnd();
    if (!AddButton(panel, kToolButtons[at], ButtonBounds(spans.buttons[at], dpi))) return false;
  }
  Layout(width, dpi, false);
  return true;
}

bool ToolBar::AddButton(HWND parent, const ToolButtonLook& look, const RECT& bounds) {
  auto button = std::make_unique<ToolButton>();
  if (!button->Create(parent, look.tag, look.hint, ToolGlyphArt(look.glyph), bounds) ||
      !PassWindowKeysOn(button->hwnd())) {
    return false;
  }
  buttons_.push_back(std::move(button));
  return true;
}

// Without tips the buttons still work and keep their accessible names, so a tool tip
// window that cannot be made is left out.
void ToolBar::AddTips(const Text& searchTip) {
  if (tooltip_) return;
  tooltip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr));
  if (!tooltip_) return;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ToolButtonLook& look = kToolButtons[i];
    // The tip names the button's keys too; its accessible name stays the hint alone.
    const std::string tip = look.keys ? std::string(look.hint) + " (" + look.keys + ")" : std::string(look.hint);
    AddTip(buttons_[i]->hwnd(), tip);
  }
  AddTip(search_.hwnd(), searchTip);
}

// The tip window keeps its own copy of the text.
void ToolBar::AddTip(HWND part, const Text& tip) {
  std::wstring text = WideText(tip);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner_;
  tool.uId = reinterpret_cast<UINT_PTR>(part);
  tool.lpszText = text.data();
  SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolBar::SetColors(COLORREF bar, const ButtonColors& buttons, COLORREF field, COLORREF fieldText) {
  left_.SetColors(bar, bar);
  left_.SetFieldColors(field, fieldText);
  right_.SetColors(bar, bar);
  for (const auto& button : buttons_) button->SetColors(buttons);
}

int ToolBar::Height(int dpi) { return Scaled(kHeight, dpi); }

// Parts the bar has no room for are hidden; the focus on one of them goes to the
// search field, which always stays.
void ToolBar::Layout(int width, int dpi, bool repaint) {
  const ToolBarSpans spans = ToolBarSpansFor(width, dpi);
  PlaceChild(left_.hwnd(), LeftPanelBounds(width, dpi), repaint);
  PlaceOrHide(right_.hwnd(), RightPanelBounds(spans, dpi), repaint);
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const HWND button = buttons_[i]->hwnd();
    PlaceOrHide(button, ButtonBounds(spans.buttons[i], dpi), repaint);
    if (button == focus && !IsWindowVisible(button)) SetFocus(search_.hwnd());
  }
  PlaceChild(search_.hwnd(), SearchBounds(spans, dpi), repaint);
}

HWND ToolBar::ButtonWindow(int tag) const {
  const ToolButton* button = Button(tag);
  return button ? button->hwnd() : nullptr;
}

ToolButton* ToolBar::Button(int tag) const {
  for (const auto& button : buttons_) {
    if (button->Tag() == tag) return button.get();
  }
  return nullptr;
}

}  // namespace kov
