#include "ui/launcher_model.h"

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
    model.search = LauncherModel::Search{typed, CurrentIndex(model), model.scores.ScoresBySlot(model.table, now), {},
                                         folderSelection};
  }
  model.search->typed = typed;
  model.search->found = model.search->index->Find(typed, model.search->useBySlot);
}

void TableChanged(LauncherModel& model, std::int64_t now) {
  ++model.revision;
  if (!model.search) return;
  model.search->index = CurrentIndex(model);
  model.search->useBySlot = model.scores.ScoresBySlot(model.table, now);
  model.search->found = model.search->index->Find(model.search->typed, model.search->useBySlot);
}

}  // namespace kov
