#include "util/dark_button_win.h"

#include <string>

#include "util/colors.h"
#include "util/handles_win.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

void FillBox(HDC dc, RECT box, COLORREF color) {
  const BrushHandle brush(CreateSolidBrush(color));
  FillRect(dc, &box, brush.get());
}

void FrameBox(HDC dc, RECT box, COLORREF color, int thickness) {
  const BrushHandle brush(CreateSolidBrush(color));
  for (int line = 0; line < thickness; ++line) {
    FrameRect(dc, &box, brush.get());
    InflateRect(&box, -1, -1);
  }
}

// The button's picture, where the system puts it: at the left margin, centred in height.
// Returns where the room for the caption begins.
LONG DrawPicture(HWND button, HDC dc, const RECT& box) {
  BUTTON_IMAGELIST images{};
  if (!Button_GetImageList(button, &images) || !images.himl) return box.left;
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(images.himl, &width, &height);
  const int left = box.left + images.margin.left + 2;
  const int top = box.top + (box.bottom - box.top - height) / 2;
  ImageList_Draw(images.himl, 0, dc, left, top, ILD_NORMAL);
  return left + width + images.margin.right;
}

void DrawCaption(HWND button, HDC dc, RECT box, COLORREF color, bool hideAccelerators) {
  const std::wstring caption = WideText(WindowTextOf(button));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(button, WM_GETFONT, 0, 0));
  const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hideAccelerators ? DT_HIDEPREFIX : 0u));
}

}  // namespace

LRESULT DrawDarkPushButton(const NMCUSTOMDRAW& draw, const FormColors& colors) {
  if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
  HWND button = draw.hdr.hwndFrom;
  const UINT state = draw.uItemState;
  const int lift = (state & CDIS_SELECTED) ? 30 : (state & CDIS_HOT) ? 18 : 10;
  const bool isDefault = (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  RECT box = draw.rc;
  FillBox(draw.hdc, box, Mix(colors.field, colors.fieldText, lift));
  FrameBox(draw.hdc, box, Mix(colors.field, colors.fieldText, isDefault ? 70 : 40), isDefault ? 2 : 1);
  RECT captionBox = box;
  captionBox.left = DrawPicture(button, draw.hdc, box);
  const bool disabled = (state & CDIS_DISABLED) != 0;
  // Underlined keys and the focus are shown once the keyboard has been used, as the
  // system's buttons do.
  const LRESULT hidden = SendMessageW(button, WM_QUERYUISTATE, 0, 0);
  DrawCaption(button, draw.hdc, captionBox, disabled ? Mix(colors.field, colors.fieldText, 45) : colors.fieldText,
              (hidden & UISF_HIDEACCEL) != 0);
  if ((state & CDIS_FOCUS) && !(hidden & UISF_HIDEFOCUS)) {
    InflateRect(&box, -4, -4);
    SetTextColor(draw.hdc, colors.fieldText);
    SetBkColor(draw.hdc, Mix(colors.field, colors.fieldText, lift));
    DrawFocusRect(draw.hdc, &box);
  }
  return CDRF_SKIPDEFAULT;
}

}  // namespace kov
