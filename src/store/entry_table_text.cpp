// The table to and from the text of its settings file, and the compaction that follows a
// load: the loops over every line at start-up and at every save. They are kept apart from
// the table's edits (entry_table.cpp) so that they can be built for speed and those for
// size. Declared in entry_table.h.
#include "store/entry_table.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace kov {

namespace {

// The first CR or LF in [from, end); end when there is none. Both are looked for in one
// pass, sixteen bytes at a step where the processor has the instructions for it, because
// the C library's memchr may go byte by byte (as Wine's does) and would be needed twice.
const char* FindLineEnd(const char* from, const char* end) {
#ifdef __SSE2__
  const __m128i carriageReturns = _mm_set1_epi8('\r');
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  for (; end - from >= 16; from += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
    const int hits =
        _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, carriageReturns), _mm_cmpeq_epi8(bytes, lineFeeds)));
    if (hits != 0) return from + std::countr_zero(static_cast<unsigned>(hits));
  }
#endif
  for (; from < end; ++from) {
    if (*from == '\r' || *from == '\n') return from;
  }
  return end;
}

}  // namespace

void LoadEntryText(Text fileText, EntryTable& table) {
  auto& lines = table.lines_;
  auto& overflow = table.overflow_;
  lines.clear();
  overflow.clear();
  table.loadedText_ = std::make_shared<const Text>(std::move(fileText));
  const Text& text = *table.loadedText_;
  const auto capacity = static_cast<std::size_t>(table.Capacity());
  int entriesTaken = 0;
  // The table never holds more slots than its capacity, holes included, so that a file of
  // blank lines costs no memory beyond a full table's.
  auto take = [&](const char* from, const char* to) {
    if (from == to) {
      if (lines.size() < capacity) lines.emplace_back();
      return;
    }
    if (entriesTaken == table.Capacity()) {
      overflow.emplace_back(from, static_cast<std::size_t>(to - from));
      return;
    }
    // Holes have taken the slots that entries still need; they would be compacted away.
    if (lines.size() == capacity) CompactEntries(table);
    lines.emplace_back(std::string_view(from, static_cast<std::size_t>(to - from)));
    ++entriesTaken;
  };
  // Settings lines are rarely shorter than 40 bytes; reserving for that many avoids
  // regrowing the table while it fills.
  lines.reserve(std::min<std::size_t>(text.size() / 40 + 1, capacity));
  const char* const textEnd = text.data() + text.size();
  const char* lineStart = text.data();
  while (lineStart < textEnd) {
    const char* lineEnd = FindLineEnd(lineStart, textEnd);
    take(lineStart, lineEnd);
    if (lineEnd == textEnd) break;
    const bool crLf = *lineEnd == '\r' && lineEnd + 1 < textEnd && lineEnd[1] == '\n';
    lineStart = lineEnd + (crLf ? 2 : 1);
  }
}

void CompactEntries(EntryTable& table) {
  table.RemoveLinesIf([](std::string_view line) { return line.empty(); });
}

Text EntryFileText(const EntryTable& table) {
  std::size_t size = 0;
  for (std::string_view line : table.Lines()) size += line.size() + 2;
  for (const Text& line : table.Overflow()) size += line.size() + 2;
  Text text;
  text.reserve(size);
  const auto write = [&text](std::string_view line) {
    text += line;
    text += "\r\n";
  };
  for (std::string_view line : table.Lines()) write(line);
  for (const Text& line : table.Overflow()) write(line);
  return text;
}

}  // namespace kov
