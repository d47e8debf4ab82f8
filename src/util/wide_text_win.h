// Text that arrives from the system in UTF-16 (dropped file names), turned into the
// program's own 8-bit text: UTF-8 under the UTF-8 process code page the manifest asks
// for, the ANSI code page on a Windows that ignores that request.
#pragma once

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

}  // namespace kov
