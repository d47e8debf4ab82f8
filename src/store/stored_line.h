// One slot's line of the entry table, as the table and whatever keeps a line hold it.
#pragma once

#include <string_view>
#include <utility>

#include "util/text.h"

namespace kov {

// One slot's line: a piece of the loaded settings file's text, which the table keeps,
// until the line is changed; then its own string. A loaded table of many thousand lines
// thus costs one allocation, not one per line. A copy reads the same bytes whatever later
// happens to the table, for as long as that text is held (EntryTable::LoadedText).
class StoredLine {
 public:
  StoredLine() = default;
  explicit StoredLine(std::string_view loaded) : loaded_(loaded) {}
  explicit StoredLine(Text own) : own_(std::move(own)) {}

  std::string_view View() const { return loaded_.data() ? loaded_ : std::string_view(own_); }

 private:
  std::string_view loaded_;
  Text own_;
};

}  // namespace kov
