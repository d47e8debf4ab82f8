#include "ui/kept_state_win.h"

#include "store/file_system.h"
#include "store/targets.h"

namespace kov {

namespace {

// As for the menu: a thread pays only for a file of a megabyte or more (some 15,000
// use scores).
constexpr long long kSmallestStateWorthAThread = 1 << 20;
// The use lines are read while the window is made and shown, which a thread pays for
// from a few hundred of them on.
constexpr std::size_t kSmallestUsesWorthAThread = 1 << 14;

}  // namespace

KeptState::KeptState(const Text& settingsPath)
    : path_(StatePathFor(settingsPath)),
      reading_([path = path_] { return ReadFile(path); }, FileSizeOf(path_) >= kSmallestStateWorthAThread) {}

KeptState::Read KeptState::ReadFile(const Text& path) {
  FileRead file = ReadWholeFile(path);
  if (file.status == ReadStatus::Unreadable) return {StateFile{}, Text(), file.reason, file.problem};
  Read read{ReadStateItems(file.bytes), std::move(file.bytes), Text(), ReadProblem::None};
  return read;
}

StateFile& KeptState::State() {
  if (!read_) read_ = reading_.Take();
  return read_->state;
}

void KeptState::StartReadingUses() {
  if (readingUses_) return;
  State();
  const std::string_view text = read_->text;
  readingUses_.emplace([text] { return ReadStateUses(text); }, text.size() >= kSmallestUsesWorthAThread);
}

bool KeptState::UsesReady() const { return readingUses_ && readingUses_->Done(); }

StateFile& KeptState::WithUses() {
  StartReadingUses();
  StateFile& state = State();
  if (usesRead_) return state;
  usesRead_ = true;
  AddStateUses(state, readingUses_->Take());
  return state;
}

UseScores KeptState::TakeUses() {
  usesTaken_ = true;
  return std::move(WithUses().scores);
}

Text KeptState::Problems() {
  WithUses();
  const Text name = FileNamePart(path_);
  if (!read_->failure.empty()) return UnreadableStateNotice(name, read_->failure, read_->problem);
  const std::vector<Text>& problems = read_->state.problems;
  if (problems.empty()) return Text();
  // One message for all: the first line that could not be read names what to mend.
  Text told = name + " " + problems.front();
  if (problems.size() > 1) told += " (and " + IntText(static_cast<std::int64_t>(problems.size() - 1)) + " more)";
  return told;
}

void KeptState::Save(const UseScores& scores, const std::optional<WindowPlace>& place, int iconSize) {
  StateFile& state = WithUses();
  // A file that could not be read is not replaced by what little is known without it.
  if (!read_->failure.empty()) return;
  // Scores given before the file's were taken cannot hold them: the file's stay.
  if (usesTaken_) state.scores = scores;
  if (place) state.place = place;
  state.iconSize = iconSize;
  const Text text = StateFileText(state);
  if (text == read_->text) return;
  if (ReplaceFileKeepingAttributes(path_, text)) read_->text = text;
}

}  // namespace kov
