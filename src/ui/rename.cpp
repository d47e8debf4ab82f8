#include "ui/rename.h"

#include <utility>

#include "ui/adding.h"
#include "ui/folder_logic.h"

namespace kov {

namespace {

// The entry's line after the rename: folder and caption from the rename (a virtual
// folder also takes the name as its target), target and parameters exactly as they
// stood, the kind in decimal.
Text RenamedLine(EntryFields fields, const Text& folder, const Text& name) {
  const int kind = TextToInt(fields.kind);
  fields.folder = folder;
  if (kind == kVirtualFolder) fields.target = name;
  fields.kind = IntText(kind);
  fields.caption = name;
  return FormatEntryLine(fields);
}

// True when field 1 of the line is exactly folder, compared without copying the field.
bool InFolderExactly(std::string_view line, const Text& folder) {
  return line.size() > folder.size() && line[folder.size()] == '*' && line.compare(0, folder.size(), folder) == 0;
}

}  // namespace

void CarryFolderContents(EntryTable& table, const Text& oldPath, const Text& newPath, std::size_t kept) {
  const Text upperOldPath = UpperText(oldPath);
  for (int slot = 1; slot <= table.Count(); ++slot) {
    const std::string_view line = table.Slot(slot);
    if (!StartsWithIgnoringCase(line, upperOldPath)) continue;
    Text moved(line);
    moved.replace(kept, oldPath.size() - kept, newPath, kept);
    table.SetSlot(slot, std::move(moved));
  }
}

RenameResult RenameEntry(EntryTable& table, const Text& folder, const Text& oldCaption, const Text& typed,
                         const DirectoryValues& dirs) {
  RenameResult result;
  result.name = CleanEntryName(typed);
  if (result.name.empty()) {
    result.outcome = RenameOutcome::EmptyName;
    return result;
  }
  const Text prefix = FolderPrefix(folder);
  if (FindCaptionInFolder(table, prefix, UpperText(result.name)) != 0) {
    result.outcome = RenameOutcome::DuplicateName;
    return result;
  }
  const int slot = FindCaptionInFolder(table, prefix, UpperText(oldCaption));
  if (slot == 0) {
    result.outcome = RenameOutcome::EntryNotFound;
    return result;
  }
  const EntryFields fields = SplitEntryLine(table.Slot(slot));
  const bool isFolder = TextToInt(fields.kind) == kVirtualFolder;
  if (isFolder && !IsValidFolderName(result.name)) {
    result.outcome = RenameOutcome::BackslashInFolder;
    return result;
  }
  table.SetSlot(slot, RenamedLine(fields, folder, result.name));
  if (isFolder) {
    // The folder's children carry the target as the view enters it: trimmed, with its
    // macros expanded.
    CarryFolderContents(table, folder + ExpandMacros(TrimText(fields.target, kTrimField), dirs) + "\\",
                        folder + result.name + "\\", folder.size());
  }
  result.outcome = RenameOutcome::Renamed;
  result.slot = slot;
  return result;
}

bool ExchangeEntries(EntryTable& table, const Text& folder, const Text& captionA, const Text& captionB) {
  // No field holds "*", so no entry can be in such a folder.
  if (folder.find('*') != Text::npos) return false;
  int slotA = 0;
  int slotB = 0;
  for (int slot = 1; slot <= table.Count(); ++slot) {
    const std::string_view line = table.Slot(slot);
    if (!InFolderExactly(line, folder)) continue;
    const std::string_view caption = FieldOf(line, 4);
    if (caption == captionA) slotA = slot;
    if (caption == captionB) slotB = slot;
  }
  if (slotA == 0 || slotB == 0) return false;
  table.ExchangeSlots(slotA, slotB);
  return true;
}

}  // namespace kov
