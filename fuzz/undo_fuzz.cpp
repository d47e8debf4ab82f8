// Undo and redo over random commands on random menus: undoing every step gives each
// earlier table back byte for byte, and redoing every step gives the final one.
#include <cstddef>
#include <cstdint>

#include "random_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kov;
  using namespace kov::fuzz;
  FuzzInput input(data, size);
  EntryTable table = TakeTable(input);
  UndoHistory history;
  const std::vector<std::string> texts = RunRecordedCommands(input, table, history, 1 + input.TakeByte() % 16);
  for (std::size_t step = texts.size() - 1; step > 0; --step) {
    Require(history.Undo(table) != nullptr, "every step can be undone");
    Require(FileTextOf(table) == texts[step - 1], "an undo gives the table before the step, byte for byte");
  }
  Require(history.Undo(table) == nullptr, "nothing is undone beyond the first step");
  for (std::size_t step = 1; step < texts.size(); ++step) {
    Require(history.Redo(table) != nullptr, "every undone step can be redone");
    Require(FileTextOf(table) == texts[step], "a redo gives the table after the step, byte for byte");
  }
  Require(history.Redo(table) == nullptr, "nothing is redone beyond the last step");
  return 0;
}
