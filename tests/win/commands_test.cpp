// The context menu and the entry commands of the launcher window, driven as a user
// drives them: a right click, the Delete key, the questions answered from the side.
#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "form1_session.h"
#include "shell_request_recorder.h"
#include "store/launch_win.h"
#include "util/current_dir.h"

namespace kov {
namespace {

using namespace kov::test;

class CommandWindow : public Form1Session {
 protected:
  ~CommandWindow() override { SetEnvironmentVariableA("KOVRANT_RECORD", nullptr); }

  void Start(const std::string& settings) {
    WriteBytes(settings_, settings);
    Restart();
  }
  void Select(const std::string& caption) {
    for (int i = 0; i < IconCount(View()); ++i) {
      if (IconText(View(), i) == caption) return SelectIcon(View(), i);
    }
    ADD_FAILURE() << "no icon " << caption;
  }
  void SelectNothing() {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    SendMessageA(View(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  }
  Text WorkFolder() const { return Model().dirs.workFolderShown; }
};

constexpr const char* kToolsAndNotes =
    "*Tools*1*Tools**\r\n*Tools2*1*Tools2**\r\nTools\\*a.exe**A**\r\ntools\\Net\\*x.exe**X**\r\n"
    "TOOLS\\*Net*1*Net**\r\nTools2\\*b.exe**B**\r\n*notes.txt**Notes**\r\n";

TEST_F(CommandWindow, MenuDisablesFileItemsOverAFolderOnly) {
  WriteBytes(work_.Path() + "notes.txt", "notes");
  Start(kToolsAndNotes);
  HMENU menu = nullptr;
  std::vector<int> grayed;
  const auto look = [&](HMENU shown) {
    menu = shown;
    grayed = GrayedItems(shown);
  };
  const auto id = [](Command command) { return CommandWindowId(command); };
  EmptyTheClipboard();
  Select("Tools");
  {
    MenuAnswerer watcher(form_->hwnd(), {VK_ESCAPE}, look);
    RightClick();
    ASSERT_TRUE(watcher.Shown());
    // Paste too, with nothing on the clipboard.
    EXPECT_EQ(grayed, (std::vector<int>{id(Command::RunAsAdministrator), id(Command::OpenFileLocation),
                                         id(Command::Properties), id(Command::ExecutionParameters),
                                         id(Command::Paste)}));
  }
  ASSERT_EQ(GetMenuItemCount(menu), 12);
  std::vector<int> pictured;
  for (int position = 0; position < 12; ++position) {
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_BITMAP;
    ASSERT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item));
    if (item.hbmpItem) pictured.push_back(static_cast<int>(item.wID));
  }
  EXPECT_EQ(pictured, (std::vector<int>{id(Command::Open), id(Command::RunAsAdministrator),
                                         id(Command::OpenFileLocation), id(Command::Properties), id(Command::Delete)}));
  // Each item shows its key, where menus show keys.
  char caption[64] = {};
  GetMenuStringA(menu, id(Command::RunAsAdministrator), caption, sizeof caption, MF_BYCOMMAND);
  EXPECT_STREQ(caption, "Run as Administrator");
  GetMenuStringA(menu, id(Command::Rename), caption, sizeof caption, MF_BYCOMMAND);
  EXPECT_STREQ(caption, "Rename\tF2");
  GetMenuStringA(menu, id(Command::CopyAsPath), caption, sizeof caption, MF_BYCOMMAND);
  EXPECT_STREQ(caption, "Copy as path\tCtrl+Shift+C");
  const HMENU first = menu;
  Select("Notes");
  {
    MenuAnswerer watcher(form_->hwnd(), {VK_ESCAPE}, look);
    RightClick();
    ASSERT_TRUE(watcher.Shown());
    EXPECT_EQ(grayed, std::vector<int>{id(Command::Paste)});
  }
  EXPECT_EQ(menu, first);
  EXPECT_EQ(Lines().size(), 7u);
}

TEST_F(CommandWindow, OverEmptySpaceTheMenuOffersOnlyPaste) {
  Start(kToolsAndNotes);
  SelectNothing();
  std::vector<int> items;
  MenuAnswerer watcher(form_->hwnd(), {VK_ESCAPE}, [&](HMENU shown) {
    for (int position = 0; position < GetMenuItemCount(shown); ++position) {
      items.push_back(static_cast<int>(GetMenuItemID(shown, position)));
    }
  });
  RightClick();
  ASSERT_TRUE(watcher.Shown());
  EXPECT_EQ(items, std::vector<int>{CommandWindowId(Command::Paste)});
}

TEST_F(CommandWindow, OpenChosenFromTheMenuEntersTheFolder) {
  Start(kToolsAndNotes);
  Select("Tools");
  MenuAnswerer watcher(form_->hwnd(), {VK_DOWN, VK_RETURN});
  RightClick();
  ASSERT_TRUE(watcher.Shown());
  EXPECT_EQ(Model().currentFolder, "Tools\\");
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "Net"}));
}

