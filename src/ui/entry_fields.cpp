#include "ui/entry_fields.h"

namespace kov {

Text FieldOf(const Text& line, int n) {
  std::size_t start = 0;
  for (int piece = 1; piece < n; ++piece) {
    const std::size_t star = line.find('*', start);
    if (star == Text::npos) return Text();
    start = star + 1;
  }
  const std::size_t end = line.find('*', start);
  return line.substr(start, end == Text::npos ? Text::npos : end - start);
}

Text CaptionKey(const Text& line) { return UpperText(TrimText(FieldOf(line, 4), kTrimField)); }

int FindCaptionInFolder(const EntryTable& table, const Text& upperPrefix, const Text& upperCaption) {
  for (int slot = 1; slot <= table.Count(); ++slot) {
    const Text& line = table.Slot(slot);
    if (StartsWithIgnoringCase(line, upperPrefix) && CaptionKey(line) == upperCaption) return slot;
  }
  return 0;
}

}  // namespace kov
