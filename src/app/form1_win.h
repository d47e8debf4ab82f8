// Form1, the launcher's one window: tool bar, icon view of the current virtual folder
// and status bar, over the entry table that is its only model.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <array>
#include <memory>
#include <vector>

#include "store/entry_table.h"
#include "store/targets.h"
#include "ui/folder_logic.h"
#include "ui/view_image_list_win.h"
#include "util/handles_win.h"
#include "util/panel_win.h"
#include "util/tool_button_win.h"
#include "util/window_win.h"

namespace kov {

// Tags of the tool buttons; they are also the buttons' command identifiers.
enum ToolTag : int {
  kTagMoveLeft = 1,
  kTagMoveRight = 2,
  kTagAbout = 9,
  kTagBack = 101,
  kTagNewFolder = 102,
  kTagShellFolders = 103,
  kTagGodMode = 104,
};

// Tags of the context menu's items; they are also the items' command identifiers.
enum CommandTag : int {
  kTagOpen = 1,
  kTagRunAsAdministrator = 2,
  kTagOpenFileLocation = 3,
  kTagProperties = 4,
  kTagExecutionParameters = 5,
  kTagDelete = 8,
};

class Form1 : public Window {
 public:
  static constexpr const char* kCaption = "Kovrant 2024.02.01";

  // settingsFile: where the menu is kept; normally beside the program.
  explicit Form1(Text settingsFile);
  ~Form1() override;

  // Creates and shows the window; false when it could not be created.
  [[nodiscard]] bool Create(int showCommand);
  // The program's own window ends the message loop when it is destroyed.
  void QuitWhenDestroyed() { quitWhenDestroyed_ = true; }

  // State that tests and the command handlers read.
  EntryTable& Table() { return table_; }
  const DirectoryValues& Dirs() const { return dirs_; }
  const Text& CurrentFolder() const { return currentFolder_; }
  HWND ListView() const { return lv_; }
  HWND StatusBar() const { return bar_.hwnd(); }
  HIMAGELIST ViewImages() const { return iml_.List(); }
  HIMAGELIST StockImages() const { return iml1_.get(); }
  HWND ToolButtonWindow(int tag) const;
  int EditingFlag() const { return editing_; }
  void SetEditingFlag(int value) { editing_ = value; }

  // The folder view.
  void ShowFolder(const Text& folder);
  void AddIcons(const std::vector<Text>& lines);
  int FindSelected();
  void LVDblClick();
  void LVKeyDown(WORD key);
  // Keyboard ways to the tool buttons: Ctrl+N New Folder, Ctrl+Left and Ctrl+Right the
  // moves, F1 Info. Like the view's own keys they wait while a caption is edited.
  void ToolShortcut(WORD key);
  void BACKClick();

  // Adding entries (ui/adding_win.cpp).
  void OnDropFiles(HDROP drop);
  void NEW_FOLDERClick();
  // Adds one entry to the current folder and appends its icon: mode 1 for a dropped
  // path, 0 for a new virtual folder's cleaned name. A caption the folder already holds
  // is skipped. False only when the table is full and the entry could not be added.
  [[nodiscard]] bool AddEntry(const Text& text, int mode);

  // Rename in place and reorder (ui/rename_win.cpp).
  void LVEditing();
  // Renames the entry behind the icon to the committed text and leaves in text what
  // the icon is to show: the name as stored when the rename is accepted (true). When it
  // is refused (false) the old caption is kept as the caption before the edit, which
  // LVChange writes back.
  bool LVEdited(int index, Text& text);
  void LVChange(int index);
  // Moves the selected icon one place left (Tag 1) or right (Tag 2) within the folder.
  void moveleftClick(int tag);
  // The view's end-of-edit notification: runs LVEdited for a committed edit and writes
  // the resulting caption into the icon.
  LRESULT OnEndLabelEdit(NMLVDISPINFOA& edit);

  // Entry commands and the Info page (ui/commands_win.cpp).
  void LVMouseDown();
  void popup(int tag);
  void DeleteEntry();
  // The context menu, built on first use; its command ids are the items' Tags.
  HMENU PopupMenu1();
  // Enables the items that need a file or directory exactly when kind is not a
  // virtual folder; Open and Delete are left as they are.
  static void EnableEntryItems(HMENU menu, int kind);

  // Shell shortcuts (app/shell_shortcuts_win.cpp).
  void PCClick();
  void GODMODEClick();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormCreate();
  void FormClose();
  bool SaveOrAskToLeave();
  void CreateChildren();
  void CreateFonts();
  void CreateImageLists();
  void Layout();
  void OnCommand(int id);
  LRESULT OnNotify(const NMHDR& header);
  void AddToolButton(Panel& panel, int tag, int glyph, const char* hint);
  void ReportOverflow();
  // Entry commands (ui/commands_win.cpp).
  void ShowEntryLocation(int tag);
  void EditExecutionParameters();

  // Window state.
  EntryTable table_;
  DirectoryValues dirs_;
  Text settingsFile_;
  Text currentFolder_;
  SelectedEntry selected_;
  int editing_ = 0;
  int runElevated_ = 0;

  // Components.
  Panel panel1_;
  Panel panel2_;
  Panel panel3_;
  Panel bar_;
  HWND lv_ = nullptr;
  WindowHandle tooltip_;
  std::vector<std::unique_ptr<ToolButton>> buttons_;
  ViewImageList iml_;
  ImageListHandle iml1_;
  FontHandle formFont_;
  FontHandle viewFont_;
  FontHandle barFont_;
  int dpi_ = 96;
  bool quitWhenDestroyed_ = false;
  // The context menu's images outlive the menu that shows them.
  std::vector<BitmapHandle> menuImages_;
  MenuHandle popupMenu1_;
  int popupMenu1Dpi_ = 0;
};

}  // namespace kov
