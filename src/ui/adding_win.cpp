// Adding entries to Form1: files dropped from the shell and new virtual folders.
#include "app/form1_win.h"
#include "store/file_system.h"
#include "ui/adding.h"
#include "util/dialogs_win.h"

#include <algorithm>
#include <vector>

namespace kov {

namespace {

// The dropped path at index, at whatever length it has.
Text DroppedPath(HDROP drop, UINT index) {
  const UINT length = DragQueryFileA(drop, index, nullptr, 0);
  if (length == 0) return Text();
  Text path(length + 1, '\0');
  const UINT copied = DragQueryFileA(drop, index, path.data(), length + 1);
  path.resize(std::min(copied, length));
  return path;
}

EntryKind KindOfPath(const Text& path) {
  return PathKindOf(path) == PathKind::Directory ? kDirectory : kProgram;
}

// The dropped paths in drop order. The drop is released here, before anything is added
// or shown, whatever happens afterwards.
std::vector<Text> DroppedPaths(HDROP drop) {
  const DropHandle dropped(drop);
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<Text> paths;
  for (UINT index = 0; index < count; ++index) {
    Text path = DroppedPath(drop, index);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}

Text TableFullNotice(int refused) {
  return "The menu is full: it holds " + IntText(EntryTable::kCapacity) + " entries.\r\n\r\n" +
         (refused == 1 ? Text("1 item was") : IntText(refused) + " items were") +
         " not added. Delete entries you no longer need to make room.";
}

}  // namespace

bool Form1::AddEntry(const Text& text, int mode) {
  const NewEntry entry{text, mode == 1 ? KindOfPath(text) : kVirtualFolder};
  const AddResult result = AddEntryToTable(table_, currentFolder_, entry, dirs_);
  if (result.outcome == AddOutcome::Added) AddIcons({result.line});
  return result.outcome != AddOutcome::TableFull;
}

void Form1::OnDropFiles(HDROP drop) {
  if (IsIconic(hwnd())) ShowWindow(hwnd(), SW_RESTORE);
  int refused = 0;
  for (const Text& path : DroppedPaths(drop)) {
    if (!AddEntry(path, 1)) ++refused;
  }
  if (refused > 0) ShowNotice(hwnd(), 2, TableFullNotice(refused));
}

void Form1::NEW_FOLDERClick() {
  Text typed;
  if (!InputWithHistory(hwnd(), "New Folder", "", typed)) return;
  const Text name = CleanEntryName(typed);
  if (name.empty()) {
    ShowNotice(hwnd(), 2, "A folder needs a name. No folder was added.");
  } else if (!IsValidFolderName(name)) {
    ShowNotice(hwnd(), 2, "A folder name cannot contain \"\\\". No folder was added.");
  } else if (!AddEntry(name, 0)) {
    ShowNotice(hwnd(), 2, TableFullNotice(1));
  }
}

}  // namespace kov
