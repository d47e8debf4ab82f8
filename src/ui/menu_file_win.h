// The menu's settings file over a run of the window: loading it at start-up and telling
// the user what was found; saving every change within a second, off the window's
// thread, and at close; keeping the menu the session found as a backup; and noticing
// when another program changes the file. A file that could not be read is never
// written over unless the user agrees.
#pragma once

#include <windows.h>

#include <optional>

#include "store/entry_table.h"
#include "store/known_file.h"
#include "store/settings_file.h"
#include "ui/status_line_win.h"
#include "util/background_work_win.h"

namespace kov {

class MenuFile {
 public:
  // Starts reading the file at once: a large menu on a thread of its own, so that it is
  // read while the window is being made. The reading calls only kernel32: the libraries
  // loaded on first use are loaded by the window's thread alone.
  explicit MenuFile(Text path);

  const Text& Path() const { return path_; }

  // Fills the empty table with the menu read from the file, waiting for the reading if it
  // has not finished; the built-in folder when there is no menu.
  void Load(EntryTable& table);
  // Tells the user what start-up found, when there is something to tell: a file larger
  // than the table, a menu recovered from an interrupted save, or a file that could not
  // be read, for which the newest backup is offered. True when the table was replaced
  // by that backup.
  bool ReportLoad(HWND owner, EntryTable& table);

  // From now on changes are saved as they come and the file is watched, with timers of
  // owner whose WM_TIMER the window hands to OnTimer; status tells of failed saves.
  void Attach(HWND owner, StatusLine& status);
  // The menu changed: it is saved within a second, together with the changes that follow.
  void Changed();
  // A timer of the file's: a save is started or finished, or the file is looked at. A
  // menu that another program wrote into the file, which the window is to show instead.
  std::optional<EntryTable> OnTimer(UINT_PTR timer, const EntryTable& table);

  // True when the window may close: the menu was saved, or there was nothing to save
  // over an unreadable file, or the user chose to leave without saving after being told.
  bool SaveOrAskToLeave(HWND owner, const EntryTable& table);
  // Saves while Windows asks whether the session may end; a menu that cannot be saved
  // holds the end with a reason the user sees. The answer for WM_QUERYENDSESSION.
  BOOL SaveBeforeSessionEnd(HWND owner, const EntryTable& table);

 private:
  struct ReadMenu {
    EntryTable table;
    LoadReport report;
    KnownFile known;
  };
  struct SaveResult {
    ReplaceOutcome outcome = ReplaceOutcome::Failed;
    bool replacedKept = false;  // the file it replaced went to the backups
    KnownFile written;          // the file as the save wrote it
  };
  static ReadMenu Read(const Text& path);
  static SaveResult Write(const Text& path, const EntryTable& menu, bool keepReplaced, const KnownFile& expected);

  bool WasUnreadable() const { return report_.source == MenuSource::Unreadable; }
  bool ChangedSinceStart(const EntryTable& table) const;
  void StartSave(const EntryTable& table);
  void FinishSave();
  void Saved(const SaveResult& result);
  [[nodiscard]] ReplaceOutcome SaveNow(const EntryTable& table);
  // How a look meets a file whose stamp is known but whose contents must be compared.
  enum class ContentLook { OnAThread, AtOnce };
  std::optional<EntryTable> LookForOutsideChange(const EntryTable& table, ContentLook contentLook);
  bool CheckedContentsDiffer(FileTime now);
  std::optional<EntryTable> ChooseBetween(EntryTable fileMenu, const EntryTable& table);
  void BecameUnreadable(const EntryTable& table, const Text& reason);

  Text path_;
  BackgroundWork<ReadMenu> reading_;
  LoadReport report_;
  // The menu as start-up showed it, kept only when the file could not be read.
  Text menuAtStart_;

  HWND owner_ = nullptr;
  StatusLine* status_ = nullptr;
  std::optional<BackgroundWork<SaveResult>> saving_;
  std::optional<BackgroundWork<KnownFile>> checking_;  // the file's contents being hashed
  bool unsaved_ = false;         // changed since the last save began
  bool saveScheduled_ = false;   // the save timer runs
  bool lastSaveFailed_ = false;  // the file lacks changes the window holds
  bool failureTold_ = false;     // the status bar said that saving fails
  bool replacedKept_ = false;    // this session's first changing save kept the file it replaced
  bool asking_ = false;          // a question about the file is open
  KnownFile known_;              // the file as Kovrant last read or wrote it
  bool contentsUnseen_ = false;  // the file was there at start but could not be read
};

}  // namespace kov
