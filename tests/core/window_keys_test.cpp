// The keys the window takes from the icon view.
#include <gtest/gtest.h>

#include "ui/command_tags.h"
#include "ui/window_keys.h"

namespace kov {
namespace {

// Plain letters and arrows stay the view's (type-ahead, moving the focus); only the
// chords press a tool button.
TEST(WindowKeys, OnlyTheChordsPressToolButtons) {
  EXPECT_EQ(ToolTagOfKey('N', true), kTagNewFolder);
  EXPECT_EQ(ToolTagOfKey('N', false), 0);
  EXPECT_EQ(ToolTagOfKey(kKeyLeft, true), kTagMoveLeft);
  EXPECT_EQ(ToolTagOfKey(kKeyRight, true), kTagMoveRight);
  EXPECT_EQ(ToolTagOfKey(kKeyRight, false), 0);
  EXPECT_EQ(ToolTagOfKey(kKeyF1, false), kTagAbout);
  EXPECT_EQ(ToolTagOfKey(kKeyF1, true), 0);
  EXPECT_EQ(ToolTagOfKey('F', true), kTagFind);
  EXPECT_EQ(ToolTagOfKey('E', false), 0);
}

}  // namespace
}  // namespace kov
