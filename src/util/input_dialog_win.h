// The text input dialog: one line of text in an editable combo box that lists the
// texts accepted earlier in this process, with OK and Cancel beneath.
#pragma once

#include <windows.h>

#include "util/text.h"

namespace kov {

// Asks for one line of text. True when the user pressed OK: then out holds the text
// exactly as typed, and the text is remembered for later dialogs. Otherwise out is
// left as it was.
[[nodiscard]] bool InputWithHistory(HWND owner, const Text& caption, const Text& initialText, Text& out);

}  // namespace kov
