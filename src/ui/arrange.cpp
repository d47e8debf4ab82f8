#include "ui/arrange.h"

#include <algorithm>
#include <unordered_set>

#include "ui/folder_logic.h"
#include "ui/rename.h"

namespace kov {

Text ContentsPath(const Text& parent, const EntryView& folderEntry, const DirectoryValues& dirs) {
  return parent + ExpandMacros(folderEntry.target, dirs) + "\\";
}

namespace {

bool InFolder(std::string_view line, const Text& folder) { return StartsWithIgnoringCase(line, FolderPrefix(folder)); }

// True when a virtual folder among the slots is destination or holds it.
bool HoldsDestination(const EntryTable& table, const std::vector<int>& slots, const Text& destination,
                      const DirectoryValues& dirs) {
  const Text upperDestination = UpperText(destination);
  return std::any_of(slots.begin(), slots.end(), [&](int slot) {
    const EntryView entry = ReadEntry(table.Slot(slot));
    return entry.kind == kVirtualFolder &&
           StartsWithIgnoringCase(upperDestination, UpperText(ContentsPath(entry.folder, entry, dirs)));
  });
}

// The caption keys of the folder's entries, gathered in one pass over the table, so that a
// move of many entries looks each up at once.
std::unordered_set<Text> CaptionKeysIn(const EntryTable& table, const Text& folder) {
  const Text prefix = FolderPrefix(folder);
  std::unordered_set<Text> keys;
  for (std::string_view line : table.Lines()) {
    if (StartsWithIgnoringCase(line, prefix)) keys.insert(CaptionKey(line));
  }
  return keys;
}

// Rewrites the line in slot into destination: only its folder changes, and a virtual
// folder's contents follow it.
void SetFolderOf(EntryTable& table, int slot, const Text& destination, const DirectoryValues& dirs) {
  const std::string_view line = table.Slot(slot);
  const EntryView entry = ReadEntry(line);
  const Text contents = ContentsPath(entry.folder, entry, dirs);
  table.SetSlot(slot, destination + Text(line.substr(line.find('*'))));
  if (entry.kind == kVirtualFolder) CarryFolderContents(table, contents, ContentsPath(destination, entry, dirs), 0);
}

// The line the moved entries go right after: the nearest one before slot before that
// is not among them, or, for the end of destination, its last entry not among them (the
// first moved entry's place when there is none).
int PlaceAfter(const EntryTable& table, const std::vector<bool>& moving, const Text& destination, int before,
               int firstMoving) {
  if (before > 0) {
    int after = before - 1;
    while (after > 0 && moving[static_cast<std::size_t>(after)]) --after;
    return after;
  }
  const Text prefix = FolderPrefix(destination);
  for (int slot = table.Count(); slot > 0; --slot) {
    if (!moving[static_cast<std::size_t>(slot)] && StartsWithIgnoringCase(table.Slot(slot), prefix)) return slot;
  }
  return firstMoving - 1;
}

}  // namespace

EntriesMove MoveEntries(EntryTable& table, const std::vector<int>& slots, const Text& destination, int before,
                        const DirectoryValues& dirs) {
  EntriesMove move;
  for (int slot : slots) {
    if (slot < 1 || slot > table.Count()) return move;
  }
  if (slots.empty() || before < 0 || before > table.Count()) return move;
  if (HoldsDestination(table, slots, destination, dirs)) {
    move.outcome = MoveOutcome::IntoItself;
    return move;
  }
  std::unordered_set<Text> captions = CaptionKeysIn(table, destination);
  std::vector<int> moved;
  for (int slot : slots) {
    if (!InFolder(table.Slot(slot), destination)) {
      if (!captions.insert(CaptionKey(table.Slot(slot))).second) {
        move.refused.push_back(ReadEntry(table.Slot(slot)).caption);
        continue;
      }
      SetFolderOf(table, slot, destination, dirs);
    }
    moved.push_back(slot);
  }
  if (moved.empty()) {
    move.outcome = MoveOutcome::DuplicateName;
    return move;
  }
  std::vector<bool> moving(static_cast<std::size_t>(table.Count()) + 1);
  for (int slot : moved) moving[static_cast<std::size_t>(slot)] = true;
  const int after = PlaceAfter(table, moving, destination, before, *std::min_element(moved.begin(), moved.end()));
  const int first = table.GatherSlots(moved, after);
  for (std::size_t index = 0; index < moved.size(); ++index) move.slots.push_back(first + static_cast<int>(index));
  move.outcome = MoveOutcome::Moved;
  return move;
}

Text MoveRefusal(const EntriesMove& move) {
  if (move.outcome == MoveOutcome::IntoItself) {
    return "A folder cannot be moved into itself or into one of its own folders.";
  }
  if (move.refused.empty()) return Text();
  Text names;
  for (const Text& caption : move.refused) names += (names.empty() ? "\"" : ", \"") + caption + "\"";
  return move.refused.size() == 1 ? "That folder already holds an item named " + names + ": it was not moved."
                                  : "That folder already holds items named " + names + ": they were not moved.";
}

}  // namespace kov
