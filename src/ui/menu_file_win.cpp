#include "ui/menu_file_win.h"

#include "store/file_system.h"
#include "util/dialogs_win.h"

namespace kov {

namespace {

// A thread costs its start and its attach to every library the process has loaded (some
// milliseconds under Wine); a menu under a megabyte (some 10,000 entries) is read in less.
constexpr long long kSmallestMenuWorthAThread = 1 << 20;

}  // namespace

MenuFile::MenuFile(Text path)
    : path_(std::move(path)),
      reading_([path = path_] { return Read(path); }, FileSizeOf(path_) >= kSmallestMenuWorthAThread) {}

MenuFile::ReadMenu MenuFile::Read(const Text& path) {
  ReadMenu menu;
  menu.report = LoadEntries(path, menu.table);
  CompactEntries(menu.table);
  SeedDefaults(menu.table);
  return menu;
}

void MenuFile::Load(EntryTable& table) {
  ReadMenu menu = reading_.Take();
  table = std::move(menu.table);
  report_ = std::move(menu.report);
  if (WasUnreadable()) menuAtStart_ = EntryFileText(table);
}

void MenuFile::ReportLoad(HWND owner, const EntryTable& table) const {
  if (!table.Overflow().empty()) {
    ShowNotice(owner, 2,
               "The settings file\r\n" + path_ + "\r\nholds " +
                   IntText(table.Count() + static_cast<std::int64_t>(table.Overflow().size())) +
                   " entries; Kovrant shows the first " + IntText(EntryTable::kCapacity) + ".\r\n\r\nThe other " +
                   IntText(static_cast<std::int64_t>(table.Overflow().size())) +
                   " lines are kept in the file unchanged and are written back when Kovrant closes.");
  }
  if (report_.source == MenuSource::Recovered) {
    ShowNotice(owner, 2,
               "The settings file\r\n" + path_ + "\r\ncould not be found or read, but an interrupted save left the " +
                   "whole menu in\r\n" + TemporaryFileFor(path_) +
                   "\r\n\r\nKovrant shows that menu and writes it to the settings file when it closes.");
  } else if (WasUnreadable()) {
    ShowNotice(owner, 3,
               "Kovrant could not read the settings file\r\n" + path_ + "\r\n\r\n" + report_.reason +
                   "\r\n\r\nAnother program may hold it open. Kovrant shows the built-in menu and leaves the file "
                   "as it is: it is not written when Kovrant closes unless you change the menu and agree.");
  }
}

bool MenuFile::ChangedSinceStart(const EntryTable& table) const { return EntryFileText(table) != menuAtStart_; }

bool MenuFile::SaveOrAskToLeave(HWND owner, const EntryTable& table) const {
  if (WasUnreadable()) {
    if (!ChangedSinceStart(table)) return true;
    const Text question = "Kovrant could not read the settings file\r\n" + path_ +
                          "\r\nwhen it started.\r\n\r\nSave the menu of this session over it? The entries the file "
                          "holds would be replaced.";
    if (ConfirmDialog(owner, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) !=
        kResultYes) {
      return true;
    }
  }
  if (SaveEntries(path_, table)) return true;
  const Text question = "Kovrant could not save the menu to\r\n" + path_ +
                        "\r\n\r\nThe drive may be full, write-protected or the file locked. The file was left "
                        "as it was.\r\n\r\nClose anyway and lose the changes of this session?";
  return ConfirmDialog(owner, "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) ==
         kResultYes;
}

BOOL MenuFile::SaveBeforeSessionEnd(HWND owner, const EntryTable& table) const {
  // Nobody can be asked now whether an unreadable file may be replaced: it is kept.
  if (WasUnreadable() || SaveEntries(path_, table)) return TRUE;
  ShutdownBlockReasonCreate(owner, L"Kovrant could not save the menu. Close Kovrant to keep your changes.");
  return FALSE;
}

}  // namespace kov
