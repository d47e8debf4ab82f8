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
