// The menu's settings file over a run of the window: loading it at start-up and telling
// the user what was found, and saving it when the window closes or the session ends,
// without ever writing over a file that could not be read unless the user agrees.
#pragma once

#include <windows.h>

#include "store/entry_table.h"
#include "store/settings_file.h"
#include "util/background_work_win.h"

namespace kov {

class MenuFile {
 public:
  // Starts reading the file at once: a large menu on a thread of its own, so that it is
  // read while the window is being made. The reading calls only kernel32: the libraries
  // loaded on first use are loaded by the window's thread alone.
  explicit MenuFile(Text path);

  // Fills the empty table with the menu read from the file, waiting for the reading if it
  // has not finished; the built-in folder when there is no menu.
  void Load(EntryTable& table);
  // Tells the user what start-up found, when there is something to tell: a file larger
  // than the table, a menu recovered from an interrupted save, or a file that could not
  // be read.
  void ReportLoad(HWND owner, const EntryTable& table) const;

  // True when the window may close: the menu was saved, or there was nothing to save
  // over an unreadable file, or the user chose to leave without saving after being told.
  bool SaveOrAskToLeave(HWND owner, const EntryTable& table) const;
  // Saves while Windows asks whether the session may end; a menu that cannot be saved
  // holds the end with a reason the user sees. The answer for WM_QUERYENDSESSION.
  BOOL SaveBeforeSessionEnd(HWND owner, const EntryTable& table) const;

 private:
  bool WasUnreadable() const { return report_.source == MenuSource::Unreadable; }
  bool ChangedSinceStart(const EntryTable& table) const;

  struct ReadMenu {
    EntryTable table;
    LoadReport report;
  };
  static ReadMenu Read(const Text& path);

  Text path_;
  BackgroundWork<ReadMenu> reading_;
  LoadReport report_;
  // The menu as start-up showed it, kept only when the file could not be read.
  Text menuAtStart_;
};

}  // namespace kov
