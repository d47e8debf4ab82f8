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

namespace {

bool IsTypingKey(unsigned key) { return (key >= kKeyEnd && key <= kKeyDown) || key == kKeyBack || key == kKeyDelete; }

constexpr unsigned kKeySpaceBar = 0x20;

// Ctrl and a letter that an edit box answers itself.
bool IsEditingChord(KeyChord chord) {
  return chord.control && !chord.shift && (chord.key == 'A' || chord.key == 'X' || chord.key == 'C' || chord.key == 'V');
}

bool IsPressingKey(unsigned key) { return key == kKeyEnter || key == kKeySpaceBar; }

}  // namespace

Command CommandOfKeyIn(KeyPart part, KeyChord chord, bool holdsText) {
  if (part == KeyPart::Button && IsPressingKey(chord.key)) return Command::None;
  if (part == KeyPart::TypeBox) {
    if (IsTypingKey(chord.key) || IsEditingChord(chord)) return Command::None;
    const Command command = CommandOfKey(chord);
    if (holdsText && (command == Command::Undo || command == Command::Redo)) return Command::None;
    return command;
  }
  return CommandOfKey(chord);
}

Command CommandOfToolTag(int tag) {
  for (const CommandEntry& entry : kCommandList) {
    if (tag != 0 && entry.tag == tag) return entry.command;
  }
  return Command::None;
}

Command CommandOfWindowId(int id) {
  if (id > kCommandIdBase && id < CommandWindowId(Command::Count)) return static_cast<Command>(id - kCommandIdBase);
  return CommandOfToolTag(id);
}

}  // namespace kov
