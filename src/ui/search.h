// Finding entries as the user types: every entry of the whole menu whose caption holds
// the typed text, ignoring letter case in every script, best matches first.
#pragma once

#include <vector>

#include "store/entry_table.h"

namespace kov {

// The captions of a table, upper-cased once, so that each keystroke only compares.
// Built again whenever the table changes.
class CaptionIndex {
 public:
  explicit CaptionIndex(const EntryTable& table);

  // Slots of the entries whose caption holds typed (ignoring case and the blanks around
  // it): captions that start with it first, then those that hold it elsewhere, each in
  // table order. Nothing for an empty or blank text.
  std::vector<int> Find(const Text& typed) const;

 private:
  std::vector<Text> upperCaptions_;  // by slot - 1
};

}  // namespace kov
