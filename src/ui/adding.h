// The table side of adding entries: the line a dropped file, a dropped directory or a
// new virtual folder becomes, and its addition to the current folder.
#pragma once

#include "store/entry_table.h"
#include "store/targets.h"

#include <vector>

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

struct AddResult {
  std::vector<Text> lines;  // the lines appended, in the order of the entries
  int refused = 0;          // entries left out because the table was full
};

// Appends the entries at the end of the table, in folder and in their order. An entry
// whose caption the folder already holds (ignoring letter case and the blanks around
// the stored caption), or an earlier entry of the same call added, is skipped; one that
// finds the table full is refused. The folder's captions are gathered once, so adding
// many entries costs one pass over the table.
AddResult AddEntriesToTable(EntryTable& table, const Text& folder, const std::vector<NewEntry>& entries,
                            const DirectoryValues& dirs);

// Text typed for an entry field (a name, a caption, parameters), as it is stored: "*"
// would end the field and a line break would split the settings line, so "*" goes,
// line breaks become blanks, and blanks and tabs around it are removed.
Text CleanEntryName(const Text& typed);

// The paths of a drop whose file list came in the legacy 8-bit form, as older programs
// send it: names one after another, each ending in a NUL, the list ending in one more
// (or at the end of the bytes). They are in the PC's legacy code page, the one older
// menus are written in, and come back as UTF-8.
std::vector<Text> LegacyDropPaths(std::string_view list);

// A cleaned name that can name a virtual folder: not empty, and without "\", which
// would split the folder into two levels wherever folder paths are built.
bool IsValidFolderName(const Text& name);

}  // namespace kov
