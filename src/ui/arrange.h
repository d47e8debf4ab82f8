// The table side of arranging icons by dragging them: within their folder, into a
// virtual folder, or one level up.
#pragma once

#include "store/entry_table.h"
#include "store/targets.h"

namespace kov {

// Moves the line of the entry of folder whose caption is caption to just before the
// line of the entry whose caption is beforeCaption, or, when beforeCaption is empty,
// to just after the folder's last entry. Captions are compared as everywhere, ignoring
// case. False, and the table unchanged, when an entry is missing.
bool MoveEntryBefore(EntryTable& table, const Text& folder, const Text& caption, const Text& beforeCaption);

enum class MoveOutcome {
  Moved,
  IntoItself,     // a virtual folder into itself or into one of its own folders
  DuplicateName,  // the destination already holds an entry of that caption
  NotMoved,       // an entry is missing, or there is no level above
};

// Moves the entry of folder whose caption is caption into the virtual folder of the
// same folder whose caption is folderCaption. The entry's line keeps its slot and every
// field but its folder; a virtual folder carries everything inside it, at any depth.
MoveOutcome MoveEntryIntoFolder(EntryTable& table, const Text& folder, const Text& caption, const Text& folderCaption,
                                const DirectoryValues& dirs);

// Moves the entry of folder whose caption is caption one level up, as above.
MoveOutcome MoveEntryUp(EntryTable& table, const Text& folder, const Text& caption, const DirectoryValues& dirs);

}  // namespace kov
