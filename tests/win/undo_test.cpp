// A session's slips taken back with the keyboard: a folder deleted with everything in
// it and an entry dragged into the wrong folder come back with Ctrl+Z, Ctrl+Y does the
// drag again, each change reaches the file within a second, and the menu the session
// found is kept as a backup.
#include <gtest/gtest.h>

#include <algorithm>

#include "drag_session.h"
#include "ui/command_tags.h"
#include "ui/list_view_win.h"
#include "util/wide_text_win.h"

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

// The pixels of a window's part as they are on the screen, in screen coordinates.
std::vector<COLORREF> ScreenPixels(RECT area) {
  std::vector<COLORREF> pixels;
  HDC screen = GetDC(nullptr);
  for (LONG y = area.top; y < area.bottom; y += 2) {
    for (LONG x = area.left; x < area.right; x += 2) pixels.push_back(GetPixel(screen, x, y));
  }
  ReleaseDC(nullptr, screen);
  return pixels;
}

RECT OnScreen(HWND window, RECT area) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// Where an empty view says "Drop files here": the middle of its top.
RECT HintArea(HWND view) {
  const RECT client = ClientOf(view);
  return OnScreen(view, {client.right / 2 - 60, 20, client.right / 2 + 60, 50});
}

bool AllOneColour(const std::vector<COLORREF>& pixels) {
  return std::all_of(pixels.begin(), pixels.end(), [&](COLORREF pixel) { return pixel == pixels.front(); });
}

// A drag into a folder, a drag onto Back and a rename each say what they did and how to
// take it back; a dragged icon lights up the folder or the Back button it would be
// dropped on; a search that found nothing does not ask for a drop.
TEST_F(DragArrangeTest, EachChangeSaysWhatItDidAndADragLightsItsTarget) {
  const std::string games = "\xCE\xA0\xCE\xB1\xCE\xB9\xCF\x87\xCE\xBD\xCE\xAF\xCE\xB4\xCE\xB9\xCE\xB1";  // Παιχνίδια
  const std::string beetle = "\xD0\x96\xD1\x83\xD0\xBA";                                                // Жук
  Start({"*a.exe**A**", "*" + games + "*1*" + games + "**", games + "\\*t.exe**T**", games + "\\*u.exe**U**",
         "*b.exe**" + beetle + "**", "*Empty*1*Empty**"});
  const auto iconOf = [&](const std::string& caption) {
    const std::vector<std::string> captions = Captions();
    return static_cast<int>(std::find(captions.begin(), captions.end(), caption) - captions.begin());
  };
  SetForegroundWindow(form_->hwnd());
  SetFocus(View());
  PumpMessages(50);

  RECT folderIcon{};
  ListView_GetItemRect(View(), 1, &folderIcon, LVIR_BOUNDS);
  folderIcon = OnScreen(View(), folderIcon);
  const std::vector<COLORREF> folderBefore = ScreenPixels(folderIcon);
  DragTo(0, OnIcon(1, 0.5));
  EXPECT_NE(ScreenPixels(folderIcon), folderBefore);
  Release();
  EXPECT_EQ(Bar(), "  Moved \"A\" into \"" + games + "\". Ctrl+Z moves it back.");
  PressChord({VK_CONTROL, 'Z'});

  Open(1);
  ASSERT_EQ(Model().currentFolder, games + "\\");
  HWND back = form_->ToolButtonWindow(kTagBack);
  const RECT backOnScreen = OnScreen(back, ClientOf(back));
  const std::vector<COLORREF> backBefore = ScreenPixels(backOnScreen);
  DragTo(1, {(backOnScreen.left + backOnScreen.right) / 2, (backOnScreen.top + backOnScreen.bottom) / 2});
  PumpMessages(50);
  EXPECT_NE(ScreenPixels(backOnScreen), backBefore);
  Release();
  // The mouse leaves, so that Back is not lit as under the mouse.
  Send({MouseInput(MOUSEEVENTF_MOVE, {backOnScreen.right + 300, backOnScreen.bottom + 200})});
  EXPECT_TRUE(WaitFor([&] { return ScreenPixels(backOnScreen) == backBefore; }, 2000));
  EXPECT_EQ(Bar(), "  Moved \"U\" up a level. Ctrl+Z moves it back.");

  PressChord({VK_BACK});
  HWND editor = StartEditing(iconOf("A"));
  SetWindowTextW(editor, WideText(beetle + "2").c_str());
  KeyDown(editor, VK_RETURN);
  PumpMessages(20);
  EXPECT_EQ(Bar(), "  Renamed \"A\" to \"" + beetle + "2\". Ctrl+Z gives back the old name.");

  // An empty folder asks for a drop; a search that found nothing does not.
  Choose(Command::Find);
  SetWindowTextA(GetFocus(), "qqqq");
  PumpMessages(50);
  ASSERT_EQ(IconCount(View()), 0);
  EXPECT_TRUE(AllOneColour(ScreenPixels(HintArea(View()))));
  SetWindowTextA(GetFocus(), "");
  PumpMessages(20);
  Open(iconOf("Empty"));
  ASSERT_EQ(IconCount(View()), 0);
  EXPECT_FALSE(AllOneColour(ScreenPixels(HintArea(View()))));
}

}  // namespace
}  // namespace kov
