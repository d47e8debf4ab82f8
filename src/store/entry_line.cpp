#include "store/entry_line.h"

#include <array>

namespace kov {

EntryFields SplitEntryLine(std::string_view line) {
  std::array<Text, 5> pieces;
  std::size_t start = 0;
  for (Text& piece : pieces) {
    if (start > line.size()) break;
    const std::size_t star = line.find('*', start);
    piece = line.substr(start, star == Text::npos ? Text::npos : star - start);
    start = star == Text::npos ? line.size() + 1 : star + 1;
  }
  return {std::move(pieces[0]), std::move(pieces[1]), std::move(pieces[2]), std::move(pieces[3]), std::move(pieces[4])};
}

Text FormatEntryLine(const EntryFields& fields) {
  Text line;
  line.reserve(fields.folder.size() + fields.target.size() + fields.kind.size() + fields.caption.size() +
               fields.parameters.size() + 5);
  for (const Text* field : {&fields.folder, &fields.target, &fields.kind, &fields.caption, &fields.parameters}) {
    line += *field;
    line += '*';
  }
  return line;
}

std::string_view FieldOf(std::string_view line, int n) {
  std::size_t start = 0;
  for (int piece = 1; piece < n; ++piece) {
    const std::size_t star = line.find('*', start);
    if (star == std::string_view::npos) return {};
    start = star + 1;
  }
  const std::size_t end = line.find('*', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

Text CaptionKey(std::string_view line) { return UpperText(TrimText(Text(FieldOf(line, 4)), kTrimField)); }

EntryView ReadEntry(std::string_view line) {
  const EntryFields fields = SplitEntryLine(line);
  EntryView entry;
  entry.folder = fields.folder;
  entry.target = TrimText(fields.target, kTrimField);
  entry.kind = TextToInt(fields.kind);
  entry.caption = TrimText(fields.caption, kTrimField);
  entry.parameters = TrimText(fields.parameters, kTrimField);
  return entry;
}

}  // namespace kov
