// What the window's commands work on, apart from any window: the entry table, the
// directory values of the run, the folder the view shows and the entry behind the
// selected icon.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "store/entry_table.h"
#include "store/use_scores.h"
#include "store/targets.h"
#include "ui/cut_entries.h"
#include "ui/folder_logic.h"
#include "ui/search.h"
#include "ui/undo_history.h"

namespace kov {

struct LauncherModel {
  EntryTable table;
  DirectoryValues dirs;
  // The virtual folder on show: "" at the top, else its path ending in "\".
  Text currentFolder;
  // The entry behind the selected icon, as the last lookup found it.
  SelectedEntry selected;
  // A caption is being edited in place: the view's keys wait until the edit ends.
  bool editing = false;

  // While the user searches, the view shows the entries found in the whole menu instead
  // of the current folder, which it shows again, with its selection, when the search ends.
  struct Search {
    Text typed;
    std::shared_ptr<const CaptionIndex> index;
    std::vector<double> useBySlot;  // the entries' use at useAt, empty when none was used
    std::int64_t useAt = 0;         // when the search started, in seconds since 1970
    std::vector<int> found;         // slots, in the order shown
    int folderSelection = -1;
  };
  std::optional<Search> search;

  // Entries cut and not yet pasted; shown dimmed until then.
  std::optional<CutEntries> cut;

  // How much each entry has been used, which orders what a search finds.
  UseScores scores;

  // Counts the table's changes, so that what is made from the table knows it is stale.
  std::uint64_t revision = 0;
  // The captions' index of the table at indexRevision, made ahead of the first
  // keystroke; a search takes it when it is of the table as it stands.
  std::shared_ptr<const CaptionIndex> index;
  std::uint64_t indexRevision = 0;

  // The session's changes of the menu, to undo and redo.
  UndoHistory history;
};

// Starts a search, or narrows or widens the one going on, for the typed text; a text
// that is empty or blank ends it. The index of captions and the entries' use at now
// (seconds since 1970) are taken when a search starts; CountStart keeps the use current.
void SearchFor(LauncherModel& model, const Text& typed, int folderSelection, std::int64_t now);

// The selected entry was started now: it counts for the order of what a search finds,
// from the next keystroke of the search going on, if any, onwards.
void CountSelectedStart(LauncherModel& model, std::int64_t now);

// The table changed: what was made from it is stale, and a search going on looks up the
// typed text anew in an index built again.
void TableChanged(LauncherModel& model, std::int64_t now);

// Shows the virtual folder named folderName inside the current one.
void EnterFolder(LauncherModel& model, const Text& folderName);

// Goes one level up and returns the name of the folder left, as it stood in the path;
// nothing at the top, where nothing changes.
std::optional<Text> LeaveFolder(LauncherModel& model);

// The position among the icons of folder of the virtual folder entered by childName;
// -1 when none of its icons is that folder.
int FolderIconPosition(const EntryTable& table, const DirectoryValues& dirs, const Text& folder, const Text& childName);

}  // namespace kov
