#include "util/input_dialog_win.h"

#include "util/wide_text_win.h"

#include <algorithm>

#include "util/child_window_win.h"
#include "util/dialog_form_win.h"
#include "util/fonts_win.h"
#include "util/glyph_painter_win.h"
#include "util/input_history.h"

namespace kov {

namespace {

constexpr int kComboId = 100;

// The green check mark of the OK button and the red cross of Cancel, drawn in code
// so they stay sharp at any scale.
void DrawCheckMark(GlyphCanvas& canvas) {
  canvas.Polygon({{3, 17}, {7.5, 12.5}, {13, 18}, {24.5, 6.5}, {29, 11}, {13, 27}}, RGB(0x1F, 0x9D, 0x3A));
}

void DrawCross(GlyphCanvas& canvas) {
  constexpr double c = 16, r = 11, t = 4.2;
  canvas.Polygon({{c - r, c - r + t},
                  {c - r + t, c - r},
                  {c, c - t},
                  {c + r - t, c - r},
                  {c + r, c - r + t},
                  {c + t, c},
                  {c + r, c + r - t},
                  {c + r - t, c + r},
                  {c, c + t},
                  {c - r + t, c + r},
                  {c - r, c + r - t},
                  {c - t, c}},
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
  RECT withList = bounds;
  withList.bottom += form.Scale(16) * 8;
  HWND combo =
      CreateChildWindow(form.hwnd(), kComboId, "COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                        withList, font, WS_EX_CLIENTEDGE);
  if (!combo) return nullptr;
  SendMessageA(combo, CB_LIMITTEXT, 0, 0);  // no limit: a long parameter line must not be cut
  SendMessageA(combo, CB_SETITEMHEIGHT, 0, form.Scale(16));
  for (const Text& item : SharedInputHistory().Items()) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideText(item).c_str()));
  }
  SetWindowTextOf(combo, initialText);
  return combo;
}

}  // namespace

bool InputWithHistory(HWND owner, const Text& caption, const Text& initialText, Text& out) {
  DialogForm form(owner);
  if (!form.IsBuilt()) return false;
  form.SetCaption(caption);
  form.SetFontPoints(10);
  const InputLayout layout = LayoutInput(form, MeasureText(initialText, form.Font()).cx);
  form.SetClientSize(layout.client.cx, layout.client.cy);

  HFONT controlFont = form.Keep(MakeFont(kDialogFontFace, form.Scale(13)));
  HWND combo = CreateHistoryCombo(form, layout.combo, controlFont, initialText);
  HWND ok = form.AddResultButton("OK", kResultOk, layout.ok, controlFont, true);
  HWND cancel = form.AddResultButton("Cancel", kResultCancel, layout.cancel, controlFont, false);
  if (!combo || !ok || !cancel) return false;
  const int glyphSize = form.Scale(16);
  form.Keep(AttachGlyph(ok, DrawCheckMark, glyphSize, form.Scale(4)));
  form.Keep(AttachGlyph(cancel, DrawCross, glyphSize, form.Scale(4)));

  if (form.ShowModal(combo) != kResultOk) return false;
  out = WindowTextOf(combo);
  SharedInputHistory().Remember(out);
  return true;
}

}  // namespace kov
