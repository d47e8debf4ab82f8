// Finding entries of the whole menu as the user types into the search field.
#include <gtest/gtest.h>

#include "form1_session.h"

namespace kov {
namespace {

using namespace kov::test;

using SearchTest = Form1Session;

TEST_F(SearchTest, TypedTextFindsEntriesOfEveryFolderAndEachActsOnItsOwnEntry) {
  Start({"*Tools*1*Tools**", "Tools\\*a.exe**Old notes**", "*notes.txt**Notes**", "*Sub*1*Sub**",
         "Sub\\*x.exe**Notes**", "*calc.exe**Calc**"});
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  SelectIcon(View(), 2);
  ListView_SetItemState(View(), 3, LVIS_SELECTED, LVIS_SELECTED);

  PressChord({VK_CONTROL, 'F'});
  for (WORD key : {'N', 'O', 'T', 'E'}) PressChord({key});
  // Captions that start with the text first, then those that hold it, in table order.
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Notes", "Notes", "Old notes"}));
  EXPECT_NE(Bar().find("3 entries match"), std::string::npos) << Bar();
  // The first found is selected and focused alone, so that the keys act on it.
  EXPECT_EQ(ListView_GetSelectedCount(View()), 1u);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED | LVNI_FOCUSED), 0);

  // Into the found entries; Delete removes the entry the icon stands for, not the other
  // of the same caption.
  PressChord({VK_DOWN});
  PressChord({VK_RIGHT});
  EXPECT_NE(Bar().find("in Sub\\"), std::string::npos) << Bar();
  DialogAnswerer yes("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  PressChord({VK_DELETE});
  ASSERT_TRUE(yes.Answered());
  EXPECT_EQ(Lines(), (std::vector<std::string>{"*Tools*1*Tools**", "Tools\\*a.exe**Old notes**", "*notes.txt**Notes**",
                                               "*Sub*1*Sub**", "*calc.exe**Calc**"}));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Notes", "Old notes"}));

  // Esc in the field returns to the folder that was open, with its selection.
  PressChord({VK_CONTROL, 'E'});
  PressChord({VK_ESCAPE});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Tools", "Notes", "Sub", "Calc"}));
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED), 2);
  EXPECT_EQ(ListView_GetSelectedCount(View()), 1u);

  // Every found entry selected with Ctrl+A, the first among them still focused: the next
  // letter leaves the first selected alone again.
  PressChord({VK_CONTROL, 'F'});
  for (WORD key : {'N', 'O', 'T'}) PressChord({key});
  PressChord({VK_DOWN});
  PressChord({VK_CONTROL, 'A'});
  EXPECT_EQ(ListView_GetSelectedCount(View()), 2u);
  PressChord({VK_CONTROL, 'E'});
  PressChord({VK_END});
  PressChord({'E'});
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Notes", "Old notes"}));
  EXPECT_EQ(ListView_GetSelectedCount(View()), 1u);
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED | LVNI_FOCUSED), 0);
}

}  // namespace
}  // namespace kov
