#include "util/text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>

#include "util/char_case.h"
#include "util/current_dir.h"
#include "util/utf8.h"

namespace kov {

int TextLength(const Text& text) { return static_cast<int>(text.size()); }

namespace {

using UnitTable = std::vector<char16_t>;

const UnitTable& UpperUnitTable() {
  static const UnitTable table = UpperUnits();
  return table;
}

const UnitTable& LowerUnitTable() {
  static const UnitTable table = LowerUnits();
  return table;
}

// The code point's partner; code points beyond the Basic Multilingual Plane keep
// their case (emoji and the historic scripts there).
std::uint32_t MapCodePoint(std::uint32_t codePoint, const UnitTable& table) {
  return codePoint < table.size() ? table[codePoint] : codePoint;
}

// Maps the sequence at text[at] and appends it to out; returns the bytes it took.
std::size_t AppendMapped(std::string_view text, std::size_t at, const UnitTable& table, Text& out) {
  const auto byte = static_cast<unsigned char>(text[at]);
  std::uint32_t codePoint = byte;
  const std::size_t length = byte < 0x80 ? 1 : DecodeUtf8Sequence(text, at, codePoint);
  if (length == 0) {
    out += text[at];
    return 1;
  }
  AppendUtf8(out, MapCodePoint(codePoint, table));
  return length;
}

Text MapText(const Text& text, const UnitTable& table) {
  Text result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) at += AppendMapped(text, at, table, result);
  return result;
}

}  // namespace

Text UpperText(const Text& text) { return MapText(text, UpperUnitTable()); }

char32_t UpperLetter(char32_t codePoint) { return MapCodePoint(codePoint, UpperUnitTable()); }

char32_t LowerLetter(char32_t codePoint) { return MapCodePoint(codePoint, LowerUnitTable()); }

Text LowerText(const Text& text) { return MapText(text, LowerUnitTable()); }

Text IntText(std::int64_t value) { return std::to_string(value); }

Text Quoted(std::string_view text) {
  Text quoted;
  quoted.reserve(text.size() + 2);
  quoted += '"';
  quoted += text;
  quoted += '"';
  return quoted;
}

namespace {

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::int32_t ClampToInt32(std::int64_t value) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, -kMax - 1, kMax));
}

}  // namespace

// A number that stands alone (digits up to the end) keeps its sign; one that is cut
// short by any other character gives the digits read so far without the sign. Values
// beyond the 32-bit range are clamped to it.
std::int32_t TextToInt(const Text& text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  std::int64_t limit = 214748364;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (base == 16) limit = 268435455;
  std::int64_t value = 0;
  bool anyDigit = false;
  for (; i < n; ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0 || value > limit) return ClampToInt32(value);
    value = value * base + digit;
    anyDigit = true;
  }
  if (!anyDigit) return 0;
  return ClampToInt32(negative ? -value : value);
}

namespace {

// Whether pattern occurs in full at 0-based index at; the first character is compared first.
bool OccursAt(const Text& text, const Text& pattern, std::size_t at) {
  if (at + pattern.size() > text.size()) return false;
  if (text[at] != pattern[0]) return false;
  return std::memcmp(text.data() + at + 1, pattern.data() + 1, pattern.size() - 1) == 0;
}

// 0-based index of the first occurrence at or after from, or npos.
std::size_t FindFrom(const Text& text, const Text& pattern, std::size_t from) {
  if (pattern.empty() || pattern.size() > text.size()) return Text::npos;
  const std::size_t last = text.size() - pattern.size();
  while (from <= last) {
    const void* hit = std::memchr(text.data() + from, pattern[0], last - from + 1);
    if (hit == nullptr) return Text::npos;
    from = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
    if (OccursAt(text, pattern, from)) return from;
    ++from;
  }
  return Text::npos;
}

}  // namespace

int TextPos(const Text& text, const Text& pattern) { return PosFrom(text, pattern, 1); }

int PosFrom(const Text& text, const Text& pattern, int start) {
  if (pattern.empty() || text.empty() || start == 0) return 0;
  if (start > 0) {
    const std::size_t found = FindFrom(text, pattern, static_cast<std::size_t>(start - 1));
    return found == Text::npos ? 0 : static_cast<int>(found) + 1;
  }
  if (pattern.size() > text.size()) return 0;
  const std::size_t lastFit = text.size() - pattern.size();
  std::size_t at = std::min(static_cast<std::size_t>(-static_cast<std::int64_t>(start)) - 1, lastFit);
  for (;; --at) {
    if (OccursAt(text, pattern, at)) return static_cast<int>(at) + 1;
    if (at == 0) return 0;
  }
}

int LastCharPos(const Text& text, char ch) {
  const std::size_t found = text.rfind(ch);
  return found == Text::npos ? 0 : static_cast<int>(found) + 1;
}

Text LeftText(const Text& text, int n) {
  const int length = TextLength(text);
  const int keep = n >= 0 ? std::min(n, length) : std::max(0, length + n);
  return text.substr(0, static_cast<std::size_t>(keep));
}

Text RightText(const Text& text, int n) {
  if (n <= 0) return Text();
  const int length = TextLength(text);
  return n >= length ? text : text.substr(static_cast<std::size_t>(length - n));
}

Text TailFrom(const Text& text, int position) {
  if (position <= 1) return text;
  if (position > TextLength(text)) return Text();
  return text.substr(static_cast<std::size_t>(position - 1));
}

