// What one command did to an entry table, change by change: enough to take the table
// back to the lines it had before, byte for byte, and to bring it forward again. Each
// change keeps only the lines it touched, never a copy of the table; the loaded texts
// that kept lines may be pieces of are held with them.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "store/stored_line.h"

namespace kov {

class TableChanges {
 public:
  bool Empty() const { return changes_.empty(); }

  // The lines the changes rewrote, before and after, and the lines they removed, in
  // the order of the changes: what follows an entry from one line to another.
  template <typename OnRewritten, typename OnRemoved>
  void ForEachLine(OnRewritten rewritten, OnRemoved removed) const {
    for (const Change& change : changes_) {
      if (const auto* replaced = std::get_if<Replaced>(&change)) {
        rewritten(replaced->before.View(), replaced->after.View());
      } else if (const auto* removal = std::get_if<Removed>(&change)) {
        for (const auto& [place, line] : removal->lines) removed(line.View());
      }
    }
  }

 private:
  friend class EntryTable;

  struct Appended {
    StoredLine line;
  };
  struct Replaced {
    int slot;
    StoredLine before;
    StoredLine after;
  };
  struct Exchanged {
    int slotA;
    int slotB;
  };
  struct Moved {
    int from;
    int to;
  };
  // Lines of the slots from, in that order, gathered to stand together from slot at on.
  struct Gathered {
    std::vector<int> from;
    int at;
  };
  // Lines removed from the table, by their 0-based places before the removal, ascending.
  struct Removed {
    std::vector<std::pair<std::size_t, StoredLine>> lines;
  };
  struct RemovedOverflow {
    std::vector<std::pair<std::size_t, Text>> lines;
  };
  // The whole table exchanged for another (the settings file read anew): the other
  // table's contents, which undoing and redoing exchange again.
  struct Swapped {
    std::shared_ptr<const Text> loadedText;
    std::vector<StoredLine> lines;
    std::vector<Text> overflow;
  };
  using Change = std::variant<Appended, Replaced, Exchanged, Moved, Gathered, Removed, RemovedOverflow, Swapped>;

  void Add(Change change, const std::shared_ptr<const Text>& loadedText) {
    if (loadedText && (heldTexts_.empty() || heldTexts_.back() != loadedText)) heldTexts_.push_back(loadedText);
    changes_.push_back(std::move(change));
  }

  std::vector<Change> changes_;
  std::vector<std::shared_ptr<const Text>> heldTexts_;
};

}  // namespace kov
