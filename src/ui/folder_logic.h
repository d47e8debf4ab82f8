// The table side of the folder view: which entries a folder shows, which entry the
// selected icon names, and where Back leads.
#pragma once

#include <vector>

#include "store/entry_table.h"
#include "store/targets.h"

namespace kov {

// The entry behind the selected icon; slot 0 when there is none.
struct SelectedEntry {
  int slot = 0;
  Text folder;  // the entry's own folder, as stored
  Text caption;
  Text target;  // macros expanded, not yet made absolute
  int kind = kProgram;
  Text parameters;
};

// The prefix that the lines of a folder begin with, upper-cased: the folder and "*".
Text FolderPrefix(const Text& folder);

// The first slot whose line begins with upperPrefix (ignoring case) and whose
// CaptionKey equals upperCaption; 0 when there is none.
int FindCaptionInFolder(const EntryTable& table, const Text& upperPrefix, const Text& upperCaption);

// Slots of the folder's entries, in table order.
std::vector<int> FolderSlots(const EntryTable& table, const Text& folder);

// The entry in slot, read as the selection reads it.
SelectedEntry SelectedEntryAt(const EntryTable& table, int slot, const DirectoryValues& dirs);

// The folder one level up: "Tools\Net\" gives "Tools\", "Tools\" gives "", "" gives "".
Text ParentFolder(const Text& folder);

}  // namespace kov
