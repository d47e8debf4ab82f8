#include "ui/tool_bar_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "ui/artwork_win.h"
#include "ui/command_tags.h"
#include "util/child_window_win.h"
#include "util/dpi_win.h"
#include "util/wide_text_win.h"

namespace kov {

// Places in 96-DPI pixels: left within the left panel, or within the right panel,
// which keeps to the right edge of the window.
struct ToolButtonPlace {
  int tag;
  bool inRightPanel;
  int left;
  int width;
  ToolGlyph glyph;
  const char* hint;
  const char* keys;  // the keys that press the button, named in its tip; null for none
};

constexpr ToolButtonPlace kToolButtons[] = {
    {kTagBack, false, 0, 60, ToolGlyph::Back, "Back", "Backspace"},
    {kTagNewFolder, false, 51, 60, ToolGlyph::NewFolder, "New Folder", "Ctrl+N"},
    {kTagShellFolders, false, 151, 60, ToolGlyph::ShellFolders, "Shell Folders", nullptr},
    {kTagGodMode, false, 208, 60, ToolGlyph::GodMode, "GodMode", nullptr},
    {kTagMoveLeft, true, 2, 45, ToolGlyph::MoveLeft, "Move item left", "Ctrl+Left"},
    {kTagMoveRight, true, 48, 45, ToolGlyph::MoveRight, "Move item right", "Ctrl+Right"},
    {kTagAbout, true, 104, 60, ToolGlyph::Info, "Info", "F1"},
};

constexpr int kHeight = 41;
constexpr int kButtonHeight = 40;
constexpr int kRightPanelWidth = 165;
constexpr int kSearchLeft = 278;
constexpr int kSearchHeight = 24;
constexpr int kSearchGap = 8;

namespace {

// Where each part of a bar width wide goes at the DPI: the panels in the window, the
// search field in the left panel, a button in its panel.
RECT LeftPanelBounds(int width, int dpi) { return Bounds(0, 0, width, Scaled(kHeight, dpi)); }

RECT RightPanelBounds(int width, int dpi) {
  const int rightWidth = Scaled(kRightPanelWidth, dpi);
  return Bounds(width - rightWidth, 0, rightWidth, Scaled(kHeight, dpi));
}

// The search field takes the free space between GodMode and the right group.
RECT SearchBounds(int width, int dpi) {
  const int left = Scaled(kSearchLeft, dpi);
  const int height = Scaled(kSearchHeight, dpi);
  const int fieldWidth = std::max(0, width - Scaled(kRightPanelWidth, dpi) - Scaled(kSearchGap, dpi) - left);
  return Bounds(left, (Scaled(kHeight, dpi) - height) / 2, fieldWidth, height);
}

RECT ButtonBounds(const ToolButtonPlace& place, int dpi) {
  return Bounds(Scaled(place.left, dpi), 0, Scaled(place.width, dpi), Scaled(kButtonHeight, dpi));
}

}  // namespace

// Every part is made where it belongs, so the first layout moves nothing.
bool ToolBar::Create(HWND parent, int leftPanelId, int rightPanelId, int searchFieldId, int width, int dpi) {
  if (!left_.Create(parent, leftPanelId, LeftPanelBounds(width, dpi)) ||
      !right_.Create(left_.hwnd(), rightPanelId, RightPanelBounds(width, dpi)) ||
      !search_.Create(left_.hwnd(), searchFieldId, SearchBounds(width, dpi))) {
    return false;
  }
  owner_ = parent;
  for (const ToolButtonPlace& place : kToolButtons) {
    const HWND panel = place.inRightPanel ? right_.hwnd() : left_.hwnd();
    if (!AddButton(panel, place, dpi)) return false;
  }
  return true;
}

bool ToolBar::AddButton(HWND parent, const ToolButtonPlace& place, int dpi) {
  auto button = std::make_unique<ToolButton>();
  if (!button->Create(parent, place.tag, place.hint, ToolGlyphArt(place.glyph), ButtonBounds(place, dpi))) return false;
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
    const ToolButtonPlace& place = kToolButtons[i];
    // The tip names the button's keys too; its accessible name stays the hint alone.
    const std::string tip = place.keys ? std::string(place.hint) + " (" + place.keys + ")" : std::string(place.hint);
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

void ToolBar::SetColors(COLORREF bar, const ButtonColors& buttons) {
  left_.SetColors(bar, bar);
  right_.SetColors(bar, bar);
  for (const auto& button : buttons_) button->SetColors(buttons);
}

int ToolBar::Height(int dpi) { return Scaled(kHeight, dpi); }

void ToolBar::Layout(int width, int dpi, bool repaint) {
  PlaceChild(left_.hwnd(), LeftPanelBounds(width, dpi), repaint);
  PlaceChild(right_.hwnd(), RightPanelBounds(width, dpi), repaint);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    PlaceChild(buttons_[i]->hwnd(), ButtonBounds(kToolButtons[i], dpi), repaint);
  }
  PlaceChild(search_.hwnd(), SearchBounds(width, dpi), repaint);
}

HWND ToolBar::ButtonWindow(int tag) const {
  for (const auto& button : buttons_) {
    if (button->Tag() == tag) return button->hwnd();
  }
  return nullptr;
}

}  // namespace kov
