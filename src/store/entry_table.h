// The entry table: the launcher's whole model, one entry line per slot, in icon order.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "store/entry_line.h"
#include "store/stored_line.h"
#include "store/table_changes.h"

namespace kov {

// The lines of a table in slot order, each read as a string_view.
class LineRange {
 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    Iterator() = default;
    explicit Iterator(const StoredLine* at) : at_(at) {}
    std::string_view operator*() const { return at_->View(); }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++at_;
      return before;
    }
    bool operator==(const Iterator&) const = default;

   private:
    const StoredLine* at_ = nullptr;
  };

  LineRange(const StoredLine* begin, const StoredLine* end) : begin_(begin), end_(end) {}
  Iterator begin() const { return Iterator(begin_); }
  Iterator end() const { return Iterator(end_); }

 private:
  const StoredLine* begin_;
  const StoredLine* end_;
};

class EntryTable {
 public:
  static constexpr int kCapacity = 99999;

  // The program's tables hold kCapacity entries; a smaller one lets a test or a fuzzer
  // reach the capacity in a few lines.
  explicit EntryTable(int capacity = kCapacity) : capacity_(capacity) {}

  int Capacity() const { return capacity_; }
  int Count() const { return static_cast<int>(lines_.size()); }
  bool IsFull() const { return Count() >= capacity_; }

  // Slots are 1-based, as everywhere in the program. The lines are read-only here; the
  // table changes only through the calls below, so that no addition escapes the
  // capacity check. A line read stays valid until its slot changes.
  std::string_view Slot(int slot) const { return lines_[static_cast<std::size_t>(slot - 1)].View(); }
  LineRange Lines() const { return {lines_.data(), lines_.data() + lines_.size()}; }
  // A slot's line to copy, without copying its bytes when it is a piece of the loaded
  // text; whoever keeps such copies holds LoadedText() with them.
  const StoredLine& StoredSlot(int slot) const { return lines_[static_cast<std::size_t>(slot - 1)]; }
  std::shared_ptr<const Text> LoadedText() const { return loadedText_; }

  // Lines of a settings file beyond the table's capacity. They are not shown, but every
  // save writes them back after the table, so a file larger than the table loses nothing.
  const std::vector<Text>& Overflow() const { return overflow_; }

  // Appends a line in a new last slot; false (and nothing stored) when the table is full.
  [[nodiscard]] bool Append(Text line);

  // Replaces the line of an existing slot.
  void SetSlot(int slot, Text line);

  // Exchanges the lines of two existing slots.
  void ExchangeSlots(int slotA, int slotB);

  // Moves the line of slot from to slot to; the lines between shift by one toward from.
  void MoveSlot(int from, int to);

  // Moves the lines of slots (distinct, existing), in the order given, to stand together
  // right after the line of slot after, which is not among them (0: at the start); the
  // other lines keep their order. Returns the slot of the first line moved; lines that
  // stand so already change nothing. One pass over the table, however many lines move.
  int GatherSlots(const std::vector<int>& slots, int after);
  // Removes every line for which remove(line) is true; the others keep their order.
  template <typename Predicate>
  void RemoveLinesIf(Predicate remove) {
    RemoveIf(lines_, [&remove](const StoredLine& line) { return remove(line.View()); }, &TableChanges::Removed::lines);
  }

  // The same for the lines kept beyond the capacity.
  template <typename Predicate>
  void RemoveOverflowLinesIf(Predicate remove) {
    RemoveIf(overflow_, remove, &TableChanges::RemovedOverflow::lines);
  }

  // Takes every line, the overflow and the loaded text of another table (the settings
  // file read anew) in one change.
  void ReplaceWith(EntryTable other);

  // While changes is set, every change of the table is written to it as well; nullptr
  // stops the recording. A copy of the table records nothing.
  void RecordChangesIn(TableChanges* changes) { recording_.changes = changes; }
  // Takes the table back over recorded changes, the last first, to the lines it had
  // before them; or brings it forward over them again. Only for the table they were
  // recorded on, in the state they left it or found it in.
  void Undo(TableChanges& changes);
  void Redo(TableChanges& changes);

 private:
  friend void LoadEntryText(Text fileText, EntryTable& table);
  // The lines of from, in that order, put together from slot at on; what GatherSlots does.
  void Gather(const std::vector<int>& from, int at);
  // Takes gathered lines back to the slots they came from.
  void Scatter(const std::vector<int>& from, int at);

  int capacity_;
  // The settings file's text as loaded, which unchanged lines are pieces of; shared, never
  // changed, so that a copy of the table reads the same bytes.
  std::shared_ptr<const Text> loadedText_;
  std::vector<StoredLine> lines_;
  std::vector<Text> overflow_;
  // Where changes are written while a command runs; never copied with the table.
  struct Recording {
    TableChanges* changes = nullptr;
    Recording() = default;
    Recording(const Recording&) {}
    Recording& operator=(const Recording&) { return *this; }
  } recording_;

  template <typename Change>
  void Record(Change change) {
    if (recording_.changes) recording_.changes->Add(std::move(change), loadedText_);
  }

  // Removes the elements for which remove is true in one pass, keeping the order of the
  // others; while recording, the removed ones go into a change with their places.
  template <typename Line, typename Predicate, typename Removal>
  void RemoveIf(std::vector<Line>& lines, Predicate remove, std::vector<std::pair<std::size_t, Line>> Removal::*removed) {
    Removal removal;
    std::size_t kept = 0;
    for (std::size_t at = 0; at < lines.size(); ++at) {
      if (remove(lines[at])) {
        if (recording_.changes) (removal.*removed).emplace_back(at, std::move(lines[at]));
        continue;
      }
      if (kept != at) lines[kept] = std::move(lines[at]);
      ++kept;
    }
    lines.resize(kept);
    if (!(removal.*removed).empty()) Record(std::move(removal));
  }

  void Apply(TableChanges::Change& change, bool forward);
};

// Fills the table from the text of a settings file, one slot per line. CR LF, a bare CR
// and a bare LF each end a line. Blank lines become empty slots (holes) for
// CompactEntries while the table has room for them; non-empty lines past the capacity go
// to the overflow. The table never holds more than its capacity of slots.
void LoadEntryText(Text fileText, EntryTable& table);

// Removes empty slots, keeping order.
void CompactEntries(EntryTable& table);

// Fills an empty table with the built-in "Windows programs" folder; does nothing otherwise.
void SeedDefaults(EntryTable& table);

// The settings file's bytes for the table and its overflow: every line followed by CR LF.
Text EntryFileText(const EntryTable& table);

}  // namespace kov
