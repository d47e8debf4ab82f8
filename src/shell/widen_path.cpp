#include "shell/widen_path.h"

#include <cstdint>

#include "util/code_page.h"
#include "util/text.h"
#include "util/utf8.h"

namespace kov {
namespace {

void AppendUtf16(std::wstring& out, std::uint32_t codePoint) {
  if (codePoint < 0x10000) {
    out += static_cast<wchar_t>(codePoint);
    return;
  }
  codePoint -= 0x10000;
  out += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
  out += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
}

// UTF-8 when valid, otherwise the text converted out of the legacy ANSI code page.
std::wstring DecodeUtf8OrAnsi(const std::string& text) {
  std::wstring wide = DecodeUtf8(text);
  if (wide.empty()) wide = DecodeUtf8(LegacyToUtf8(text));
  return wide;
}

// A component as UTF-8: kept when it already is, converted from the legacy code page
// otherwise.
Text ComponentAsUtf8(const Text& component) {
  if (!DecodeUtf8(component).empty()) return component;
  return LegacyToUtf8(component);
}

}  // namespace

std::wstring DecodeUtf8(const std::string& utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    std::uint32_t codePoint = 0;
    const std::size_t length = DecodeUtf8Sequence(utf8, at, codePoint);
    if (length == 0) return std::wstring();
    AppendUtf16(wide, codePoint);
    at += length;
  }
  return wide;
}

std::wstring WidenPath(const std::string& path) {
  const bool unc = LeftText(path, 2) == "\\\\";
  const Text work = unc ? TailFrom(path, 3) : path;
  if (TextPos(work, "\\") == 0) return DecodeUtf8OrAnsi(path);

  FieldArray components;
  // Room for every component the path can hold, so that none is left unsplit.
  const int count = SplitFields(work, "\\", components, TextLength(work) + 1);
  // A single leading "\" names the root of the current drive; its first component is
  // empty and would otherwise vanish, turning the path into a relative one.
  Text result = unc ? "\\\\" : (LeftText(path, 1) == "\\" ? "\\" : "");
  for (int i = 1; i <= count; ++i) {
    const Text component = ComponentAsUtf8(components[static_cast<std::size_t>(i)]);
    if (!component.empty()) result += component + "\\";
  }
  // The "\" appended after the last component stays only when the path ended with one.
  if (RightText(path, 1) != "\\" && RightText(result, 1) == "\\") result = LeftText(result, -1);
  return DecodeUtf8OrAnsi(result);
}

}  // namespace kov
