// A Form1 started in-process on a prepared settings file in a temporary working folder,
// as the adding and rename tests drive it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1_win.h"
#include "gui_support_win.h"

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
  // A new window on the settings file as it stands.
  void Restart() {
    if (form_ && form_->hwnd()) DestroyWindow(form_->hwnd());
    form_ = std::make_unique<Form1>(settings_);
    ASSERT_TRUE(form_->Create(SW_SHOWNORMAL));
    PumpMessages(50);
  }
  void CloseWindow() {
    SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
    PumpMessages(20);
  }

  HWND View() const { return form_->ListView(); }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < IconCount(View()); ++i) captions.push_back(IconText(View(), i));
    return captions;
  }
  std::vector<std::string> Lines() const { return form_->Table().Lines(); }
  std::string Bar() const { return WindowText(form_->StatusBar()); }
  void Open(int index) {
    SelectIcon(View(), index);
    DoubleClickIcon(View(), index);
    PumpMessages(20);
  }

  TempFolder work_{testing::UnitTest::GetInstance()->current_test_info()->name()};
  CurrentDirectoryScope inWork_{work_.Path()};
  std::string settings_ = work_.Path() + "kovrant.ini";
  std::unique_ptr<Form1> form_;
};

}  // namespace kov::test
