// Finding entries of the whole menu by caption.
#include <gtest/gtest.h>

#include "table_of.h"
#include "ui/search.h"

namespace kov {
namespace {

using test::TableOf;

TEST(Search, CaptionsStartingWithTheTextComeFirstThenTableOrderInEveryScript) {
  const EntryTable table = TableOf({
      "*Tools*1*Tools**",
      "Tools\\*np.exe**Notepad++**",
      "*n.exe** notepad **",
      "Tools\\*x.exe**My Notes**",
      "*z.exe**\xD0\x96\xD1\x83\xD0\xBA**",  // Жук
      "*y.exe**Other**",
  });
  const CaptionIndex index(table);
  EXPECT_EQ(index.Find("NOTE"), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(index.Find(" tes\t"), std::vector<int>{4});
  EXPECT_EQ(index.Find("\xD0\xB6\xD1\x83"), std::vector<int>{5});  // жу
  EXPECT_EQ(index.Find("o"), (std::vector<int>{6, 1, 2, 3, 4}));
  EXPECT_TRUE(index.Find("  ").empty());
  EXPECT_TRUE(index.Find("*").empty());
}

}  // namespace
}  // namespace kov
