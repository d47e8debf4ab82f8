// The table side of arranging entries: one or several, within their folder, into a
// virtual folder, one level up, or into any folder by cut and paste.
#pragma once

#include <vector>

#include "store/entry_table.h"
#include "store/targets.h"

namespace kov {

enum class MoveOutcome {
  Moved,          // every entry, or some of them (see EntriesMove::refused)
  IntoItself,     // a virtual folder into itself or into one of its own folders
  DuplicateName,  // the destination already holds an entry of each caption
  NotMoved,       // nothing to move, or nothing changed
};

struct EntriesMove {
  MoveOutcome outcome = MoveOutcome::NotMoved;
  std::vector<int> slots;      // the moved entries' slots afterwards, in their order
  std::vector<Text> refused;   // captions the destination held already: those stayed
};

// Moves the entries of slots, in the order given, into the folder destination (as the
// view names it: "" at the top, else ending in "\"), to stand together just before the
// entry of slot before, or after destination's last entry when before is 0. Only an
// entry's folder field changes, and a virtual folder's contents follow it at any depth;
// entries already in destination only change places. When a virtual folder among them
// holds destination, or is it, nothing moves. An entry whose caption destination holds
// already (ignoring case, an entry moved before it included) stays where it is.
EntriesMove MoveEntries(EntryTable& table, const std::vector<int>& slots, const Text& destination, int before,
                        const DirectoryValues& dirs);

// What the status bar says of the entries a move left where they were; empty when none.
Text MoveRefusal(const EntriesMove& move);

// The folder path the view shows a virtual folder's entries under, the folder lying in
// parent: the path its entries' lines begin with.
Text ContentsPath(const Text& parent, const EntryView& folderEntry, const DirectoryValues& dirs);

}  // namespace kov
