// The modal window that shows a page of HTML in the WebBrowser control, hosted by a
// small OLE container of the program's own. When no page can be shown (the control is
// missing, or its engine never gets the blank page ready), the window shows the page
// as plain text instead, so its content is never lost to a blank window.
#pragma once

#include <windows.h>
#include <exdisp.h>

#include "util/text.h"

namespace kov {

// How long the browser may take to get "about:blank" ready before the page is shown
// as plain text instead.
inline constexpr DWORD kBlankPageWaitMilliseconds = 3000;

// Shows html in a resizable modal window half the size of the virtual desktop,
// centred over owner; Esc (also with Shift) and the close box close it. Returns when
// the window and its control are destroyed.
void ShowHtmlWindow(HWND owner, const Text& caption, const Text& html);

// Opens "about:blank" in browser, waits (pumping messages) until it is ready or the
// wait runs out, and loads html into its document from a memory stream, every line
// ending in CR LF. False when the page could not be loaded.
[[nodiscard]] bool LoadHtmlText(IWebBrowser2& browser, const Text& html,
                                DWORD waitMilliseconds = kBlankPageWaitMilliseconds);

}  // namespace kov
