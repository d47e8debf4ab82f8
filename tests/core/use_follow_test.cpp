// Scores follow entries through what the menu's commands do, and back through an undo.
#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/commands.h"
#include "ui/folder_logic.h"
#include "ui/rename.h"
#include "ui/undo_history.h"
#include "ui/use_follow.h"

namespace kov {
namespace {

const DirectoryValues kDirs{"C:\\WORK\\", "C:\\WINDOWS\\system32", "C:\\TEMP", "C:\\WINDOWS", "C:\\WORK\\"};

// Runs change on the table as one recorded step and lets the scores follow it.
template <typename Change>
UndoStep Recorded(EntryTable& table, UseScores& scores, Change change) {
  UndoStep step;
  table.RecordChangesIn(&step.changes);
  change();
  table.RecordChangesIn(nullptr);
  FollowChanges(scores, step.changes, false);
  return step;
}

TEST(FollowChanges, ScoresGoWithRenamedEntriesAndFoldersAndBackOnUndo) {
  EntryTable table = test::TableOf({"*Tools*1*Tools**", "Tools\\*np.exe**Notepad**", "*c.exe**Calc**"});
  UseScores scores;
  scores.CountStart("TOOLS\\NOTEPAD", 0);
  scores.CountStart("CALC", 0);
  UndoStep rename = Recorded(table, scores, [&] { RenameEntry(table, "", "Tools", "Apps", kDirs); });
  EXPECT_EQ(scores.ScoreOf("APPS\\NOTEPAD", 0), 1.0);
  EXPECT_EQ(scores.ScoreOf("TOOLS\\NOTEPAD", 0), 0.0);
  table.Undo(rename.changes);
  FollowChanges(scores, rename.changes, true);
  EXPECT_EQ(scores.ScoreOf("TOOLS\\NOTEPAD", 0), 1.0);
  Recorded(table, scores, [&] { DeleteFromTable(table, "", SelectedEntryAt(table, 3, kDirs)); });
  EXPECT_EQ(scores.ScoreOf("CALC", 0), 0.0);
  EXPECT_EQ(scores.All().size(), 1u);
}

}  // namespace
}  // namespace kov
