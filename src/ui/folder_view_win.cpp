// The folder view of Form1: drawing the current folder from the table, finding the
// entry behind the selected icon, and the navigation commands.
#include <windows.h>
#include <shellapi.h>

#include "app/artwork_win.h"
#include "app/form1_win.h"
#include "store/file_system.h"
#include "store/launch_win.h"
#include "ui/list_view_win.h"
#include "util/dialogs_win.h"

namespace kov {

void Form1::ShowFolder(const Text& folder) {
  bar_.SetText("  " + folder);
  SendMessageA(lv_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(lv_);
  iml_.Clear();
  std::vector<Text> lines;
  for (int slot : FolderSlots(table_, folder)) lines.push_back(table_.Slot(slot));
  AddIcons(lines);
}

void Form1::AddIcons(const std::vector<Text>& lines) {
  SendMessageA(lv_, WM_SETREDRAW, FALSE, 0);
  int position = ListView_GetItemCount(lv_);
  for (const Text& line : lines) {
    const EntryView entry = ReadEntry(line);
    const Text path = MakeAbsolute(ExpandMacros(entry.target, dirs_), dirs_);
    const PathKind found = entry.kind == kVirtualFolder ? PathKind::Missing : PathKindOf(path);
    if (entry.kind == kVirtualFolder) {
      iml_.AppendCopy(iml1_.get(), kStockVirtualFolder);
    } else if (found == PathKind::Missing || !iml_.AppendShellIcon(path, found == PathKind::Directory)) {
      iml_.AppendCopy(iml1_.get(), kStockMissingTarget);
    }
    InsertIcon(lv_, position, entry.caption, position);
    ++position;
  }
  SendMessageA(lv_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lv_, nullptr, TRUE);
}

int Form1::FindSelected() {
  selected_.slot = 0;
  const int index = SelectedIconIndex(lv_);
  if (index < 0) return 0;
  selected_ = FindEntryByCaption(table_, currentFolder_, IconCaption(lv_, index), dirs_);
  return selected_.slot;
}

void Form1::LVDblClick() {
  if (FindSelected() != 0) {
    if (selected_.kind == kVirtualFolder) {
      currentFolder_ += selected_.target + "\\";
      ShowFolder(currentFolder_);
    } else if (selected_.kind == kDirectory) {
      ShellOpen(MakeAbsolute(selected_.target, dirs_));
    } else if (StartProgram(hwnd(), selected_.target, selected_.parameters, runElevated_ != 0, dirs_) ==
               StartOutcome::TargetMissing) {
      ShowNotice(hwnd(), 2, "File not found");
    }
  }
  runElevated_ = 0;
}

void Form1::LVKeyDown(WORD key) {
  if (editing_ > 0) return;
  if (key == VK_DELETE) DeleteEntry();
  if (key == VK_RETURN) {
    runElevated_ = 0;
    LVDblClick();
  }
  if (key == VK_BACK) BACKClick();
}

void Form1::BACKClick() {
  if (currentFolder_.empty()) return;
  currentFolder_ = ParentFolder(currentFolder_);
  ShowFolder(currentFolder_);
}

}  // namespace kov
