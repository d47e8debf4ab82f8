#include "ui/menu_file_win.h"

#include "store/backups.h"
#include "store/file_system.h"
#include "store/load_notice.h"
#include "store/targets.h"
#include "util/dialogs_win.h"

namespace kov {

namespace {

// A thread costs its start and its attach to every library the process has loaded (some
// milliseconds under Wine); a menu under a megabyte (some 10,000 entries) is read in less.
constexpr long long kSmallestMenuWorthAThread = 1 << 20;

// Changes are saved together half a second after the first of them, so a crash loses
// at most the last second; the file is looked at, and a save on its way looked after,
// twice a second, so another program's change is seen well within two seconds.
constexpr UINT_PTR kSaveTimer = 0x5AFE;
constexpr UINT kSaveDelayMilliseconds = 500;
constexpr UINT_PTR kWatchTimer = 0x5AFF;
constexpr UINT kWatchMilliseconds = 500;
// At close, a save that meets another program's write asks about it and tries again, a
// few times before it gives up.
constexpr int kSaveAttemptsAtClose = 3;

// The menu in a settings file's bytes, as start-up shows it.
EntryTable MenuOf(Text bytes) {
  EntryTable table;
  LoadEntryText(SettingsTextAsUtf8(std::move(bytes)), table);
  CompactEntries(table);
  SeedDefaults(table);
  return table;
}

// The file's stamp and its contents' hash, verified from now; no file when it cannot be
// read. Only kernel32: it runs on a thread.
KnownFile FileAsItIs(const Text& path, FileTime now) {
  const FileStamp stamp = FileStampOf(path);
  const FileRead read = ReadWholeFile(path);
  if (read.status != ReadStatus::Read) return {};
  return {stamp, ContentHash(read.bytes), now};
}

}  // namespace

MenuFile::MenuFile(Text path)
    : path_(std::move(path)),
      reading_([path = path_] { return Read(path); }, FileSizeOf(path_) >= kSmallestMenuWorthAThread) {}

MenuFile::ReadMenu MenuFile::Read(const Text& path) {
  ReadMenu menu;
  // Taken before the reading: a write that comes during it is seen at the first check.
  menu.known.verifiedAt = FileClockNow();
  menu.known.stamp = FileStampOf(path);
  // Before the load, which removes what a save left behind once the file reads.
  KeepSetAsideEdit(path, CurrentLocalTime());
  menu.report = LoadEntries(path, menu.table);
  menu.known.hash = menu.report.fileHash;
  CompactEntries(menu.table);
  SeedDefaults(menu.table);
  return menu;
}

void MenuFile::Load(EntryTable& table) {
  ReadMenu menu = reading_.Take();
  table = std::move(menu.table);
  report_ = std::move(menu.report);
  known_ = menu.known;
  contentsUnseen_ = known_.stamp.exists && report_.source != MenuSource::File;
  if (WasUnreadable()) menuAtStart_ = EntryFileText(table);
}

bool MenuFile::ReportLoad(HWND owner, EntryTable& table) {
  if (!table.Overflow().empty()) {
    ShowNotice(owner, kNoticeWarning,
               "The settings file\r\n" + path_ + "\r\nholds " +
                   IntText(table.Count() + static_cast<std::int64_t>(table.Overflow().size())) +
                   " entries; Kovrant shows the first " + IntText(EntryTable::kCapacity) + ".\r\n\r\nThe other " +
                   IntText(static_cast<std::int64_t>(table.Overflow().size())) +
                   " lines are kept in the file unchanged and are written back when Kovrant closes.");
  }
  const Text notice = LoadNoticeText(path_, report_);
  if (notice.empty()) return false;
  const Text backup = WasUnreadable() ? NewestBackup(path_, CurrentLocalTime()) : Text();
  if (backup.empty()) {
    ShowNotice(owner, WasUnreadable() ? kNoticeError : kNoticeWarning, notice);
    return false;
  }
  const Text question = notice + "\r\n\r\n" + NewestBackupQuestion(path_, backup);
  if (ConfirmDialog(owner, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) !=
      kResultYes) {
    return false;
  }
  FileRead read = ReadWholeFile(backup);
  if (read.status != ReadStatus::Read) {
    ShowNotice(owner, kNoticeError, "Kovrant could not read the backup\r\n" + backup + "\r\n\r\n" + read.reason);
    return false;
  }
  // The backup is the menu from now on: it is saved as any menu is.
  table = MenuOf(std::move(read.bytes));
  report_ = {MenuSource::File, {}};
  return true;
}

void MenuFile::Attach(HWND owner, StatusLine& status) {
  owner_ = owner;
  status_ = &status;
  SetTimer(owner_, kWatchTimer, kWatchMilliseconds, nullptr);
}

void MenuFile::Changed() {
  unsaved_ = true;
  // The countdown runs from the first of the changes that follow one another.
  if (!owner_ || saveScheduled_) return;
  saveScheduled_ = true;
  SetTimer(owner_, kSaveTimer, kSaveDelayMilliseconds, nullptr);
}

std::optional<EntryTable> MenuFile::OnTimer(UINT_PTR timer, const EntryTable& table) {
  if (timer == kSaveTimer) {
    KillTimer(owner_, kSaveTimer);
    saveScheduled_ = false;
  } else if (timer != kWatchTimer) {
    return std::nullopt;
  }
  if (asking_) return std::nullopt;
  if (saving_ && saving_->Done()) FinishSave();
  // The file is looked at only between saves: a save on its way changes it. Changes
  // made meanwhile are saved once it is done.
  if (saving_) return std::nullopt;
  // Another program's change is looked for before each save, so that none writes over it.
  if (std::optional<EntryTable> fileMenu = LookForOutsideChange(table, ContentLook::OnAThread)) return fileMenu;
  if (unsaved_ && !saveScheduled_) StartSave(table);
  return std::nullopt;
}

MenuFile::SaveResult MenuFile::Write(const Text& path, const EntryTable& menu, bool keepReplaced,
                                     const KnownFile& expected) {
  SaveResult result;
  const Text fileText = EntryFileText(menu);
  if (keepReplaced) {
    // The menu the session found goes to the backups before the first save that changes
    // the file; a backup that cannot be written never stops the save.
    const FileRead replaced = ReadWholeFile(path);
    if (replaced.status == ReadStatus::Read && replaced.bytes != fileText) {
      static_cast<void>(KeepBackup(path, replaced.bytes, CurrentLocalTime()));
      result.replacedKept = true;
    }
  }
  const ReplaceResult replace = SaveEntryTextOver(path, fileText, expected);
  result.outcome = replace.outcome;
  // What the file holds is what was written, whatever is read from it later; it holds
  // that from the moment it was stamped on.
  result.written = {replace.written, ContentHash(fileText), replace.written.writeTime};
  return result;
}

void MenuFile::StartSave(const EntryTable& table) {
  // Nothing is saved over a file that could not be read; closing asks.
  if (WasUnreadable()) return;
  unsaved_ = false;
  // The thread writes from a copy: the window goes on changing the menu meanwhile.
  saving_.emplace(
      [path = path_, menu = table, keep = !replacedKept_, known = known_] { return Write(path, menu, keep, known); },
      true);
}

void MenuFile::FinishSave() {
  const SaveResult result = saving_->Take();
  saving_.reset();
  Saved(result);
  if (result.outcome == ReplaceOutcome::Replaced) {
    if (failureTold_) status_->Say("The menu is saved again.");
    failureTold_ = false;
  } else if (result.outcome == ReplaceOutcome::Failed && !failureTold_) {
    failureTold_ = true;
    status_->Say("Kovrant could not save the menu to " + FileNamePart(path_) +
                 ": it tries again at the next change and when it closes.");
  }
}

// What a save, on its thread or at close, leaves Kovrant knowing of the file.
void MenuFile::Saved(const SaveResult& result) {
  replacedKept_ = replacedKept_ || result.replacedKept;
  switch (result.outcome) {
    case ReplaceOutcome::Replaced:
      known_ = result.written;
      lastSaveFailed_ = false;
      break;
    case ReplaceOutcome::Failed:
      lastSaveFailed_ = true;
      break;
    case ReplaceOutcome::FileChanged:
      // Another program wrote the file: the window's changes are still to be saved, and
      // the file's contents are compared at the next look, whatever its stamp says.
      unsaved_ = true;
      known_.verifiedAt = 0;
      break;
  }
}

std::optional<EntryTable> MenuFile::LookForOutsideChange(const EntryTable& table, ContentLook contentLook) {
  const FileTime now = FileClockNow();
  const FileStamp stamp = FileStampOf(path_);
  if (stamp == known_.stamp && !contentsUnseen_) {
    if (!MustCompareContents(known_, now)) return std::nullopt;
    if (contentLook == ContentLook::OnAThread && !CheckedContentsDiffer(now)) return std::nullopt;
  }
  if (!stamp.exists) {
    // The file went: the menu is written again.
    known_ = {};
    Changed();
    return std::nullopt;
  }
  FileRead read = ReadWholeFile(path_);
  if (read.status == ReadStatus::Missing) return std::nullopt;
  if (read.status != ReadStatus::Read) {
    // Looked at again at the next tick: a lock may go without the file changing. A file
    // that kept its stamp and is only held for a moment (a scanner reading it) is not
    // taken for one that went unreadable.
    if (!WasUnreadable() && stamp != known_.stamp) BecameUnreadable(table, read.reason);
    return std::nullopt;
  }
  const KnownFile seen{stamp, ContentHash(read.bytes), now};
  // A file that could not be read at start is the one Kovrant knows while its stamp
  // stays: its contents are learnt now.
  const bool sameContents =
      known_.stamp.exists && (seen.hash == known_.hash || (contentsUnseen_ && stamp == known_.stamp));
  known_ = seen;
  contentsUnseen_ = false;
  if (sameContents && !WasUnreadable()) return std::nullopt;
  EntryTable fileMenu = MenuOf(std::move(read.bytes));
  const bool holdsChanges = unsaved_ || lastSaveFailed_ || (WasUnreadable() && ChangedSinceStart(table));
  report_ = {MenuSource::File, {}};
  if (EntryFileText(fileMenu) == EntryFileText(table)) return std::nullopt;
  if (!holdsChanges) return fileMenu;
  return ChooseBetween(std::move(fileMenu), table);
}

// A large file's contents are hashed on a thread, so that the window is not held while
// its write time is too recent to trust; the answer is taken at a later look. True once
// they were found other than the known ones, or the file could not be read: the look
// then reads the file itself.
bool MenuFile::CheckedContentsDiffer(FileTime now) {
  if (!checking_) {
    checking_.emplace([path = path_, now] { return FileAsItIs(path, now); },
                      known_.stamp.size >= kSmallestMenuWorthAThread);
  }
  if (!checking_->Done()) return false;
  const KnownFile seen = checking_->Take();
  checking_.reset();
  if (seen.stamp != known_.stamp || seen.hash != known_.hash) return true;
  known_.verifiedAt = seen.verifiedAt;
  return false;
}

// Both menus hold changes the other lacks: the one the user keeps is shown and saved,
// the other goes to the backups.
std::optional<EntryTable> MenuFile::ChooseBetween(EntryTable fileMenu, const EntryTable& table) {
  const Text question = "Another program changed the settings file\r\n" + path_ +
                        "\r\nwhile this window holds changes that are not saved yet.\r\n\r\nYes: show the menu of the "
                        "file.\r\nNo: keep the menu of this window and save it.\r\n\r\nThe other menu is kept in\r\n" +
                        BackupFolderFor(path_);
  asking_ = true;
  const bool takeFile = ConfirmDialog(owner_, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo,
                                      kResultYes) == kResultYes;
  asking_ = false;
  const Text setAside = takeFile ? EntryFileText(table) : EntryFileText(fileMenu);
  static_cast<void>(KeepBackup(path_, setAside, CurrentLocalTime()));
  if (!takeFile) {
    unsaved_ = false;
    Changed();
    return std::nullopt;
  }
  unsaved_ = false;
  lastSaveFailed_ = false;
  saveScheduled_ = false;
  KillTimer(owner_, kSaveTimer);
  return fileMenu;
}

void MenuFile::BecameUnreadable(const EntryTable& table, const Text& reason) {
  report_ = {MenuSource::Unreadable, reason};
  menuAtStart_ = EntryFileText(table);
  status_->Say("Kovrant cannot read the menu's file any more (" + reason +
               "). It keeps your menu and saves nothing until it can read the file again.");
}

bool MenuFile::ChangedSinceStart(const EntryTable& table) const { return EntryFileText(table) != menuAtStart_; }

ReplaceOutcome MenuFile::SaveNow(const EntryTable& table) {
  if (saving_) FinishSave();
  KillTimer(owner_, kSaveTimer);
  saveScheduled_ = false;
  unsaved_ = false;
  const SaveResult result = Write(path_, table, !replacedKept_, known_);
  Saved(result);
  unsaved_ = result.outcome != ReplaceOutcome::Replaced;
  return result.outcome;
}

bool MenuFile::SaveOrAskToLeave(HWND owner, const EntryTable& table) {
  if (saving_) FinishSave();
  // A change another program made just now is not written over: the window either takes
  // it, and has nothing to save, or keeps its own menu and saves it below.
  if (owner_ && !WasUnreadable() && LookForOutsideChange(table, ContentLook::AtOnce)) return true;
  if (WasUnreadable()) {
    if (!ChangedSinceStart(table) && !unsaved_) return true;
    const Text question = "Kovrant could not read the settings file\r\n" + path_ +
                          "\r\nwhen it started.\r\n\r\nSave the menu of this session over it? The entries the file "
                          "holds would be replaced.";
    if (ConfirmDialog(owner, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) !=
        kResultYes) {
      return true;
    }
  }
  ReplaceOutcome outcome = SaveNow(table);
  // A change that came while saving is met the same way.
  for (int attempt = 1; attempt < kSaveAttemptsAtClose && outcome == ReplaceOutcome::FileChanged; ++attempt) {
    if (owner_ && LookForOutsideChange(table, ContentLook::AtOnce)) return true;
    outcome = SaveNow(table);
  }
  if (outcome == ReplaceOutcome::Replaced) return true;
  const Text question = "Kovrant could not save the menu to\r\n" + path_ +
                        "\r\n\r\nThe drive may be full, write-protected or the file locked. The file was left "
                        "as it was.\r\n\r\nClose anyway and lose the changes of this session?";
  return ConfirmDialog(owner, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) ==
         kResultYes;
}

BOOL MenuFile::SaveBeforeSessionEnd(HWND owner, const EntryTable& table) {
  // Nobody can be asked now whether an unreadable file may be replaced: it is kept.
  if (WasUnreadable()) return TRUE;
  const ReplaceOutcome outcome = SaveNow(table);
  if (outcome == ReplaceOutcome::Replaced) return TRUE;
  // Nor which of two menus to keep: another program's file stays, the window's menu goes
  // to the backups.
  if (outcome == ReplaceOutcome::FileChanged && KeepBackup(path_, EntryFileText(table), CurrentLocalTime())) {
    return TRUE;
  }
  ShutdownBlockReasonCreate(owner, L"Kovrant could not save the menu. Close Kovrant to keep your changes.");
  return FALSE;
}

}  // namespace kov
