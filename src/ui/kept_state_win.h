// The state file over a run of the window: read at start-up (a large one on a thread of
// its own while the window is made), its use lines on a thread of their own once the
// window is on screen, written at close with the same crash-safe save as the menu,
// and only when it changed. It is never needed: a missing, unreadable or
// damaged state file costs at most what it held, and one message in the status bar.
#pragma once

#include "store/state_file.h"
#include "util/background_work_win.h"

namespace kov {

class KeptState {
 public:
  // Starts reading the state file beside the settings file at settingsPath.
  explicit KeptState(const Text& settingsPath);

  // What the file holds but the use scores; waits for the reading the first time.
  StateFile& State();
  // Starts reading the use lines on a thread of their own, once.
  void StartReadingUses();
  // True once they have been read, without waiting.
  bool UsesReady() const;
  // The use scores the file holds, once: waits for their reading, started if it was not.
  UseScores TakeUses();
  // What to tell the user of a file that could not be read, or of its damaged lines;
  // "" when there is nothing to tell. Waits for the use lines.
  Text Problems();

  // Writes the state with these scores (once the file's were taken), this place and this
  // icon size, when it differs from what the file holds. A file that cannot be written is
  // left as it was.
  void Save(const UseScores& scores, const std::optional<WindowPlace>& place, int iconSize);

 private:
  struct Read {
    StateFile state;
    Text text;     // the file as read, to tell whether a save changes it
    Text failure;  // why it could not be read
    ReadProblem problem = ReadProblem::None;
  };
  static Read ReadFile(const Text& path);
  // The use lines read into the state.
  StateFile& WithUses();

  Text path_;
  BackgroundWork<Read> reading_;
  std::optional<Read> read_;
  // Reads the text read_ holds, so it goes first.
  std::optional<BackgroundWork<StateFile>> readingUses_;
  bool usesRead_ = false;
  bool usesTaken_ = false;
};

}  // namespace kov
