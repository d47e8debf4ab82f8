// Answers the program's modal dialogs from the test side: a thread timer, which fires
// inside the dialog's own modal loop, runs one step per tick on the visible current
// DialogForm. A dialog still open long after its last step is closed with the close
// box and the test fails, so a broken dialog cannot hang the test run.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "util/dialogs_win.h"

namespace kov::testing_support {

class DialogAnswer {
 public:
  using Step = std::function<void(HWND dialog)>;

  explicit DialogAnswer(std::vector<Step> steps) : steps_(std::move(steps)) {
    active_ = this;
    timer_ = SetTimer(nullptr, 0, 30, &DialogAnswer::OnTimer);
  }
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;
  ~DialogAnswer() {
    KillTimer(nullptr, timer_);
    active_ = nullptr;
  }

  // The dialog window the steps ran on (null when no dialog was ever shown).
  HWND Dialog() const { return dialog_; }
  bool AllStepsRan() const { return next_ == steps_.size(); }

 private:
  static constexpr int kGiveUpTicks = 400;  // about 12 s

  static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (active_) active_->Tick();
  }

  void Tick() {
    DialogForm* form = DialogForm::Current();
    HWND dialog = form ? form->hwnd() : nullptr;
    if (++ticks_ > kGiveUpTicks) {
      if (dialog) PostMessageA(dialog, WM_CLOSE, 0, 0);
      if (ticks_ == kGiveUpTicks + 1) ADD_FAILURE() << "the dialog did not close after the test's answer";
      return;
    }
    if (!dialog || !IsWindowVisible(dialog) || next_ >= steps_.size()) return;
    dialog_ = dialog;
    steps_[next_++](dialog);
  }

  static inline DialogAnswer* active_ = nullptr;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int ticks_ = 0;
  HWND dialog_ = nullptr;
  UINT_PTR timer_ = 0;
};

// Posts a key to the focused control, as the keyboard would deliver it.
inline void PostKey(HWND dialog, WPARAM key, bool alt = false) {
  HWND focus = GetFocus();
  HWND target = focus ? focus : dialog;
  PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 | (1 << 29)) : 1);
}

inline void PressCloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

inline RECT ChildBounds(HWND dialog, HWND child) {
  RECT bounds{};
  GetWindowRect(child, &bounds);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

inline RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

inline RECT WindowBounds(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

inline Text TextOf(HWND window) {
  char buffer[4096] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

inline Text ClassOf(HWND window) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

// A plain visible top-level window to own the dialogs.
class OwnerWindow {
 public:
  OwnerWindow() {
    window_ = CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 500, 400, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  ~OwnerWindow() { DestroyWindow(window_); }
  HWND get() const { return window_; }

 private:
  HWND window_;
};

}  // namespace kov::testing_support
