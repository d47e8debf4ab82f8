#include "ui/command_list.h"

namespace kov {

Command CommandOfKey(KeyChord chord) {
  for (const CommandEntry& entry : kCommandList) {
    for (const KeyChord& key : entry.keys) {
      if (key.key != 0 && key.key == chord.key && key.control == chord.control && key.shift == chord.shift) {
        return entry.command;
      }
    }
  }
  return Command::None;
}

// Menu items' Tags repeat the buttons' numbers (Open and Move item left are both 1):
// only the entries without a menu item are buttons.
Command CommandOfToolTag(int tag) {
  for (const CommandEntry& entry : kCommandList) {
    if (tag != 0 && entry.tag == tag && entry.menuCaption == nullptr) return entry.command;
  }
  return Command::None;
}

Command CommandOfWindowId(int id) {
  const int last = static_cast<int>(Command::Redo);  // the last command
  if (id > kCommandIdBase && id <= kCommandIdBase + last) return static_cast<Command>(id - kCommandIdBase);
  return CommandOfToolTag(id);
}

}  // namespace kov
