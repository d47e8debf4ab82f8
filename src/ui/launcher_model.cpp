#include "ui/launcher_model.h"

#include <cmath>

namespace kov {

void EnterFolder(LauncherModel& model, const Text& folderName) { model.currentFolder += folderName + "\\"; }

std::optional<Text> LeaveFolder(LauncherModel& model) {
  Text& folder = model.currentFolder;
  if (folder.empty()) return std::nullopt;
  const Text parent = ParentFolder(folder);
  Text left = folder.substr(parent.size(), folder.size() - parent.size() - 1);
  folder = parent;
  return left;
}

int FolderIconPosition(const EntryTable& table, const DirectoryValues& dirs, const Text& folder,
                       const Text& childName) {
  int position = 0;
  for (int slot : FolderSlots(table, folder)) {
    const EntryView entry = ReadEntry(table.Slot(slot));
    if (entry.kind == kVirtualFolder && ExpandMacros(entry.target, dirs) == childName) return position;
    ++position;
  }
  return -1;
}

namespace {

// The index of the table as it stands: the one made ahead when it is of this table.
std::shared_ptr<const CaptionIndex> CurrentIndex(LauncherModel& model) {
  if (!model.index || model.indexRevision != model.revision) {
    model.index = std::make_shared<const CaptionIndex>(model.table);
    model.indexRevision = model.revision;
  }
  return model.index;
}

}  // namespace

void SearchFor(LauncherModel& model, const Text& typed, int folderSelection, std::int64_t now) {
  if (TrimText(typed, kTrimField).empty()) {
    model.search.reset();
    return;
  }
  if (!model.search) {
    LauncherModel::Search search;
    search.index = CurrentIndex(model);
    search.useBySlot = model.scores.ScoresBySlot(model.table, now);
    search.useAt = now;
    search.folderSelection = folderSelection;
    model.search = std::move(search);
  }
  model.search->typed = typed;
  model.search->found = model.search->index->Find(typed, model.search->useBySlot);
}

void CountSelectedStart(LauncherModel& model, std::int64_t now) {
  const Text key = UseKey(model.selected.folder, model.selected.caption);
  model.scores.CountStart(key, now);
  if (!model.search) return;
  // The search holds every entry's use as it stood when the search started: taking it
  // all again would cost a whole table's lookups. Every score halves alike with time, so
  // the new score, taken back to that moment, ranks among them as it does now.
  LauncherModel::Search& search = *model.search;
  const double elapsed = static_cast<double>(now) - static_cast<double>(search.useAt);
  const double use = model.scores.ScoreOf(key, now) * std::exp2(elapsed / static_cast<double>(kUseHalfLifeSeconds));
  search.useBySlot.resize(static_cast<std::size_t>(model.table.Count()), 0.0);
  for (int alike : search.index->SlotsFoldedAlike(model.selected.slot)) {
    const bool sameKey = alike <= model.table.Count() && EntryUseKey(model.table.Slot(alike)) == key;
    if (sameKey) search.useBySlot[static_cast<std::size_t>(alike) - 1] = use;
  }
}

void TableChanged(LauncherModel& model, std::int64_t now) {
  ++model.revision;
  if (!model.search) return;
  model.search->index = CurrentIndex(model);
  model.search->useBySlot = model.scores.ScoresBySlot(model.table, now);
  model.search->useAt = now;
  model.search->found = model.search->index->Find(model.search->typed, model.search->useBySlot);
}

}  // namespace kov
