// One running copy per menu, keyed on the settings file's folder as the file system knows
// it, not on the text of its path: a second copy started on the same settings file would
// overwrite the first copy's changes when it closes. The second copy instead brings the
// first one's window to the front and ends.
#pragma once

#include <windows.h>

#include "util/handles_win.h"
#include "util/text.h"

namespace kov {

class SingleInstance {
 public:
  explicit SingleInstance(const Text& settingsFile);
  // True when another copy already runs on this settings file.
  bool AnotherIsRunning() const { return anotherIsRunning_; }
  // Brings the other copy's window to the front, giving a copy still starting a few
  // seconds to show it; when none shows, tells the user that Kovrant already runs for
  // this menu.
  void HandOverToOther() const;
  // Marks a window as the one that shows this settings file.
  void MarkWindow(HWND window) const;
  static void UnmarkWindow(HWND window);

 private:
  bool ActivateOther() const;

  Text settingsFile_;
  unsigned long long key_;
  KernelHandle mutex_;
  bool anotherIsRunning_ = false;
};

}  // namespace kov