TEST_F(CommandWindow, DeleteAskedAndRefusedKeepsTheTable) {
  Start(kToolsAndNotes);
  const std::vector<Text> before = Lines();
  Select("Tools");
  const std::vector<std::function<void(HWND)>> refusals = {
      [](HWND dialog) { ClickButton(dialog, "&No"); },
      [](HWND dialog) { PressKey(dialog, VK_ESCAPE); },
      [](HWND dialog) { CloseBox(dialog); },
  };
  for (const auto& refuse : refusals) {
    DialogAnswerer question("Warning", refuse);
    Choose(Command::Delete);
    ASSERT_TRUE(question.Answered());
    EXPECT_NE(question.Text().find("Delete Item ?"), std::string::npos);
    EXPECT_EQ(Lines(), before);
  }
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Tools", "Tools2", "Notes"}));
}

TEST_F(CommandWindow, DeleteKeyRemovesTheFolderWithItsContentsAndRedraws) {
  Start(kToolsAndNotes);
  Select("Tools");
  DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  KeyDown(View(), VK_DELETE);
  ASSERT_TRUE(question.Answered());
  EXPECT_EQ(Lines(), (std::vector<Text>{"*Tools2*1*Tools2**", "Tools2\\*b.exe**B**", "*notes.txt**Notes**"}));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"Tools2", "Notes"}));
}

TEST_F(CommandWindow, DeleteItemRemovesOneProgramInsideAFolder) {
  Start("*Tools*1*Tools**\r\nTools\\*a.exe**A**\r\nTools\\*b.exe**B**\r\nTools\\*c.exe**C**\r\n");
  Select("Tools");
  KeyDown(View(), VK_RETURN);
  ASSERT_EQ(Model().currentFolder, "Tools\\");
  Select("B");
  DialogAnswerer question("Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); });
  Choose(Command::Delete);
  ASSERT_TRUE(question.Answered());
  EXPECT_EQ(Lines(), (std::vector<Text>{"*Tools*1*Tools**", "Tools\\*a.exe**A**", "Tools\\*c.exe**C**"}));
  EXPECT_EQ(Captions(), (std::vector<std::string>{"A", "C"}));
  // The icon that took the deleted one's place is selected.
  EXPECT_EQ(ListView_GetNextItem(View(), -1, LVNI_SELECTED), 1);
}

TEST_F(CommandWindow, NothingIsDeletedWhileACaptionIsEditedOrNothingIsSelected) {
  Start(kToolsAndNotes);
  const std::vector<Text> before = Lines();
  HWND editor = StartEditing(2);
  {
    DialogAnswerer question(
        "Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); }, 1500);
    KeyDown(View(), VK_DELETE);
    Choose(Command::Delete);
    EXPECT_FALSE(question.Answered());
  }
  KeyDown(editor, VK_ESCAPE);
  PumpMessages(20);
  SelectNothing();
  {
    DialogAnswerer question(
        "Warning", [](HWND dialog) { ClickButton(dialog, "&Yes"); }, 1500);
    KeyDown(View(), VK_DELETE);
    EXPECT_FALSE(question.Answered());
  }
  EXPECT_EQ(Lines(), before);
}

HWND ComboEdit(HWND dialog) {
  HWND combo = FindWindowExA(dialog, nullptr, "ComboBox", nullptr);
  return combo ? FindWindowExA(combo, nullptr, "Edit", nullptr) : nullptr;
}

TEST_F(CommandWindow, ExecutionParametersAreRewrittenInTheSameSlot) {
  Start("*Tools*1*Tools**\r\n*tool.exe**Tool* old *extra*\r\n*b.exe**B**\r\n");
  Select("Tool");
  std::string shown;
  {
    DialogAnswerer input("Execution parameters", [&shown](HWND dialog) {
      HWND edit = ComboEdit(dialog);
      shown = WindowText(edit);
      SetWindowTextA(edit, "  -x*y  ");
      ClickButton(dialog, "OK");
    });
    Choose(Command::ExecutionParameters);
    ASSERT_TRUE(input.Answered());
  }
  EXPECT_EQ(shown, "old");
  EXPECT_EQ(Lines(), (std::vector<Text>{"*Tools*1*Tools**", "*tool.exe**Tool*-xy*", "*b.exe**B**"}));
  {
    DialogAnswerer input("Execution parameters", [](HWND dialog) {
      SetWindowTextA(ComboEdit(dialog), "-changed");
      ClickButton(dialog, "Cancel");
    });
    Choose(Command::ExecutionParameters);
    ASSERT_TRUE(input.Answered());
  }
  EXPECT_EQ(Lines()[1], "*tool.exe**Tool*-xy*");
  Select("Tools");
  {
    DialogAnswerer input(
        "Execution parameters", [](HWND dialog) { ClickButton(dialog, "Cancel"); }, 1500);
    Choose(Command::ExecutionParameters);
    EXPECT_FALSE(input.Answered());
  }
}

TEST_F(CommandWindow, FileLocationAndPropertiesShowTheTargetOrItsFormerFolder) {
  CreateDirectoryA((work_.Path() + "Apps").c_str(), nullptr);
  WriteBytes(work_.Path() + "Apps\\tool.exe", "MZ");
  Start("*Apps\\tool.exe**Tool**\r\n*Apps\\gone.exe**Gone**\r\n*Tools*1*Tools**\r\n");
  shell_.SetMode(ShellRequestRecorder::kRecordOnly);
  Select("Tool");
  Choose(Command::OpenFileLocation);
  Choose(Command::Properties);
  Select("Gone");
  Choose(Command::OpenFileLocation);
  Choose(Command::Properties);
  Select("Tools");
  Choose(Command::OpenFileLocation);
  Choose(Command::Properties);

  const std::vector<ShellRequest>& calls = shell_.requests();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].owner, form_->hwnd());
  EXPECT_EQ(calls[0].verb, "OPEN");
  EXPECT_EQ(calls[0].file, "explorer.exe");
  EXPECT_EQ(calls[0].parameters, "/select,\"" + WorkFolder() + "Apps\\tool.exe\"");
  EXPECT_EQ(calls[0].directory, "");
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
  EXPECT_EQ(calls[1].verb, "properties");
  EXPECT_EQ(calls[1].file, WorkFolder() + "Apps\\tool.exe");
  EXPECT_EQ(calls[1].mask, static_cast<ULONG>(SEE_MASK_INVOKEIDLIST));
  EXPECT_EQ(calls[2].parameters, "/select,\"" + WorkFolder() + "Apps\\\"");
  EXPECT_EQ(calls[3].file, WorkFolder() + "Apps\\");
}

