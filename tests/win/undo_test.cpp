// A session's slips taken back with the keyboard: a folder deleted with everything in
// it and an entry dragged into the wrong folder come back with Ctrl+Z, Ctrl+Y does the
// drag again, each change reaches the file within a second, and the menu the session
// found is kept as a backup.
#include <gtest/gtest.h>

#include "drag_session.h"
#include "ui/list_view_win.h"

namespace kov {
namespace {

using namespace kov::test;

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

TEST_F(DragArrangeTest, DeleteAndDragAreUndoneAndRedoneAndTheFoundMenuIsKept) {
  const std::string found = "*a.exe**A**\r\n*Tools*1*Tools**\r\nTools\\*t.exe**T**\r\nTools\\*u.exe**U**\r\n"
                            "*Games*1*Games**\r\n";
  WriteBytes(settings_, found);
  Restart();
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());

  SelectIcon(View(), 1);
  {
    DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
    PressChord({VK_DELETE});
    ASSERT_TRUE(question.Answered());
  }
  PumpMessages(50);
  ASSERT_EQ(Captions(), (std::vector<std::string>{"A", "Games"}));
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(EntryFileText(Model().table), found);
  EXPECT_EQ(Bar(), "  Undone: delete of \"Tools\" and its 2 entries");
  EXPECT_EQ(SelectedIconIndex(View()), 1);

  DragTo(0, OnIcon(2, 0.5));
  Release();
  ASSERT_EQ(Lines().front(), "Games\\*a.exe**A**");
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(EntryFileText(Model().table), found);
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "Tools", "Games"}));
  PressChord({VK_CONTROL, VK_SHIFT, 'Z'});
  EXPECT_EQ(Model().currentFolder, "Games\\");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A"}));
  EXPECT_EQ(Bar(), "  Redone: move of \"A\" into \"Games\"");
  PressChord({VK_CONTROL, 'Y'});
  EXPECT_EQ(Bar(), "  Nothing to redo.");

  const std::string moved = "Games\\*a.exe**A**\r\n*Tools*1*Tools**\r\nTools\\*t.exe**T**\r\nTools\\*u.exe**U**\r\n"
                            "*Games*1*Games**\r\n";
  // Saved as it goes: the file has the change before the window closes.
  EXPECT_TRUE(WaitFor([&] { return ReadBytes(settings_) == moved; }, 3000));
  CloseWindow();
  EXPECT_EQ(ReadBytes(settings_), moved);
  const std::vector<std::string> backups = FilesIn(work_.Path() + "kovrant.backups");
  ASSERT_EQ(backups.size(), 1u);
  EXPECT_EQ(backups.front().rfind("kovrant 20", 0), 0u) << backups.front();
  EXPECT_EQ(ReadBytes(work_.Path() + "kovrant.backups\\" + backups.front()), found);
}

}  // namespace
}  // namespace kov
