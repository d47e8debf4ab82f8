// The base of the program's small modal dialogs, built in code when they open and
// destroyed when they close: a DialogForm with its CloseKeys handling.
//
// Every dialog runs the same modal loop (DialogForm::ShowModal): the owner is
// disabled, messages go through IsDialogMessage so Tab, Enter, Esc and mnemonics
// work, and a WM_QUIT that arrives meanwhile closes the dialog and is posted again.
#pragma once

#include <windows.h>

#include <vector>

#include "util/handles_win.h"
#include "util/text.h"
#include "util/window_win.h"

namespace kov {

// Modal results, in the numbering callers test for.
inline constexpr int kResultNone = 0;
inline constexpr int kResultOk = 1;
inline constexpr int kResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

// The face of the dialogs' own font and of their controls' fonts.
inline constexpr char kDialogFontFace[] = "MS Sans Serif";

// The virtual-key codes that close the current DialogForm, each in decimal between
// commas (",27," is Esc). Emptied whenever a DialogForm is built.
Text& CloseKeys();

// The colours of the program's own dialogs while the window is dark; a light window
// leaves them as the system draws them.
struct FormColors {
  bool dark = false;
  COLORREF face = 0;
  COLORREF text = 0;
  COLORREF field = 0;
  COLORREF fieldText = 0;
};
// The colours every DialogForm built from now on takes, as the window's look sets them.
FormColors& FormLook();

// Width and height in pixels of one line of text drawn in font, measured on an
// off-screen device context made for the call.
SIZE MeasureText(const Text& text, HFONT font);

class DialogForm : public Window {
 public:
  // Builds the hidden form: fixed dialog frame with system menu and close box, the
  // button-face background, the form font, and no controls. It becomes the current
  // DialogForm and CloseKeys is emptied.
  explicit DialogForm(HWND owner);
  ~DialogForm() override;

  // The DialogForm built last that still exists, or null.
  static DialogForm* Current();

  bool IsBuilt() const { return hwnd() != nullptr; }
  // A length of 96-DPI layout scaled to the form's DPI.
  int Scale(int pixelsAt96) const;
  HFONT Font() const { return font_.get(); }
  void SetFontPoints(int points);
  void SetCaption(const Text& caption);
  // Gives the form a resizable frame; the title bar keeps system menu and close box.
  void MakeSizeable();
  void SetClientSize(int width, int height);
  void SetOuterSize(int width, int height);

  // Keeps a font or image list of the form's controls until the controls are gone.
  HFONT Keep(FontHandle font);
  void Keep(ImageListHandle images);

  // A push button whose id is its modal result: clicking it closes the form with it.
  HWND AddResultButton(const char* caption, int result, RECT bounds, HFONT font, bool isDefault);
  // The result given by Esc (IDCANCEL) when no button has the id IDCANCEL; 0 = none.
  void SetCancelResult(int result) { cancelResult_ = result; }

  // Keeps the owner from taking input until the form has been shown and closed; the
  // modal loop does this itself, but a caller that pumps messages before showing the
  // form calls it first.
  void BlockOwnerInput();

  enum class Placement { OverOwner, ScreenCentre };
  // Shows the form and runs the modal loop until a result is set; focus gets the
  // keyboard focus first (the form itself when null). Returns the modal result.
  int ShowModal(HWND focus, Placement placement = Placement::OverOwner);
  // The first non-zero result set ends the modal loop; later ones are ignored.
  void SetModalResult(int result);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void OnClientResized(int /*width*/, int /*height*/) {}

 private:
  // The dark look's colours for a control or the form, or 0 to leave them to the system.
  LRESULT DarkColors(UINT message, HDC dc);
  void PreviewKey(WPARAM key);
  bool BelongsToForm(HWND window) const;
  void OnCommand(int id);
  bool IsResultButton(int id) const;
  void OnActivate(bool active);
  void Place(Placement placement);
  void UnblockOwnerInput();
  void RunModalLoop();

  HWND owner_;
  DialogForm* previousCurrent_;
  FontHandle font_;
  FormColors colors_ = FormLook();
  BrushHandle faceBrush_;
  BrushHandle fieldBrush_;
  int dpi_ = 96;
  int modalResult_ = kResultNone;
  int cancelResult_ = kResultNone;
  int defaultResult_ = kResultNone;
  std::vector<int> resultButtons_;
  std::vector<FontHandle> keptFonts_;
  std::vector<ImageListHandle> keptImages_;
  HWND lastFocus_ = nullptr;
  bool ownerBlocked_ = false;
};

}  // namespace kov
