#include "ui/status_line_win.h"

namespace kov {

namespace {

constexpr UINT_PTR kMessageTimer = 1;
constexpr UINT kMessageMilliseconds = 4000;

}  // namespace

void StatusLine::Show(const Text& lasting) {
  StopSaying();
  Keep(lasting);
}

void StatusLine::StopSaying() {
  if (!saying_) return;
  KillTimer(hwnd(), kMessageTimer);
  saying_ = false;
}

void StatusLine::Keep(const Text& lasting) {
  folderText_ = "  " + lasting;
  if (!saying_) SetText(folderText_);
}

void StatusLine::Say(const Text& message) {
  saying_ = true;
  message_ = message;
  SetText("  " + message);
  SetTimer(hwnd(), kMessageTimer, kMessageMilliseconds, nullptr);
}

void StatusLine::SayAlso(const Text& message) { Say(saying_ ? message_ + "  " + message : message); }

LRESULT StatusLine::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kMessageTimer) {
    KillTimer(hwnd(), kMessageTimer);
    saying_ = false;
    SetText(folderText_);
    return 0;
  }
  return Panel::HandleMessage(message, wParam, lParam);
}

}  // namespace kov
