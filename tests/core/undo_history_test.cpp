#include <gtest/gtest.h>

#include <random>

#include "../../fuzz/random_commands.h"
#include "table_of.h"

namespace kov {
namespace {

using fuzz::FileTextOf;

// Random commands on random menus, as a user's session runs them: undoing all of them
// gives the menu the session found, byte for byte, and redoing all gives the last one.
TEST(UndoHistory, UndoAllGivesTheFirstMenuAndRedoAllTheLast) {
  std::mt19937 random(20261208);
  for (int session = 0; session < 300; ++session) {
    std::vector<std::uint8_t> bytes(4000);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());
    fuzz::FuzzInput input(bytes.data(), bytes.size());
    EntryTable table = fuzz::TakeTable(input);
    UndoHistory history;
    const std::vector<std::string> texts = fuzz::RunRecordedCommands(input, table, history, 40);
    while (history.Undo(table)) {
    }
    ASSERT_EQ(FileTextOf(table), texts.front()) << "session " << session;
    while (history.Redo(table)) {
    }
    ASSERT_EQ(FileTextOf(table), texts.back()) << "session " << session;
  }
}

// A folder delete takes the lines kept beyond the capacity with it; the undo brings
// them back in their places, and a new step after an undo drops the one undone.
TEST(UndoHistory, FolderDeleteComesBackWithItsOverflowAndANewStepDropsRedo) {
  EntryTable table(2);
  LoadEntryText("*Tools*1*Tools**\r\nTools\\*a.exe**A**\r\nTools\\*b.exe**B**\r\n*c.exe**C**\r\n", table);
  const Text before = EntryFileText(table);
  UndoHistory history;
  UndoStep remove;
  table.RecordChangesIn(&remove.changes);
  DeleteFromTable(table, "", SelectedEntryAt(table, 1, fuzz::kCommandDirectories));
  table.RecordChangesIn(nullptr);
  EXPECT_EQ(EntryFileText(table), "*c.exe**C**\r\n");
  history.Add(std::move(remove));
  ASSERT_NE(history.Undo(table), nullptr);
  EXPECT_EQ(EntryFileText(table), before);
  history.Add(UndoStep{});
  EXPECT_EQ(history.Redo(table), nullptr);
}

}  // namespace
}  // namespace kov
