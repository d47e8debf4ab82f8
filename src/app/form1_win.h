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
  const Text& SettingsFile() const { return settingsFile_; }
  HWND ListView() const { return lv_; }
  HWND StatusBar() const { return bar_.hwnd(); }
  HIMAGELIST ViewImages() const { return iml_.get(); }
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
  void BACKClick();

  // Adding entries (ui/adding_win.cpp).
  void OnDropFiles(HDROP drop);
  void NEW_FOLDERClick();

  // Rename in place and reorder (ui/rename_win.cpp).
  void LVEditing();
  // The edited text as the view should write it into the icon, or false to keep the
  // old caption.
  bool LVEdited(int index, Text& text);
  void LVChange(int index);
  void moveleftClick(int tag);
  // The view's end-of-edit notification: runs LVEdited for a committed edit and writes
  // the resulting caption into the icon.
  LRESULT OnEndLabelEdit(NMLVDISPINFOA& edit);

  // Entry commands and the Info page (ui/commands_win.cpp).
  void LVMouseDown();
  void popup(int tag);
  void DeleteEntry();

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
  ImageListHandle iml_;
  ImageListHandle iml1_;
  IconHandle missingTargetIcon_;
  IconHandle virtualFolderIcon_;
  FontHandle formFont_;
  FontHandle viewFont_;
  FontHandle barFont_;
  int dpi_ = 96;
  bool quitWhenDestroyed_ = false;
};

}  // namespace kov
