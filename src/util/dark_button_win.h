// A dialog's push button in the dark look: the system draws push buttons light whatever
// the dialog's colours (and under Wine whatever the theme), so in the dark look the
// dialog draws them itself through the button's custom draw, with its picture, caption,
// default frame, focus and pressed and hot states.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "util/dialog_form_win.h"

namespace kov {

// The answer to a push button's NM_CUSTOMDRAW: the whole button drawn in colours at the
// paint's start (CDRF_SKIPDEFAULT), the system's drawing at every other stage.
LRESULT DrawDarkPushButton(const NMCUSTOMDRAW& draw, const FormColors& colors);

}  // namespace kov
