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

}  // namespace kov
