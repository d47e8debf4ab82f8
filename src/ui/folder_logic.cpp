#include "ui/folder_logic.h"

namespace kov {

Text FolderPrefix(const Text& folder) { return UpperText(folder) + "*"; }

int FindCaptionInFolder(const EntryTable& table, const Text& upperPrefix, const Text& upperCaption) {
  for (int slot = 1; slot <= table.Count(); ++slot) {
    const std::string_view line = table.Slot(slot);
    if (StartsWithIgnoringCase(line, upperPrefix) && CaptionKey(line) == upperCaption) return slot;
  }
  return 0;
}

std::vector<int> FolderSlots(const EntryTable& table, const Text& folder) {
  const Text prefix = FolderPrefix(folder);
  std::vector<int> slots;
  for (int slot = 1; slot <= table.Count(); ++slot) {
    if (StartsWithIgnoringCase(table.Slot(slot), prefix)) slots.push_back(slot);
  }
  return slots;
}

SelectedEntry SelectedEntryAt(const EntryTable& table, int slot, const DirectoryValues& dirs) {
  const EntryView entry = ReadEntry(table.Slot(slot));
  SelectedEntry selected;
  selected.slot = slot;
  selected.folder = entry.folder;
  selected.caption = entry.caption;
  selected.target = ExpandMacros(entry.target, dirs);
  selected.kind = entry.kind;
  selected.parameters = entry.parameters;
  return selected;
}

Text ParentFolder(const Text& folder) {
  if (folder.empty()) return Text();
  const Text trimmed = SlashMode(folder, 1);
  return LeftText(trimmed, LastCharPos(trimmed, '\\'));
}

}  // namespace kov
