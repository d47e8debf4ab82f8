// The tool bar above the view: Back, New Folder, Shell Folders and GodMode at the left,
// the two move buttons and Info at the right, each with its hint as a tool tip. A
// button's click reaches the top-level window as WM_COMMAND with the button's Tag. In a
// window too narrow for every part, the search field stays and the others give way.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "util/handles_win.h"
#include "ui/search_field_win.h"
#include "util/panel_win.h"
#include "util/tool_button_win.h"

namespace kov {

// What a button shows and which keys press it.
struct ToolButtonLook;

class ToolBar {
 public:
  // Creates the bar's panels and buttons as children of parent, laid out for a client
  // area width wide at the DPI.
  [[nodiscard]] bool Create(HWND parent, int leftPanelId, int rightPanelId, int searchFieldId, int width, int dpi);
  // Gives each button its tool tip, and the search field searchTip. Left until the
  // window has been painted: the first paint does not need them, and their window costs
  // start-up time.
  void AddTips(const Text& searchTip);
  // The bar's colour, its buttons' colours and the search field's.
  void SetColors(COLORREF bar, const ButtonColors& buttons, COLORREF field, COLORREF fieldText);
  // Places the bar across the top of a client area width wide; its height at the DPI.
  // Parts are repainted only when asked (the window is on screen). Parts the width has
  // no room for are hidden.
  void Layout(int width, int dpi, bool repaint);
  static int Height(int dpi);

  HWND ButtonWindow(int tag) const;
  ToolButton* Button(int tag) const;
  SearchField& Search() { return search_; }

 private:
  [[nodiscard]] bool AddButton(HWND parent, const ToolButtonLook& look, const RECT& bounds);
  void AddTip(HWND part, const Text& tip);

  Panel left_;
  SearchField search_;
  Panel right_;
  HWND owner_ = nullptr;
  WindowHandle tooltip_;
  std::vector<std::unique_ptr<ToolButton>> buttons_;
};

}  // namespace kov
