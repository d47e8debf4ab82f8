// Text that arrives from the system in UTF-16 (dropped file names), turned into the
// program's own 8-bit text: UTF-8 under the UTF-8 process code page the manifest asks
// for, the ANSI code page on a Windows that ignores that request.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kov {

// The text in the process code page, or nothing when it would not arrive exactly: a
// character the code page lacks, or a broken UTF-16 sequence. A name is never stored
// as another name (a best-fit "O" for an "Ω").
std::optional<std::string> ExactProcessText(const std::wstring& wide);

// The text in the process code page with whatever cannot be shown replaced, for
// messages only.
std::string ShownProcessText(const std::wstring& wide);

// The boundary of the boxes a user types into, which are Unicode windows: the
// program's UTF-8 as UTF-16 for them, and what they hold back as UTF-8. A broken UTF-16
// sequence (a lone surrogate) becomes U+FFFD rather than cutting the text.
std::wstring WideText(const std::string& utf8);
std::string Utf8Text(const std::wstring& wide);

// A Unicode window's whole text, as UTF-8; and its text set from UTF-8.
std::string WindowTextOf(HWND window);
void SetWindowTextOf(HWND window, const std::string& utf8);

}  // namespace kov
