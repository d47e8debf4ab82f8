#include "ui/search_index_win.h"

namespace kov {

void SearchIndexMaker::Start(const LauncherModel& model) {
  if (making_ || (model.index && model.indexRevision == model.revision)) return;
  makingRevision_ = model.revision;
  making_.emplace(
      [table = model.table, revision = model.revision] {
        return Made{std::make_shared<const CaptionIndex>(table), revision};
      },
      true);
}

void SearchIndexMaker::HandOver(LauncherModel& model, bool waitForIt) {
  if (!making_) return;
  const bool current = makingRevision_ == model.revision;
  if (!making_->Done() && !(waitForIt && current)) return;
  Made made = making_->Take();
  making_.reset();
  if (made.revision != model.revision) return;
  model.index = std::move(made.index);
  model.indexRevision = made.revision;
}

}  // namespace kov