int CountOccurrences(const Text& text, const Text& pattern) {
  int count = 0;
  for (std::size_t at = FindFrom(text, pattern, 0); at != Text::npos;
       at = FindFrom(text, pattern, at + pattern.size())) {
    ++count;
  }
  return count;
}

Text ReplaceAll(const Text& text, const Text& pattern, const Text& replacement) {
  if (text.empty() || pattern.empty()) return text;
  const std::int64_t count = CountOccurrences(text, pattern);
  if (count == 0) return text;
  Text result;
  result.reserve(static_cast<std::size_t>(
      static_cast<std::int64_t>(text.size()) +
      count * (static_cast<std::int64_t>(replacement.size()) - static_cast<std::int64_t>(pattern.size()))));
  std::size_t copied = 0;
  for (std::size_t at = FindFrom(text, pattern, 0); at != Text::npos;
       at = FindFrom(text, pattern, at + pattern.size())) {
    result.append(text, copied, at - copied);
    result += replacement;
    copied = at + pattern.size();
  }
  result.append(text, copied, Text::npos);
  return result;
}

namespace {

Text WithoutChar(const Text& text, char removed) {
  Text result;
  result.reserve(text.size());
  for (char c : text) {
    if (c != removed) result += c;
  }
  return result;
}

Text WithoutLeading(const Text& text, char ch) {
  const std::size_t first = text.find_first_not_of(ch);
  return first == Text::npos ? Text() : text.substr(first);
}

Text WithoutTrailing(const Text& text, char ch) {
  const std::size_t last = text.find_last_not_of(ch);
  return last == Text::npos ? Text() : text.substr(0, last + 1);
}

Text WithSingleSpaces(const Text& text) {
  Text result;
  result.reserve(text.size());
  for (char c : text) {
    if (c == ' ' && !result.empty() && result.back() == ' ') continue;
    result += c;
  }
  return result;
}

}  // namespace

Text TrimText(const Text& text, int mode) {
  if (mode == -1) return WithoutChar(WithoutChar(text, '\t'), ' ');
  if (mode == 0) return WithoutChar(text, ' ');
  Text result = text;
  if (mode & 8) std::replace(result.begin(), result.end(), '\t', ' ');
  if (result.find_first_not_of(' ') == Text::npos) return Text();
  if (mode & 1) result = WithoutLeading(result, ' ');
  if (mode & 4) result = WithoutTrailing(result, ' ');
  if (mode & 2) result = WithSingleSpaces(result);
  if (mode & 16) result = WithoutTrailing(result, '\t');
  if (mode & 32) result = WithoutLeading(result, '\t');
  return result;
}

int SplitFields(const Text& text, const Text& separator, FieldArray& fields, int highestIndex) {
  const Text source = separator == " " ? TrimText(text, kTrimBlanks) : text;
  if (source.empty() || highestIndex < 1) return 0;
  int count = 0;
  auto store = [&fields, &count](Text field) {
    ++count;
    if (fields.size() <= static_cast<std::size_t>(count)) fields.resize(static_cast<std::size_t>(count) + 1);
    fields[static_cast<std::size_t>(count)] = std::move(field);
  };
  std::size_t fieldStart = 0;
  if (!separator.empty()) {
    // Testing goes on one character after each match, so a separator that overlaps
    // itself matches at successive positions and leaves empty fields between.
    for (std::size_t at = FindFrom(source, separator, 0); at != Text::npos; at = FindFrom(source, separator, at + 1)) {
      if (count + 1 == highestIndex) break;
      store(at >= fieldStart ? source.substr(fieldStart, at - fieldStart) : Text());
      fieldStart = at + separator.size();
    }
  }
  store(fieldStart < source.size() ? source.substr(fieldStart) : Text());
  return count;
}

Text SlashMode(const Text& path, int mode) {
  if (path.empty()) return Text();
  if (mode == 0) return path.back() == '\\' ? path : path + '\\';
  if (mode == 1) return path.back() == '\\' ? path.substr(0, path.size() - 1) : path;
  return path;
}

Text CurrentDirSlash() { return SlashMode(CurrentDirectory(), 0); }

std::size_t PrefixLengthIgnoringCase(std::string_view line, const Text& upperPrefix) {
  const UnitTable& upper = UpperUnitTable();
  std::size_t inLine = 0;
  std::size_t inPrefix = 0;
  Text mapped;
  while (inPrefix < upperPrefix.size()) {
    if (inLine >= line.size()) return Text::npos;
    const auto byte = static_cast<unsigned char>(line[inLine]);
    if (byte < 0x80) {
      // Most paths and captions are ASCII: one table look-up per byte.
      if (upper[byte] != static_cast<unsigned char>(upperPrefix[inPrefix])) return Text::npos;
      ++inLine;
      ++inPrefix;
      continue;
    }
    mapped.clear();
    inLine += AppendMapped(line, inLine, upper, mapped);
    if (upperPrefix.compare(inPrefix, mapped.size(), mapped) != 0) return Text::npos;
    inPrefix += mapped.size();
  }
  return inLine;
}

bool StartsWithIgnoringCase(std::string_view line, const Text& upperPrefix) {
  return PrefixLengthIgnoringCase(line, upperPrefix) != Text::npos;
}

}  // namespace kov
