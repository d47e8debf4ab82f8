#include "ui/arrange.h"

#include "ui/folder_logic.h"
#include "ui/rename.h"

namespace kov {

bool MoveEntryBefore(EntryTable& table, const Text& folder, const Text& caption, const Text& beforeCaption) {
  const Text prefix = FolderPrefix(folder);
  const int from = FindCaptionInFolder(table, prefix, UpperText(caption));
  if (from == 0) return false;
  if (beforeCaption.empty()) {
    const std::vector<int> slots = FolderSlots(table, folder);
    table.MoveSlot(from, slots.back());
    return true;
  }
  const int before = FindCaptionInFolder(table, prefix, UpperText(beforeCaption));
  if (before == 0) return false;
  table.MoveSlot(from, from < before ? before - 1 : before);
  return true;
}

namespace {

// The path the view shows a virtual folder's entries under, as it enters the folder.
Text ContentsPath(const Text& parent, const EntryView& entry, const DirectoryValues& dirs) {
  return parent + ExpandMacros(entry.target, dirs) + "\\";
}

// Moves the entry in slot, which lies in folder, into destination: only its folder
// field changes, and a virtual folder's contents follow it.
MoveOutcome MoveSlotTo(EntryTable& table, int slot, const Text& folder, const Text& destination,
                       const DirectoryValues& dirs) {
  const std::string_view line = table.Slot(slot);
  const EntryView entry = ReadEntry(line);
  const bool isFolder = entry.kind == kVirtualFolder;
  const Text contents = ContentsPath(folder, entry, dirs);
  if (isFolder && StartsWithIgnoringCase(destination, UpperText(contents))) return MoveOutcome::IntoItself;
  if (FindCaptionInFolder(table, FolderPrefix(destination), CaptionKey(line)) != 0) {
    return MoveOutcome::DuplicateName;
  }
  table.SetSlot(slot, destination + Text(line.substr(line.find('*'))));
  if (isFolder) CarryFolderContents(table, contents, ContentsPath(destination, entry, dirs), 0);
  return MoveOutcome::Moved;
}

}  // namespace

MoveOutcome MoveEntryIntoFolder(EntryTable& table, const Text& folder, const Text& caption, const Text& folderCaption,
                                const DirectoryValues& dirs) {
  const Text prefix = FolderPrefix(folder);
  const int slot = FindCaptionInFolder(table, prefix, UpperText(caption));
  const int into = FindCaptionInFolder(table, prefix, UpperText(folderCaption));
  if (slot == 0 || into == 0) return MoveOutcome::NotMoved;
  const EntryView destination = ReadEntry(table.Slot(into));
  if (destination.kind != kVirtualFolder) return MoveOutcome::NotMoved;
  return MoveSlotTo(table, slot, folder, ContentsPath(folder, destination, dirs), dirs);
}

MoveOutcome MoveEntryUp(EntryTable& table, const Text& folder, const Text& caption, const DirectoryValues& dirs) {
  const int slot = FindCaptionInFolder(table, FolderPrefix(folder), UpperText(caption));
  if (folder.empty() || slot == 0) return MoveOutcome::NotMoved;
  return MoveSlotTo(table, slot, folder, ParentFolder(folder), dirs);
}

}  // namespace kov
