#include "ui/clipboard_commands_win.h"

#include <algorithm>

#include "store/file_system.h"
#include "ui/adding_win.h"
#include "ui/arrange.h"
#include "ui/menu_change_win.h"
#include "ui/path_text.h"
#include "ui/search_win.h"
#include "util/clipboard_win.h"
#include "util/utf8.h"

namespace kov {

namespace {

bool CutIsOnClipboard(const LauncherModel& model) {
  return model.cut && model.cut->clipboardMark == ClipboardSequence();
}

void ForgetCut(const LauncherParts& parts) {
  parts.model.cut.reset();
  parts.view.MarkCut({});
}

Text CountOrCaption(const std::vector<int>& slots, const EntryTable& table) {
  return slots.size() == 1 ? Quoted(ReadEntry(table.Slot(slots.front())).caption)
                           : IntText(static_cast<int>(slots.size())) + " items";
}

// The name of the folder on show, as a move into it names it; "" at the top.
Text FolderName(const Text& folder) {
  if (folder.empty()) return Text();
  const Text parent = ParentFolder(folder);
  return folder.substr(parent.size(), folder.size() - parent.size() - 1);
}

// After the selected icon when it is not among those moved, else at the folder's end:
// the slot of the icon the moved ones go before, 0 for the end.
int PasteBefore(const FolderView& view, const std::vector<int>& moving) {
  const int selected = view.SelectedIndex();
  if (selected < 0 || std::find(moving.begin(), moving.end(), view.SlotOf(selected)) != moving.end()) return 0;
  return selected + 1 < view.Count() ? view.SlotOf(selected + 1) : 0;
}

void PasteCut(const LauncherParts& parts) {
  LauncherModel& model = parts.model;
  const std::vector<int> slots = CutSlots(model.table, *model.cut);
  if (slots.empty()) {
    ForgetCut(parts);
    return parts.view.Say("The items cut are no longer in the menu as they were: nothing was moved.");
  }
  const Text& folder = model.currentFolder;
  const Text prefix = FolderPrefix(folder);
  if (std::all_of(slots.begin(), slots.end(),
                  [&](int slot) { return StartsWithIgnoringCase(model.table.Slot(slot), prefix); })) {
    return parts.view.Say("The items cut are in this folder already: open another folder to paste them into.");
  }
  const StepPlace from{ReadEntry(model.table.Slot(slots.front())).folder, slots.front()};
  EntriesMove move;
  const auto change = [&]() -> StepNote {
    move = MoveEntries(model.table, slots, folder, PasteBefore(parts.view, slots), model.dirs);
    if (move.outcome != MoveOutcome::Moved) return {};
    StepWords words{StepKind::MovedInto, Text(), FolderName(folder)};
    words.Of(static_cast<int>(move.slots.size()));
    words.caption = ReadEntry(model.table.Slot(move.slots.front())).caption;
    return {words, from, {folder, move.slots.front()}};
  };
  const auto missing = model.cut->lines.size() - slots.size();
  if (RunChange(parts, change, [&] {
        ForgetCut(parts);
        parts.view.ShowFolder(model);
        parts.view.SelectSlots(move.slots);
      }) &&
      missing > 0) {
    parts.view.SayAlso(missing == 1 ? Text("1 item changed since it was cut and stayed where it was.")
                                    : IntText(static_cast<int>(missing)) +
                                          " items changed since they were cut and stayed where they were.");
  }
  SayMoveRefusal(parts, move);
}

// A line of pasted text that names no file or folder, shortened for the status bar.
Text NotAPath(const Text& line) {
  constexpr std::size_t kShownBytes = 120;
  const Text shown = line.size() > kShownBytes ? CutAtCharacter(line, kShownBytes) + "\u2026" : line;
  return "Nothing was pasted: " + Quoted(shown) + " is not the full path of a file or folder.";
}

void PastePathsOfText(const LauncherParts& parts, const Text& text) {
  const std::vector<Text> paths = PathLines(text);
  if (paths.empty()) return parts.view.Say("Nothing to paste: the clipboard holds no items, files or paths.");
  for (const Text& path : paths) {
    if (!IsFullPath(path) || PathKindOf(path) == PathKind::Missing) return parts.view.Say(NotAPath(path));
  }
  AddPaths(parts, Dropped{paths, {}});
}

}  // namespace

void CutSelected(const LauncherParts& parts) {
  if (parts.model.editing) return;
  const std::vector<int> slots = parts.view.SelectedSlots();
  if (slots.empty()) return;
  const std::uint32_t mark = PutCutMarkOnClipboard(parts.window);
  if (mark == 0) return parts.view.Say("The clipboard could not be had: nothing was cut.");
  CutEntries cut{{}, mark};
  for (int slot : slots) cut.lines.emplace_back(parts.model.table.Slot(slot));
  parts.model.cut = std::move(cut);
  parts.view.MarkCut(slots);
  const Text them = slots.size() == 1 ? "it" : "them";
  parts.view.Say("Cut " + CountOrCaption(slots, parts.model.table) + ": open another folder and press Ctrl+V to move " +
                 them + " there.");
}

void PasteHere(const LauncherParts& parts) {
  if (parts.model.editing) return;
  if (CutIsOnClipboard(parts.model)) {
    EndSearch(parts);
    parts.searchField.Clear();
    return PasteCut(parts);
  }
  ForgetStaleCut(parts);
  Dropped files;
  if (ReadClipboardFiles(parts.window, [&](HDROP drop) { files = PathsOfDrop(drop); })) return AddPaths(parts, files);
  if (const std::optional<Text> text = ClipboardText(parts.window)) return PastePathsOfText(parts, *text);
  parts.view.Say("Nothing to paste: the clipboard holds no items, files or paths.");
}

void CopySelectedPaths(const LauncherParts& parts) {
  std::vector<Text> paths;
  for (int slot : parts.view.SelectedSlots()) {
    const EntryView entry = ReadEntry(parts.model.table.Slot(slot));
    if (entry.kind != kVirtualFolder) paths.push_back(TargetPath(entry.target, parts.model.dirs));
  }
  if (paths.empty()) {
    if (parts.view.SelectedCount() > 0) parts.view.Say("A virtual folder has no path to copy.");
    return;
  }
  if (!PutTextOnClipboard(parts.window, QuotedPathLines(paths))) {
    return parts.view.Say("The clipboard could not be had: nothing was copied.");
  }
  ForgetStaleCut(parts);
  parts.view.Say(paths.size() == 1 ? "Copied " + Quoted(paths.front()) + "."
                                   : "Copied " + IntText(static_cast<int>(paths.size())) + " paths.");
}

bool CanPaste(const LauncherParts& parts) { return CutIsOnClipboard(parts.model) || ClipboardHoldsFilesOrText(); }

void ClearCutAndSelection(const LauncherParts& parts) {
  ForgetCut(parts);
  parts.view.ClearSelection();
}

void ForgetStaleCut(const LauncherParts& parts) {
  if (parts.model.cut && !CutIsOnClipboard(parts.model)) ForgetCut(parts);
}

}  // namespace kov
