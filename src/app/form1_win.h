// Form1, the launcher's one window: the tool bar, the icon view of the current virtual
// folder and the status bar, over the model that the commands of ui/ change. Form1
// turns the window's messages into those commands; each handler below forwards to one.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "store/launch_win.h"
#include "ui/context_menu_win.h"
#include "ui/drag_arrange_win.h"
#include "ui/focus_cycle_win.h"
#include "ui/folder_view_win.h"
#include "ui/kept_state_win.h"
#include "ui/launcher_model.h"
#include "ui/launcher_parts_win.h"
#include "ui/menu_file_win.h"
#include "ui/search_index_win.h"
#include "ui/status_line_win.h"
#include "ui/summon_key_win.h"
#include "ui/tool_bar_win.h"
#include "util/handles_win.h"
#include "util/panel_win.h"
#include "util/window_win.h"

namespace kov {

class Form1 : public Window, private ViewListener {
 public:
  static constexpr const char* kCaption = "Kovrant 2024.02.01";

  // menuFile: where the menu is kept, normally beside the program. shell carries
  // out what the window asks of the Windows shell.
  explicit Form1(MenuFile menuFile, ShellRunner shell = ExecuteWithShell);
  ~Form1() override;

  // Creates and shows the window; false when it could not be created.
  [[nodiscard]] bool Create(int showCommand);
  // The program's own window ends the message loop when it is destroyed.
  void QuitWhenDestroyed() { quitWhenDestroyed_ = true; }

  // What tests and benchmarks observe.
  const LauncherModel& Model() const { return model_; }
  const FolderView& View() const { return view_; }
  HWND StatusBar() const { return bar_.hwnd(); }
  HWND ToolButtonWindow(int tag) const { return toolBar_.ButtonWindow(tag); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LauncherParts Parts() { return {hwnd(), model_, view_, toolBar_.Search(), menuFile_, shell_}; }
  static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  static constexpr DWORD kExStyle = WS_EX_ACCEPTFILES;

  void PlaceAsKept();
  [[nodiscard]] bool CreateChildren();
  [[nodiscard]] bool ApplyDpi(int dpi);
  void ApplyPalette();
  void FollowTheme();
  // A change of the system's settings: the app mode or high contrast.
  void OnSettingChange(WPARAM wParam, LPARAM lParam);
  void Layout();
  HWND TabStopWindow(int stop);
  void MoveFocus(bool backwards);
  void OnCommand(WPARAM wParam);

  void FormCreate();
  void FormClose();
  void AfterFirstPaint();
  void RegisterSummonKey();
  // The state file's use scores into the model, once; waits for them when they are not
  // read yet.
  void TakeUses();
  void TakeUsesFor(UINT message, LPARAM lParam);
  void KeepState();

  // What the user did to the icons, as the view tells it.
  bool OnRenameStarting() override;
  void OnRenamed(int index, const char* text) override;
  void OnIconChanged(int index) override;
  void OnDragStarted(int index) override;

  MenuFile menuFile_;
  KeptState keptState_;
  SummonKey summonKey_;
  SearchIndexMaker indexMaker_;
  RECT normalPlace_{};  // the window's place when last neither minimised nor maximised
  ShellRunner shell_;
  LauncherModel model_;
  ToolBar toolBar_;
  Panel spacer_;
  StatusLine bar_;
  FolderView view_;
  DragArrange drag_;
  ContextMenu contextMenu_;
  FocusCycle focus_;
  FontHandle viewFont_;
  FontHandle barFont_;
  int dpi_ = 96;
  bool darkTitleBar_ = false;
  bool quitWhenDestroyed_ = false;
  bool usesTaken_ = false;
  Text summonRefused_;  // why the summon key could not be had, said with the state's problems
};

}  // namespace kov
