// The keys, Tags and window identifiers that the command list maps to commands.
#include <gtest/gtest.h>

#include "ui/command_list.h"

namespace kov {
namespace {

// Plain letters and arrows stay the view's (type-ahead, moving the focus); a chord
// runs its command only with exactly its modifiers.
TEST(CommandList, KeysRunTheirCommandsWithExactlyTheirModifiers) {
  EXPECT_EQ(CommandOfKey({'N', true}), Command::NewFolder);
  EXPECT_EQ(CommandOfKey({'N'}), Command::None);
  EXPECT_EQ(CommandOfKey({kKeyLeft, true}), Command::MoveLeft);
  EXPECT_EQ(CommandOfKey({kKeyRight}), Command::None);
  EXPECT_EQ(CommandOfKey({kKeyF1}), Command::Info);
  EXPECT_EQ(CommandOfKey({'E', true}), Command::Find);
  EXPECT_EQ(CommandOfKey({'Z', true}), Command::Undo);
  EXPECT_EQ(CommandOfKey({'Z', true, true}), Command::Redo);
  EXPECT_EQ(CommandOfKey({'Y', true}), Command::Redo);
  EXPECT_EQ(CommandOfKey({'Z'}), Command::None);
}

// A tool button and the search field hand on the window's keys; the button keeps the
// keys that press it, the field the keys typing needs, and its own undo while it holds
// text.
TEST(CommandList, PartsKeepOnlyTheKeysTheyNeed) {
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {'Z', true}, false), Command::Undo);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {'Y', true}, false), Command::Redo);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {kKeyLeft, true}, false), Command::MoveLeft);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {kKeyF1}, false), Command::Info);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {kKeyDelete}, false), Command::Delete);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {kKeyEnter}, false), Command::None);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {' '}, false), Command::None);

  EXPECT_EQ(CommandOfKeyIn(KeyPart::Button, {'V', true}, false), Command::Paste);

  for (unsigned letter : {'A', 'X', 'C', 'V'}) {
    EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {letter, true}, false), Command::None) << letter;
  }
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'C', true, true}, true), Command::CopyAsPath);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'N', true}, true), Command::NewFolder);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {kKeyF1}, true), Command::Info);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'F', true}, true), Command::Find);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'Z', true}, false), Command::Undo);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'Z', true}, true), Command::None);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'Z', true, true}, true), Command::None);
  EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {'Y', true}, true), Command::None);
  for (unsigned key : {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyHome, kKeyEnd, kKeyBack, kKeyDelete}) {
    EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {key, true}, false), Command::None) << key;
    EXPECT_EQ(CommandOfKeyIn(KeyPart::TypeBox, {key}, true), Command::None) << key;
  }
}

// Every row of the list is found again each way a command is given: its window
// identifier, its tool button's Tag and each of its keys; numbers beyond the list name no
// command.
TEST(CommandList, EveryRowIsFoundByItsIdentifierItsTagAndItsKeys) {
  for (const CommandEntry& entry : kCommandList) {
    const int number = static_cast<int>(entry.command);
    EXPECT_EQ(CommandOfWindowId(CommandWindowId(entry.command)), entry.command) << number;
    EXPECT_EQ(&EntryOf(entry.command), &entry) << number;
    if (entry.tag != 0) {
      EXPECT_EQ(CommandOfToolTag(entry.tag), entry.command) << number;
      EXPECT_EQ(CommandOfWindowId(entry.tag), entry.command) << number;
    }
    for (const KeyChord& key : entry.keys) {
      if (key.key != 0) {
        EXPECT_EQ(CommandOfKey(key), entry.command) << number << " key " << key.key;
      }
    }
  }
  EXPECT_EQ(CommandOfWindowId(CommandWindowId(Command::Count)), Command::None);
  EXPECT_EQ(CommandOfWindowId(CommandWindowId(Command::None)), Command::None);
  EXPECT_EQ(CommandOfToolTag(0), Command::None);
}

}  // namespace
}  // namespace kov