TEST_F(CommandWindow, RunAsAdministratorAppliesToOneRequestOnly) {
  const std::string record = work_.Path() + "record.txt";
  SetEnvironmentVariableA("KOVRANT_RECORD", record.c_str());
  ASSERT_TRUE(CopyProgram(TestProgramFolder() + KOVRANT_RECORDER_EXE, work_.Path() + "rec.exe"));
  Start("*gone.exe**Gone**\r\n*rec.exe**Rec*-p*\r\n*Tools*1*Tools**\r\n");

  Select("Gone");
  {
    DialogAnswerer notice("Warning", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); });
    Choose(Command::RunAsAdministrator);
    ASSERT_TRUE(notice.Answered());
    EXPECT_NE(notice.Text().find("File not found"), std::string::npos);
  }
  EXPECT_TRUE(shell_.requests().empty());

  Select("Rec");
  DoubleClickIcon(View(), 1);
  ASSERT_TRUE(WaitFor([&] { return ReadBytes(record).find("current directory") != std::string::npos; }, 15000));
  EXPECT_NE(ReadBytes(record).find("-p"), std::string::npos) << ReadBytes(record);
  Choose(Command::RunAsAdministrator);
  Choose(Command::Open);

  const std::vector<ShellRequest>& calls = shell_.requests();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].verb, "");
  EXPECT_EQ(calls[0].file, "rec.exe");
  EXPECT_EQ(calls[1].verb, "runas");
  EXPECT_EQ(calls[1].file, WorkFolder() + "rec.exe");
  EXPECT_EQ(calls[1].parameters, "-p");
  EXPECT_EQ(calls[2].verb, "");
  EXPECT_EQ(CurrentDirectory() + "\\", WorkFolder());
  // The second start must have finished before the folder goes.
  EXPECT_TRUE(WaitFor([&] { return CountOccurrences(ReadBytes(record), "current directory") == 2; }, 15000));

  Select("Tools");
  Choose(Command::RunAsAdministrator);
  EXPECT_EQ(Model().currentFolder, "Tools\\");
  EXPECT_EQ(shell_.requests().size(), 3u);
}

TEST_F(CommandWindow, InfoButtonShowsTheInfoPageThatEscCloses) {
  Start(kToolsAndNotes);
  DialogAnswerer info(
      "Info", [](HWND dialog) { PressKey(dialog, VK_ESCAPE); }, 15000);
  SendMessageA(form_->ToolButtonWindow(kTagAbout), BM_CLICK, 0, 0);
  ASSERT_TRUE(info.Answered());
  PumpMessages(50);
  EXPECT_NE(form_->hwnd(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(form_->hwnd()));
  const std::vector<Text> unknownCommands = Lines();
  for (const WPARAM id : {0, 7, 100, kCommandIdBase + 999}) SendMessageA(form_->hwnd(), WM_COMMAND, id, 0);
  EXPECT_EQ(Lines(), unknownCommands);
}

}  // namespace
}  // namespace kov
