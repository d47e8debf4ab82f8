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

// A button's Tag and a menu item's may be the same number: the window identifier tells
// them apart.
TEST(CommandList, TagsAndWindowIdentifiersNameOneCommandEach) {
  EXPECT_EQ(CommandOfWindowId(kTagMoveLeft), Command::MoveLeft);
  EXPECT_EQ(CommandOfWindowId(kTagBack), Command::Back);
  EXPECT_EQ(CommandOfWindowId(CommandWindowId(Command::Open)), Command::Open);
  EXPECT_EQ(CommandOfWindowId(CommandWindowId(Command::Redo)), Command::Redo);
  EXPECT_EQ(CommandOfWindowId(kTagOpenFileLocation), Command::None);
  EXPECT_EQ(CommandOfWindowId(CommandWindowId(Command::Redo) + 1), Command::None);
}

}  // namespace
}  // namespace kov
