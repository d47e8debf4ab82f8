// The captions' index made ahead, on a thread of its own, so that the first keystroke of
// a search in a large menu need not wait for it: made after start-up and again after
// each change of the table, from a copy of the table.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "ui/launcher_model.h"
#include "util/background_work_win.h"

namespace kov {

class SearchIndexMaker {
 public:
  // Starts making the index of the model's table unless the model has it already or it
  // is being made.
  void Start(const LauncherModel& model);
  // Hands a finished index to the model while it is still the index of its table;
  // waitForIt waits for one being made of the table as it stands.
  void HandOver(LauncherModel& model, bool waitForIt);

 private:
  struct Made {
    std::shared_ptr<const CaptionIndex> index;
    std::uint64_t revision = 0;
  };
  std::optional<BackgroundWork<Made>> making_;
  std::uint64_t makingRevision_ = 0;
};

}  // namespace kov
