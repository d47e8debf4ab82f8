// Saves two different menus to one settings file, one after the other, until it is
// killed. The crash-safety test stops it at random moments.
#include <windows.h>

#include "store/entry_table.h"
#include "store/file_system.h"

namespace {

kov::EntryTable Menu(const char* name, int entries) {
  kov::EntryTable table;
  const std::string parameters(40, 'x');
  for (int i = 0; i < entries; ++i) {
    const std::string number = std::to_string(i);
    static_cast<void>(table.Append(std::string(name) + "\\*Apps\\tool" + number + ".exe**Tool " + number + "*-p " +
                                   parameters + "*"));
  }
  return table;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string texts[] = {kov::EntryFileText(Menu("Old", 30000)), kov::EntryFileText(Menu("New", 20000))};
  // Tells the test that saving starts now, so that its kills fall inside saves.
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, "Local\\KovrantSaveLoopReady");
  SetEvent(ready);
  for (int round = 0;; ++round) {
    if (!kov::ReplaceFileKeepingAttributes(argv[1], texts[round % 2])) return 1;
  }
}
