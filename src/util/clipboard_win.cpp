#include "util/clipboard_win.h"

#include <cstring>

#include "util/wide_text_win.h"

namespace kov {

namespace {

// Holds the clipboard open; the system lets one window at a time have it.
class OpenedClipboard {
 public:
  explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

// Moveable global memory holding the bytes, as the clipboard takes it; the clipboard owns
// it once SetClipboardData took it.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  if (void* at = GlobalLock(memory)) {
    std::memcpy(at, bytes, size);
    GlobalUnlock(memory);
    return memory;
  }
  GlobalFree(memory);
  return nullptr;
}

bool PutOnOpenClipboard(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalCopy(bytes, size);
  if (!memory) return false;
  if (SetClipboardData(format, memory)) return true;
  GlobalFree(memory);
  return false;
}

UINT CutMarkFormat() { return RegisterClipboardFormatW(L"Kovrant cut entries"); }

}  // namespace

bool PutTextOnClipboard(HWND owner, const Text& text) {
  const OpenedClipboard clipboard(owner);
  if (!clipboard || !EmptyClipboard()) return false;
  const std::wstring wide = WideText(text);
  return PutOnOpenClipboard(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
}

std::optional<Text> ClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return std::nullopt;
  const OpenedClipboard clipboard(owner);
  if (!clipboard) return std::nullopt;
  HANDLE memory = GetClipboardData(CF_UNICODETEXT);
  const auto* wide = memory ? static_cast<const wchar_t*>(GlobalLock(memory)) : nullptr;
  if (!wide) return std::nullopt;
  // The text ends at its first NUL or at the end of the memory, whichever comes first.
  const std::size_t most = GlobalSize(memory) / sizeof(wchar_t);
  const Text text = Utf8Text(std::wstring(wide, wcsnlen(wide, most)));
  GlobalUnlock(memory);
  return text;
}

bool ReadClipboardFiles(HWND owner, const std::function<void(HDROP)>& read) {
  if (!IsClipboardFormatAvailable(CF_HDROP)) return false;
  const OpenedClipboard clipboard(owner);
  if (!clipboard) return false;
  HANDLE files = GetClipboardData(CF_HDROP);
  if (!files) return false;
  read(static_cast<HDROP>(files));
  return true;
}

std::uint32_t PutCutMarkOnClipboard(HWND owner) {
  {
    const OpenedClipboard clipboard(owner);
    const DWORD process = GetCurrentProcessId();
    if (!clipboard || !EmptyClipboard() || !PutOnOpenClipboard(CutMarkFormat(), &process, sizeof process)) return 0;
  }
  return GetClipboardSequenceNumber();
}

std::uint32_t ClipboardSequence() { return GetClipboardSequenceNumber(); }

bool ClipboardHoldsFilesOrText() {
  return IsClipboardFormatAvailable(CF_HDROP) || IsClipboardFormatAvailable(CF_UNICODETEXT);
}

}  // namespace kov
