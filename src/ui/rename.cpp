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

// True when an entry of the folder other than the one in slot carries the caption: the
// entry itself may take its own name in other letter case.
bool AnotherCarries(const EntryTable& table, const Text& upperPrefix, const Text& upperCaption, int slot) {
  for (int other = 1; other <= table.Count(); ++other) {
    const std::string_view line = table.Slot(other);
    if (other != slot && StartsWithIgnoringCase(line, upperPrefix) && CaptionKey(line) == upperCaption) return true;
  }
  return false;
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

RenameResult RenameEntry(EntryTable& table, const Text& folder, int slot, const Text& typed,
                         const DirectoryValues& dirs) {
  RenameResult result;
  result.name = CleanEntryName(typed);
  if (result.name.empty()) {
    result.outcome = RenameOutcome::EmptyName;
    return result;
  }
  if (slot < 1 || slot > table.Count() || table.Slot(slot).empty()) {
    result.outcome = RenameOutcome::EntryNotFound;
    return result;
  }
  if (ReadEntry(table.Slot(slot)).caption == result.name ||
      AnotherCarries(table, FolderPrefix(folder), UpperText(result.name), slot)) {
    result.outcome = RenameOutcome::DuplicateName;
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
