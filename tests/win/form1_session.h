// A Form1 started in-process on a prepared settings file in a temporary working folder,
// as the adding and rename tests drive it.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "ui/artwork_win.h"
#include "ui/command_list.h"
#include "gui_support_win.h"
#include "shell_request_recorder.h"
#include "../core/table_of.h"

namespace kov::test {

class Form1Session : public testing::Test {
 protected:
  ~Form1Session() override {
    if (form_ && form_->hwnd()) DestroyWindow(form_->hwnd());
    form_.reset();
  }

  // Starts the window on a settings file holding lines; none: a first start.
  void Start(const std::vector<std::string>& lines = {}) {
    if (!lines.empty()) {
      std::string text;
      for (const std::string& line : lines) text += line + "\r\n";
      WriteBytes(settings_, text);
    }
    Restart();
  }
  // A new window on the settings file as it stands, started with this show command.
  void Restart(int show = SW_SHOWNORMAL) {
    if (form_ && form_->hwnd()) DestroyWindow(form_->hwnd());
    form_ = std::make_unique<Form1>(MenuFile(settings_), shell_.Runner());
    ASSERT_TRUE(form_->Create(show));
    PumpMessages(50);
  }
  void CloseWindow() {
    SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
    PumpMessages(20);
  }

  HWND View() const { return form_->View().hwnd(); }
  const LauncherModel& Model() const { return form_->Model(); }
  // A context-menu item chosen, as the menu reports the choice to the window.
  void Choose(Command command) {
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(CommandWindowId(command), 0), 0);
  }
  // A tool button clicked.
  void Click(int tag) {
    SendMessageA(form_->ToolButtonWindow(tag), BM_CLICK, 0, 0);
    PumpMessages(20);
  }
  // The view's right click on the selected icon, as the view reports it to the window.
  void RightClick() {
    NMHDR header{View(), static_cast<UINT_PTR>(GetDlgCtrlID(View())), static_cast<UINT>(NM_RCLICK)};
    SendMessageA(form_->hwnd(), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
  }
  // True when the icon shows the stock picture, drawn as the view draws its pictures.
  bool ShowsStock(int icon, int stock) const {
    int size = 0;
    ImageList_GetIconSize(form_->View().Images(), &size, &size);
    ImageListHandle pictures(ImageList_Create(size, size, ILC_COLOR32, 1, 0));
    BitmapHandle picture = RenderGlyphOnColor(StockImageArt(stock), size, GetSysColor(COLOR_WINDOW));
    ImageList_Add(pictures.get(), picture.get(), nullptr);
    return SameImage(form_->View().Images(), IconImage(View(), icon), pictures.get(), 0);
  }
  // Opens the in-place caption editor on the icon, as a click on a selected caption does.
  HWND StartEditing(int index) {
    SelectIcon(View(), index);
    PumpMessages(10);
    return reinterpret_cast<HWND>(SendMessageA(View(), LVM_EDITLABELA, static_cast<WPARAM>(index), 0));
  }
  // Keys pressed on the keyboard, released in reverse order, into the focused window.
  void PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyInput(key, 0));
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(KeyInput(*key, KEYEVENTF_KEYUP));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    PumpMessages(50);
  }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < IconCount(View()); ++i) captions.push_back(IconText(View(), i));
    return captions;
  }
  std::vector<std::string> Lines() const { return LinesOf(Model().table); }
  std::string Bar() const { return WindowText(form_->StatusBar()); }
  void Open(int index) {
    SelectIcon(View(), index);
    DoubleClickIcon(View(), index);
    PumpMessages(20);
  }

  static INPUT KeyInput(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = flags | (key == VK_LEFT || key == VK_RIGHT ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
  }

  TempFolder work_{testing::UnitTest::GetInstance()->current_test_info()->name()};
  CurrentDirectoryScope inWork_{work_.Path()};
  std::string settings_ = work_.Path() + "kovrant.ini";
  // Every window of a test hands its shell requests to this recorder.
  ShellRequestRecorder shell_{ShellRequestRecorder::kStartPrograms};
  std::unique_ptr<Form1> form_;
};

}  // namespace kov::test
