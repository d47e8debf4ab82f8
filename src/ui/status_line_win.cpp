#include "ui/status_line_win.h"

namespace kov {

namespace {

constexpr UINT_PTR kMessageTimer = 1;
constexpr UINT kMessageMilliseconds = 4000;

}  // namespace

void StatusLine::Show(const Text& lasting) {
  KillTimer(hwnd(), kMessageTimer);
  folderText_ = "  " + lasting;
  SetText(folderText_);
}

void StatusLine::Say(const Text& message) {
  SetText("  " + message);
  SetTimer(hwnd(), kMessageTimer, kMessageMilliseconds, nullptr);
}

LRESULT StatusLine::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kMessageTimer) {
    KillTimer(hwnd(), kMessageTimer);
    SetText(folderText_);
    return 0;
  }
  return Panel::HandleMessage(message, wParam, lParam);
}

}  // namespace kov
