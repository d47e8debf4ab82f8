#include "shell/widen_path.h"

#include <cstdint>

#include "util/code_page.h"
#include "util/text.h"

namespace kov {
namespace {

constexpr int kHighestPathComponent = 999;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// Decodes the sequence starting at text[at]; returns its length in bytes, or 0 when the
// sequence is malformed. The smallest code point per length rejects overlong forms.
std::size_t DecodeOne(const std::string& text, std::size_t at, std::uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = 0;
  std::uint32_t smallest = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2, smallest = 0x80, codePoint = lead & 0x1Fu;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, smallest = 0x800, codePoint = lead & 0x0Fu;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, smallest = 0x10000, codePoint = lead & 0x07u;
  } else {
    return 0;
  }
  if (text.size() - at < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return 0;
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < smallest || surrogate || codePoint > 0x10FFFF) return 0;
  return length;
}

void AppendUtf16(std::wstring& out, std::uint32_t codePoint) {
  if (codePoint < 0x10000) {
    out += static_cast<wchar_t>(codePoint);
    return;
  }
  codePoint -= 0x10000;
  out += static_cast<wchar_t>(0xD800 + (codePoint >> 10));
  out += static_cast<wchar_t>(0xDC00 + (codePoint & 0x3FF));
}

// UTF-8 when valid, otherwise the text converted out of the ANSI code page.
std::wstring DecodeUtf8OrAnsi(const std::string& text) {
  std::wstring wide = DecodeUtf8(text);
  if (wide.empty()) wide = DecodeUtf8(AnsiToUtf8(text));
  return wide;
}

// A component as UTF-8: kept when it already is, converted from ANSI otherwise.
Text ComponentAsUtf8(const Text& component) {
  if (!DecodeUtf8(component).empty()) return component;
  return AnsiToUtf8(component);
}

}  // namespace

std::wstring DecodeUtf8(const std::string& utf8) {
  std::wstring wide;
  wide.reserve(utf8.size());
  std::size_t at = 0;
  while (at < utf8.size()) {
    std::uint32_t codePoint = 0;
    const std::size_t length = DecodeOne(utf8, at, codePoint);
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
  const int count = SplitFields(work, "\\", components, kHighestPathComponent);
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
