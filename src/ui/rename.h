// The table side of renaming an icon in place.
#pragma once

#include "store/entry_table.h"
#include "store/targets.h"

namespace kov {

enum class RenameOutcome {
  Renamed,
  EmptyName,          // nothing left once "*" and the blanks around are removed
  DuplicateName,      // another entry of the folder carries it, or the entry itself exactly
  BackslashInFolder,  // a virtual folder's name would become two folder levels
  EntryNotFound,      // the slot holds no entry
};

struct RenameResult {
  RenameOutcome outcome = RenameOutcome::EntryNotFound;
  Text name;     // the new name as stored: without "*", trimmed
  int slot = 0;  // the renamed entry's slot; 0 unless renamed
};

// Renames the entry in slot, which lies in folder, to the name typed. The line is rebuilt with the kind in
// decimal; target and parameters are kept exactly as they stand. A virtual folder also
// takes the name as its target, and every entry inside it, at any depth, is carried to
// the new folder path. A refused rename leaves the table as it was.
RenameResult RenameEntry(EntryTable& table, const Text& folder, int slot, const Text& typed,
                         const DirectoryValues& dirs);

// Every line under oldPath, at any depth, moves under newPath. The first kept characters
// of each line (the part both paths share, in the line's own letter case) and everything
// after oldPath stay as they are. The folder's own line continues with "*" after its
// parent path and so is not matched, nor is a sibling whose name merely begins with the
// old name, since oldPath ends in "\".
void CarryFolderContents(EntryTable& table, const Text& oldPath, const Text& newPath, std::size_t kept);

}  // namespace kov
