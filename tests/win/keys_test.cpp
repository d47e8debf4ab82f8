// The keyboard alone: whatever way a folder is entered there is an icon to act on, and
// the window's keys work from every part of it, while the search field keeps the keys
// typing needs. Real keys (SendInput), names in Greek and Cyrillic.
#include <gtest/gtest.h>

#include "form1_session.h"
#include "ui/command_tags.h"
#include "ui/list_view_win.h"
#include "util/wide_text_win.h"

namespace kov {
namespace {

using namespace kov::test;

const std::string kGames = "\xCE\xA0\xCE\xB1\xCE\xB9\xCF\x87\xCE\xBD\xCE\xAF\xCE\xB4\xCE\xB9\xCE\xB1";  // Παιχνίδια
const std::string kNotes = "\xD0\x97\xD0\xB0\xD0\xBC\xD0\xB5\xD1\x82\xD0\xBA\xD0\xB8";  // Заметки
const std::string kBeetle = "\xD0\x96\xD1\x83\xD0\xBA";                                 // Жук

class KeysTest : public Form1Session {
 protected:
  void StartWithGames() {
    WriteBytes(work_.Path() + "notes.txt", "notes");
    Start({"*" + kGames + "*1*" + kGames + "**", kGames + "\\*notes.txt**" + kNotes + "**",
           kGames + "\\*b.txt**" + kBeetle + "**", "*a.exe**A**", "*b.exe**B**"});
    shell_.SetMode(ShellRequestRecorder::kRecordOnly);
    SetForegroundWindow(form_->hwnd());
    SetFocus(View());
  }
  // A new folder named name, made from the keyboard.
  void NewFolder(const std::string& name) {
    DialogAnswerer input("New Folder", [&](HWND dialog) {
      SetWindowTextW(GetFocus(), WideText(name).c_str());
      PressKey(dialog, VK_RETURN);
    });
    PressChord({VK_CONTROL, 'N'});
    ASSERT_TRUE(input.Answered());
    PumpMessages(50);
  }
  void TypeIntoSearch(const std::string& text) {
    PressChord({VK_CONTROL, 'F'});
    ASSERT_EQ(ClassOf(GetFocus()), "Edit");
    SetWindowTextW(GetFocus(), WideText(text).c_str());
    PumpMessages(50);
  }
};

TEST_F(KeysTest, AFolderEnteredAnyWayHasItsFirstIconSelectedForEnterF2DeleteAndNewFolder) {
  StartWithGames();
  SelectIcon(View(), 0);
  PressChord({VK_RETURN});
  ASSERT_EQ(Model().currentFolder, kGames + "\\");
  EXPECT_EQ(SelectedIconIndex(View()), 0);
  EXPECT_EQ(GetFocus(), View());
  // Enter at once starts the first entry.
  PressChord({VK_RETURN});
  ASSERT_EQ(shell_.requests().size(), 1u);
  EXPECT_EQ(shell_.requests().back().file, "notes.txt");

  // Back selects the folder left; a double click enters it again.
  PressChord({VK_BACK});
  EXPECT_EQ(SelectedIconIndex(View()), 0);
  Open(0);
  EXPECT_EQ(SelectedIconIndex(View()), 0);
  PressChord({VK_BACK});

  // Found by a search and entered with Enter from the field: F2 renames at once.
  TypeIntoSearch(kGames.substr(0, 6));
  PressChord({VK_RETURN});
  ASSERT_EQ(Model().currentFolder, kGames + "\\");
  EXPECT_EQ(GetFocus(), View());
  EXPECT_EQ(SelectedIconIndex(View()), 0);
  PressChord({VK_F2});
  EXPECT_TRUE(Model().editing);
  PressChord({VK_ESCAPE});
  EXPECT_FALSE(Model().editing);

  // New Folder selects the new folder; Delete then asks about it at once.
  NewFolder(kBeetle + " 2");
  EXPECT_EQ(Captions(), (std::vector<std::string>{kNotes, kBeetle, kBeetle + " 2"}));
  EXPECT_EQ(SelectedIconIndex(View()), 2);
  EXPECT_EQ(GetFocus(), View());
  {
    DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
    PressChord({VK_DELETE});
    ASSERT_TRUE(question.Answered());
  }
  PumpMessages(20);
  EXPECT_EQ(Captions(), (std::vector<std::string>{kNotes, kBeetle}));
  // The last icon took the deleted one's place.
  EXPECT_EQ(SelectedIconIndex(View()), 1);
}

TEST_F(KeysTest, TheWindowsKeysWorkFromAToolButtonAndTheSearchFieldKeepsTypingKeys) {
  StartWithGames();
  SelectIcon(View(), 1);
  PressChord({VK_TAB});
  ASSERT_EQ(ClassOf(GetFocus()), "KovrantToolButton");
  HWND button = GetFocus();

  PressChord({VK_CONTROL, VK_RIGHT});
  EXPECT_EQ(Captions(), (std::vector<std::string>{kGames, "B", "A"}));
  SetFocus(button);
  PressChord({VK_CONTROL, 'F'});
  ASSERT_EQ(ClassOf(GetFocus()), "Edit");

  // Typing keys stay the field's: its own undo while it holds text, the arrows,
  // Home and Backspace; the window's other keys still work from it.
  HWND field = GetFocus();
  const std::vector<std::string> lines = Lines();
  PressChord({'X'});
  PressChord({'Y'});
  PressChord({VK_CONTROL, VK_LEFT});
  PressChord({VK_HOME});
  PressChord({VK_DELETE});
  EXPECT_EQ(WindowText(field), "y");
  PressChord({VK_END});
  PressChord({VK_BACK});
  EXPECT_EQ(WindowText(field), "");
  PressChord({'Z'});
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(Lines(), lines);
  SetWindowTextA(field, "");
  PumpMessages(20);
  PressChord({VK_CONTROL, 'Z'});
  EXPECT_EQ(Captions(), (std::vector<std::string>{kGames, "A", "B"}));
}

}  // namespace
}  // namespace kov
