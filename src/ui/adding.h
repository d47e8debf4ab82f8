// The table side of adding entries: the line a dropped file, a dropped directory or a
// new virtual folder becomes, and its addition to the current folder.
#pragma once

#include "store/entry_table.h"
#include "store/targets.h"

namespace kov {

// What an addition is made from: a dropped path (kind kProgram or kDirectory, as the
// file system reports it) or the name of a new virtual folder (kind kVirtualFolder).
struct NewEntry {
  Text text;
  EntryKind kind = kProgram;
};

// The caption under the new icon: the file-name part of a path (what follows its last
// "\" or ":"), or the folder's name. A path with no file-name part, such as a drive's
// root, is its own caption, so that no icon is left without one.
Text NewEntryCaption(const NewEntry& entry);

// The line stored for the entry in folder. Paths inside the working folder are stored
// relative to it.
Text NewEntryLine(const Text& folder, const NewEntry& entry, const DirectoryValues& dirs);

// True when an entry of folder carries caption, ignoring letter case and the blanks
// around the stored caption.
bool FolderHoldsCaption(const EntryTable& table, const Text& folder, const Text& caption);

enum class AddOutcome { Added, DuplicateSkipped, TableFull };

struct AddResult {
  AddOutcome outcome = AddOutcome::Added;
  Text line;  // the line appended; empty unless added
};

// Appends the entry at the end of the table, in folder, unless folder already holds
// its caption or the table is full.
AddResult AddEntryToTable(EntryTable& table, const Text& folder, const NewEntry& entry, const DirectoryValues& dirs);

// Text typed for an entry field (a name, a caption, parameters), as it is stored: "*"
// would end the field and a line break would split the settings line, so "*" goes,
// line breaks become blanks, and blanks and tabs around it are removed.
Text CleanEntryName(const Text& typed);

// A cleaned name that can name a virtual folder: not empty, and without "\", which
// would split the folder into two levels wherever folder paths are built.
bool IsValidFolderName(const Text& name);

}  // namespace kov
