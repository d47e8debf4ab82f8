#include "shell/widen_path.h"

#include <cstdint>

#include "util/code_page.h"
#include "util/text.h"

namespace kov {
namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of a sequence, the smallest code point it may carry (anything below is an
// overlong form) and the payload bits of its lead byte; length 0 for an invalid lead.
struct SequenceShape {
  std::size_t length;
  std::uint32_t smallest;
  std::uint32_t leadBits;
};

SequenceShape ShapeOf(unsigned char lead) {
  if (lead < 0x80) return {1, 0, lead};
  if ((lead & 0xE0) == 0xC0) return {2, 0x80, lead & 0x1Fu};
  if ((lead & 0xF0) == 0xE0) return {3, 0x800, lead & 0x0Fu};
  if ((lead & 0xF8) == 0xF0) return {4, 0x10000, lead & 0x07u};
  return {0, 0, 0};
}

// Decodes the sequence starting at text[at]; returns its length in bytes, or 0 when the
// sequence is malformed.
std::size_t DecodeOne(const std::string& text, std::size_t at, std::uint32_t& codePoint) {
  const SequenceShape shape = ShapeOf(static_cast<unsigned char>(text[at]));
  if (shape.length == 0 || text.size() - at < shape.length) return 0;
  codePoint = shape.leadBits;
  for (std::size_t i = 1; i < shape.length; ++i) {
    const auto byte = static_cast<unsigned char>(text[at + i]);
    if (!IsContinuation(byte)) return 0;
    codePoint = (codePoint << 6) | (byte & 0x3Fu);
  }
  const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
  if (codePoint < shape.smallest || surrogate || codePoint > 0x10FFFF) return 0;
  return shape.length;
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
