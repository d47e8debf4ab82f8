// The message dialogs: a question with an icon and a row of buttons, and the
// one-button notice.
#pragma once

#include <windows.h>

#include "util/dialog_form_win.h"
#include "util/text.h"

namespace kov {

enum class MessageType { Information, Warning, Error };

// The buttons of a question dialog, combined with |.
enum MessageButtons : unsigned { kButtonYes = 1, kButtonNo = 2, kButtonOk = 4 };

// A question with the type's icon and the requested buttons (Yes, No, OK in that
// order), centred on the screen. The button whose result is defaultResult is the
// default and has the focus. Esc answers No when there is a No button, else OK; the
// close box gives kResultCancel. Returns the modal result.
int ConfirmDialog(HWND owner, const Text& caption, const Text& message, MessageType type, unsigned buttons,
                  int defaultResult);

// The kinds of notice, by the design's numbers.
enum NoticeKind : int { kNoticeInformation = 1, kNoticeWarning = 2, kNoticeError = 3 };

// A notice with a single OK button (Enter and Esc close it), with the icon of its kind.
// Any other kind shows nothing and returns at once.
void ShowNotice(HWND owner, int kind, const Text& text);

}  // namespace kov
