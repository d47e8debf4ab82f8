// The status bar below the view: it names the folder on show, and for a few seconds it
// may say instead what just happened (a drop that added nothing, a rename that was
// refused), without a box to dismiss.
#pragma once

#include "util/panel_win.h"
#include "util/text.h"

namespace kov {

class StatusLine : public Panel {
 public:
  // What the view shows (the folder's path, or how many entries a search found); the
  // line returns to it after every message.
  void Show(const Text& lasting);
  // Ends a message being said; the next Keep shows what the view shows.
  void StopSaying();
  // Changes what the line returns to without cutting short a message being said: the
  // selected entry's target beside the folder.
  void Keep(const Text& lasting);
  // Says message until a few seconds have passed or the folder changes.
  void Say(const Text& message);
  // Adds message to the one being said, or says it: two things that happened at once.
  void SayAlso(const Text& message);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  Text folderText_;
  Text message_;
  bool saying_ = false;
};

}  // namespace kov
