// Entries cut to be pasted into another folder. They are kept as their lines stood when
// cut and found again by them at the paste, so that whatever changed the table between
// the cut and the paste (an addition, an undo, a reload) moves nothing but them.
#pragma once

#include <cstdint>
#include <vector>

#include "store/entry_table.h"

namespace kov {

struct CutEntries {
  std::vector<Text> lines;          // in the order of their icons
  std::uint32_t clipboardMark = 0;  // the clipboard's sequence number once they were put on it
};

// The slots of the cut entries as the table stands, in the order they were cut; an entry
// whose line changed since (renamed, deleted) is no longer there and is left out. Two cut
// lines alike take two slots of that line.
std::vector<int> CutSlots(const EntryTable& table, const CutEntries& cut);

}  // namespace kov
