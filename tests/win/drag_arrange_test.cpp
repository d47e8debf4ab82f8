// Icons arranged by dragging them with the mouse, as a user drags them.
#include <gtest/gtest.h>

#include "drag_session.h"

namespace kov {
namespace {

using namespace kov::test;

TEST_F(DragArrangeTest, AnIconDroppedBetweenOthersMovesItsEntryThereForGood) {
  Start({"*a.exe**A**", "*b.exe**B**", "*c.exe**C**", "*Tools*1*Tools**", "Tools\\*t.exe**T**"});
  SetForegroundWindow(form_->hwnd());
  ASSERT_EQ(Captions(), (std::vector<std::string>{"A", "B", "C", "Tools"}));

  DragTo(2, OnIcon(0, 0.3));
  Release();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C", "A", "B", "Tools"}));
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*c.exe**C**", "*a.exe**A**", "*b.exe**B**", "*Tools*1*Tools**",
                                               "Tools\\*t.exe**T**"}));
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_),
            "*c.exe**C**\r\n*a.exe**A**\r\n*b.exe**B**\r\n*Tools*1*Tools**\r\nTools\\*t.exe**T**\r\n");
  Restart();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"C", "A", "B", "Tools"}));
}

}  // namespace
}  // namespace kov
