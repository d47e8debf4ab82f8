#include "ui/adding_win.h"

#include <shlobj.h>

#include "store/file_system.h"
#include "ui/adding.h"
#include "ui/menu_change_win.h"
#include "ui/relink_win.h"
#include "ui/search_win.h"
#include "util/dialogs_win.h"
#include "util/wide_text_win.h"

#include <algorithm>
#include <vector>

namespace kov {

namespace {

// The dropped path at index, at whatever length it has, as the system names it.
std::wstring DroppedPath(HDROP drop, UINT index) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  if (length == 0) return std::wstring();
  std::wstring path(length + 1, L'\0');
  const UINT copied = DragQueryFileW(drop, index, path.data(), length + 1);
  path.resize(std::min(copied, length));
  return path;
}

EntryKind KindOfPath(const Text& path) { return PathKindOf(path) == PathKind::Directory ? kDirectory : kProgram; }

// The paths of a drop in the legacy 8-bit form; nothing for a drop in UTF-16, which
// the shell sends and DragQueryFileW reads.
std::optional<std::vector<Text>> LegacyFormPaths(HDROP drop) {
  const auto* header = static_cast<const DROPFILES*>(GlobalLock(drop));
  if (!header) return std::nullopt;
  std::optional<std::vector<Text>> paths;
  const SIZE_T size = GlobalSize(drop);
  if (!header->fWide && header->pFiles < size) {
    const char* list = reinterpret_cast<const char*>(header) + header->pFiles;
    paths = LegacyDropPaths(std::string_view(list, size - header->pFiles));
  }
  GlobalUnlock(drop);
  return paths;
}

}  // namespace

Dropped PathsOfDrop(HDROP drop) {
  if (std::optional<std::vector<Text>> legacy = LegacyFormPaths(drop)) return {std::move(*legacy), {}};
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  Dropped result;
  for (UINT index = 0; index < count; ++index) {
    const std::wstring wide = DroppedPath(drop, index);
    if (wide.empty()) continue;
    if (std::optional<Text> path = ExactProcessText(wide)) {
      result.paths.push_back(std::move(*path));
    } else {
      result.refusedNames.push_back(ShownProcessText(wide));
    }
  }
  return result;
}

namespace {

Text RefusedNamesNotice(const std::vector<Text>& names) {
  Text notice = "Kovrant cannot add these items: this Windows cannot pass their names to programs unchanged.\r\n";
  for (const Text& name : names) notice += "\r\n" + name;
  return notice + "\r\n\r\nRename them, or use Kovrant on Windows 10 version 1903 or later.";
}

Text AlreadyThere(int skipped) {
  return skipped == 1 ? Text("1 item is already in this folder and was not added again.")
                      : IntText(skipped) + " items are already in this folder and were not added again.";
}

Text TableFullNotice(int refused) {
  return "The menu is full: it holds " + IntText(EntryTable::kCapacity) + " entries.\r\n\r\n" +
         (refused == 1 ? Text("1 item was") : IntText(refused) + " items were") +
         " not added. Delete entries you no longer need to make room.";
}

// What an addition did, in the status bar's words.
StepWords AdditionWords(const std::vector<NewEntry>& entries, const AddResult& result) {
  if (entries.size() == 1 && entries.front().kind == kVirtualFolder)
    return StepWords{StepKind::NewFolder, entries.front().text};
  const auto count = static_cast<int>(result.lines.size());
  return StepWords{StepKind::Added, count == 1 ? ReadEntry(result.lines.front()).caption : Text(), Text(), count};
}

// Adds the entries to the current folder and shows their icons in one update of the
// view, the first of them selected; the number refused because the table is full.
// Entries the folder already holds are skipped, and the status bar says so.
int AddToFolder(const LauncherParts& parts, const std::vector<NewEntry>& entries) {
  LauncherModel& model = parts.model;
  AddResult result;
  int firstAdded = 0;  // the slot of the first line added: they are the table's last ones
  const auto change = [&] {
    result = AddEntriesToTable(model.table, model.currentFolder, entries, model.dirs);
    firstAdded = model.table.Count() - static_cast<int>(result.lines.size()) + 1;
    return StepNote{AdditionWords(entries, result), {model.currentFolder, 0}, {model.currentFolder, firstAdded}};
  };
  RunChange(parts, change, [&] {
    const int first = parts.view.Count();
    parts.view.AppendIcons(model.table, firstAdded, model.dirs);
    parts.view.SelectAndFocus(first);
  });
  const auto skipped = static_cast<int>(entries.size() - result.lines.size()) - result.refused;
  if (skipped > 0) parts.view.SayAlso(AlreadyThere(skipped));
  return result.refused;
}

// The icon a drop landed on; -1 when it landed elsewhere.
int IconDroppedOn(const LauncherParts& parts, HDROP drop) {
  POINT point{};
  DragQueryPoint(drop, &point);
  MapWindowPoints(parts.window, parts.view.hwnd(), &point, 1);
  return parts.view.IconAtPoint(point);
}

}  // namespace

void AddDroppedFiles(const LauncherParts& parts, HDROP drop) {
  if (IsIconic(parts.window)) ShowWindow(parts.window, SW_RESTORE);
  const int iconUnderDrop = IconDroppedOn(parts, drop);
  // Released before anything is added or shown.
  const Dropped dropped = PathsOfDrop(DropHandle(drop).get());
  if (OfferRelink(parts, iconUnderDrop, dropped.paths)) return;
  const EntryView underDrop = parts.view.EntryAt(iconUnderDrop);
  AddPaths(parts, dropped);
  if (underDrop.kind == kVirtualFolder) {
    parts.view.SayAlso("Dropped items go into the open folder, not into " + Quoted(underDrop.caption) + ".");
  }
}

void AddPaths(const LauncherParts& parts, const Dropped& dropped) {
  // What is added goes into the folder on show, never among found entries.
  EndSearch(parts);
  parts.searchField.Clear();
  std::vector<NewEntry> entries;
  for (const Text& path : dropped.paths) entries.push_back({path, KindOfPath(path)});
  const int refused = AddToFolder(parts, entries);
  if (!dropped.refusedNames.empty()) ShowNotice(parts.window, kNoticeWarning, RefusedNamesNotice(dropped.refusedNames));
  if (refused > 0) ShowNotice(parts.window, kNoticeWarning, TableFullNotice(refused));
}

void AddNewFolder(const LauncherParts& parts) {
  Text typed;
  if (!InputWithHistory(parts.window, "New Folder", "", typed)) return;
  const Text name = CleanEntryName(typed);
  if (name.empty()) {
    ShowNotice(parts.window, kNoticeWarning, "A folder needs a name. No folder was added.");
  } else if (!IsValidFolderName(name)) {
    ShowNotice(parts.window, kNoticeWarning, "A folder name cannot contain \"\\\". No folder was added.");
  } else if (AddToFolder(parts, {{name, kVirtualFolder}}) > 0) {
    ShowNotice(parts.window, kNoticeWarning, TableFullNotice(1));
  }
}

}  // namespace kov
