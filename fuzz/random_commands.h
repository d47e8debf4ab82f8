// Commands chosen by a fuzzer's input and run on an entry table as the window runs them:
// drops, new folders, renames, moves, drags into and out of folders, deletes, new
// parameters and a reload of the whole menu, each recorded as one undo step.
#pragma once

#include <string>
#include <vector>

#include "random_table.h"
#include "store/entry_table.h"
#include "ui/adding.h"
#include "ui/arrange.h"
#include "ui/commands.h"
#include "ui/folder_logic.h"
#include "ui/rename.h"
#include "ui/undo_history.h"

namespace kov::fuzz {

inline const DirectoryValues kCommandDirectories{"C:\\WORK\\", "C:\\WINDOWS\\system32", "C:\\TEMP", "C:\\WINDOWS", "C:\\WORK\\"};

// The entry a caption of the folder names, as the window selects it; slot 0 when none.
inline SelectedEntry EntryNamed(const EntryTable& table, const std::string& folder, const std::string& caption) {
  const int slot = FindCaptionInFolder(table, FolderPrefix(folder), UpperText(caption));
  return slot == 0 ? SelectedEntry{} : SelectedEntryAt(table, slot, kCommandDirectories);
}

// Runs one command on the table; the folder and captions come from the input, so that
// some name entries that exist and some do not.
inline void RunOneCommand(FuzzInput& input, EntryTable& table) {
  const std::string folder = TakeFolder(input);
  const std::string caption = TakeName(input);
  switch (input.TakeByte() % 9) {
    case 0: {
      std::vector<NewEntry> entries;
      for (int count = input.TakeByte() % 4; count > 0; --count) {
        entries.push_back({"C:\\WORK\\" + TakeName(input), input.TakeByte() % 2 ? kDirectory : kProgram});
      }
      AddEntriesToTable(table, folder, entries, kCommandDirectories);
      break;
    }
    case 1:
      AddEntriesToTable(table, folder, {{caption, kVirtualFolder}}, kCommandDirectories);
      break;
    case 2:
      RenameEntry(table, folder, caption, TakeName(input), kCommandDirectories);
      break;
    case 3: {
      // A move left or right: the icons know their slots.
      const std::vector<int> slots = FolderSlots(table, folder);
      if (slots.size() < 2) break;
      const std::size_t first = input.TakeByte() % (slots.size() - 1);
      table.ExchangeSlots(slots[first], slots[first + 1]);
      break;
    }
    case 4:
      MoveEntryBefore(table, folder, caption, TakeName(input));
      break;
    case 5:
      MoveEntryIntoFolder(table, folder, caption, TakeName(input), kCommandDirectories);
      break;
    case 6:
      MoveEntryUp(table, folder, caption, kCommandDirectories);
      break;
    case 7:
      DeleteFromTable(table, folder, EntryNamed(table, folder, caption));
      break;
    default:
      if (input.TakeByte() % 2 == 0) {
        table.ReplaceWith(TakeTable(input));
      } else if (table.Count() > 0) {
        const int slot = 1 + input.TakeByte() % table.Count();
        table.SetSlot(slot, LineWithParameters(table.Slot(slot), TakeName(input)));
      }
      break;
  }
}

// The settings file's text of a table, to compare tables byte for byte, overflow included.
inline std::string FileTextOf(const EntryTable& table) { return EntryFileText(table); }

// Runs commands from the input on the table, each as one step of the history; the
// table's text after each step, the first being the text before any.
inline std::vector<std::string> RunRecordedCommands(FuzzInput& input, EntryTable& table, UndoHistory& history,
                                                    int commands) {
  std::vector<std::string> texts{FileTextOf(table)};
  for (int command = 0; command < commands; ++command) {
    UndoStep step;
    table.RecordChangesIn(&step.changes);
    RunOneCommand(input, table);
    table.RecordChangesIn(nullptr);
    if (step.changes.Empty()) continue;
    history.Add(std::move(step));
    texts.push_back(FileTextOf(table));
  }
  return texts;
}

}  // namespace kov::fuzz
