#include "util/utf8.h"

#include <cstring>

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

}  // namespace

std::size_t DecodeUtf8Sequence(std::string_view text, std::size_t at, std::uint32_t& codePoint) {
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

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

std::string CutAtCharacter(const std::string& text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = maxBytes;
  // Back over continuation bytes to the start of the character that would be split.
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

bool IsValidUtf8(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size()) {
    // Runs of ASCII, most of a menu, are passed eight bytes at a time.
    std::uint64_t eight = 0;
    while (text.size() - at >= sizeof eight &&
           (std::memcpy(&eight, text.data() + at, sizeof eight), (eight & 0x8080808080808080ull) == 0)) {
      at += sizeof eight;
    }
    if (at >= text.size()) break;
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    std::uint32_t codePoint = 0;
    const std::size_t length = DecodeUtf8Sequence(text, at, codePoint);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

}  // namespace kov
