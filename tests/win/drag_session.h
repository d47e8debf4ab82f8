// A window session whose icons are dragged with the mouse, as a user drags them.
#pragma once

#include <vector>

#include "form1_session.h"

namespace kov::test {

class DragArrangeTest : public Form1Session {
 protected:
  // A point of the icon's picture on screen: across is how far from its left, 0 to 1.
  POINT OnIcon(int index, double across) const {
    RECT bounds{};
    ListView_GetItemRect(View(), index, &bounds, LVIR_ICON);
    POINT point{bounds.left + static_cast<LONG>((bounds.right - bounds.left) * across),
                (bounds.top + bounds.bottom) / 2};
    ClientToScreen(View(), &point);
    return point;
  }
  static INPUT MouseInput(DWORD flags, POINT at = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | (flags & MOUSEEVENTF_MOVE ? MOUSEEVENTF_ABSOLUTE : 0);
    return input;
  }
  // Sends the inputs one by one from a timer of the test thread, so that they go on
  // while the view waits in a loop of its own for the mouse to leave where it was pressed.
  static void Send(std::vector<INPUT> inputs) {
    std::size_t next = 0;
    ThreadTimer timer(20, [&] {
      if (next < inputs.size()) SendInput(1, &inputs[next++], sizeof(INPUT));
    });
    WaitFor([&] { return next == inputs.size(); }, 5000);
    PumpMessages(100);
  }
  // Presses the button on the icon and moves, in steps, to the point, holding it there.
  void DragTo(int index, POINT to) {
    const POINT from = OnIcon(index, 0.5);
    std::vector<INPUT> gesture = {MouseInput(MOUSEEVENTF_MOVE, from), MouseInput(MOUSEEVENTF_LEFTDOWN)};
    for (int step = 1; step <= 4; ++step) {
      gesture.push_back(
          MouseInput(MOUSEEVENTF_MOVE, {from.x + (to.x - from.x) * step / 4, from.y + (to.y - from.y) * step / 4}));
    }
    Send(gesture);
  }
  static void Release() { Send({MouseInput(MOUSEEVENTF_LEFTUP)}); }
};

}  // namespace kov::test
