// The table side of the entry commands: deleting entries (a virtual folder with
// everything inside it), new execution parameters for an entry, and the path that
// Open File Location and Properties show.
#pragma once

#include "store/entry_table.h"
#include "store/launch_plan.h"
#include "store/targets.h"
#include "ui/folder_logic.h"

namespace kov {

// Removes the entries of slots from the table. A virtual folder goes together with every
// entry inside it, at any depth, those kept beyond the capacity too; a folder whose name
// merely begins with the same letters (Tools2 beside Tools) stays. The remaining entries
// keep their order. Slots outside the table are passed over. Returns how many entries
// the deleted folders held.
int DeleteEntries(EntryTable& table, const std::vector<int>& slots, const DirectoryValues& dirs);

// The entry line with its parameters replaced by what the user typed: folder, target,
// kind and caption exactly as they stand in line, then the typed text without "*" and
// line breaks, trimmed, and a closing "*". Anything after the parameters is dropped.
Text LineWithParameters(std::string_view line, const Text& typed);

// The path that Open File Location and Properties show for a target (macros already
// expanded): made absolute against the working folder (an empty target is relative
// like any other, so it names the working folder itself), or the directory that held
// it when nothing exists there any more.
Text EntryLocation(const Text& target, const DirectoryValues& dirs, const PathExists& exists);

}  // namespace kov
