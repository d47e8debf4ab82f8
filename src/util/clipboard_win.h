// The clipboard, opened for the length of one call at a time: Unicode text put on it and
// read from it, the files Explorer's Copy puts on it, and the launcher's own mark that
// entries were cut.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <optional>

#include "util/text.h"

namespace kov {

// Puts text, converted to UTF-16, on the clipboard in place of what it held; false when
// the clipboard could not be had.
[[nodiscard]] bool PutTextOnClipboard(HWND owner, const Text& text);

// The clipboard's Unicode text as UTF-8; nothing when it holds none.
std::optional<Text> ClipboardText(HWND owner);

// Hands the file list on the clipboard to read while the clipboard is open (it stays the
// clipboard's: read it, do not release it); false when it holds none.
bool ReadClipboardFiles(HWND owner, const std::function<void(HDROP)>& read);

// Empties the clipboard and puts on it only the mark that this program cut entries;
// returns the clipboard's sequence number after it, 0 when the clipboard could not be had.
std::uint32_t PutCutMarkOnClipboard(HWND owner);

// The clipboard's sequence number, which any program's change of the clipboard moves on.
std::uint32_t ClipboardSequence();

// True when the clipboard holds files or text to paste.
bool ClipboardHoldsFilesOrText();

}  // namespace kov
