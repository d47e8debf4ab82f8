#include "ui/folder_logic.h"

namespace kov {

EntryView ReadEntry(const Text& line) {
  FieldArray fields;
  const int count = SplitFields(line, "*", fields, 99);
  fields.resize(std::max<std::size_t>(fields.size(), 6));
  EntryView entry;
  if (count == 0) return entry;
  entry.folder = fields[1];
  entry.target = TrimText(fields[2], kTrimField);
  entry.kind = TextToInt(fields[3]);
  entry.caption = TrimText(fields[4], kTrimField);
  entry.parameters = TrimText(fields[5], kTrimField);
  return entry;
}

Text FolderPrefix(const Text& folder) { return UpperText(folder) + "*"; }

std::vector<int> FolderSlots(const EntryTable& table, const Text& folder) {
  const Text prefix = FolderPrefix(folder);
  std::vector<int> slots;
  for (int slot = 1; slot <= table.Count(); ++slot) {
    if (StartsWithIgnoringCase(table.Slot(slot), prefix)) slots.push_back(slot);
  }
  return slots;
}

SelectedEntry FindEntryByCaption(const EntryTable& table, const Text& folder, const Text& caption,
                                 const DirectoryValues& dirs) {
  const Text wanted = UpperText(caption);
  const Text prefix = FolderPrefix(folder);
  SelectedEntry selected;
  for (int slot = 1; slot <= table.Count(); ++slot) {
    if (!StartsWithIgnoringCase(table.Slot(slot), prefix)) continue;
    const EntryView entry = ReadEntry(table.Slot(slot));
    selected.caption = entry.caption;
    if (UpperText(entry.caption) != wanted) continue;
    selected.slot = slot;
    selected.target = ExpandMacros(entry.target, dirs);
    selected.kind = entry.kind;
    selected.parameters = entry.parameters;
    return selected;
  }
  return selected;
}

Text ParentFolder(const Text& folder) {
  if (folder.empty()) return Text();
  const Text trimmed = SlashMode(folder, 1);
  return LeftText(trimmed, LastCharPos(trimmed, '\\'));
}

}  // namespace kov
