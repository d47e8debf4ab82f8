#include "app/window_frame_win.h"

#include <algorithm>
#include <cstdlib>

#include "ui/tool_bar_layout.h"
#include "util/dpi_win.h"

namespace kov {

namespace {

constexpr int kSnapDistance = 10;
// Lower than this no row of icons would show.
constexpr int kMinimumClientHeight = 160;

}  // namespace

RECT FirstPlace(int widthAt96, int heightAt96, int dpi) {
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int width = std::min<int>(Scaled(widthAt96, dpi), work.right - work.left);
  const int height = std::min<int>(Scaled(heightAt96, dpi), work.bottom - work.top);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  return {left, top, left + width, top + height};
}

WindowSize LeastWindowSize(DWORD style, DWORD exStyle, int dpi) {
  RECT frame{0, 0, ToolBarLeastWidth(dpi), Scaled(kMinimumClientHeight, dpi)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

std::optional<RECT> KeptPlace(const std::optional<WindowPlace>& kept, int dpi, WindowSize least) {
  if (!kept || kept->width <= 0 || kept->height <= 0) return std::nullopt;
  const WindowPlace now = PlaceAtDpi(*kept, dpi, least);
  const RECT place{now.left, now.top, now.left + now.width, now.top + now.height};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  HMONITOR screen = MonitorFromRect(&place, MONITOR_DEFAULTTONULL);
  if (!screen || !GetMonitorInfoA(screen, &monitor)) return std::nullopt;
  RECT inside{};
  IntersectRect(&inside, &place, &monitor.rcWork);
  if (!EqualRect(&inside, &place)) return std::nullopt;
  return place;
}

WindowPlace PlaceToKeep(HWND window, const RECT& normal, int dpi) {
  return {normal.left,
          normal.top,
          normal.right - normal.left,
          normal.bottom - normal.top,
          IsZoomed(window) != FALSE,
          dpi};
}

void SnapToWorkArea(WINDOWPOS& position, HWND window) {
  if (position.flags & SWP_NOMOVE) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  const RECT& area = monitor.rcWork;
  if (std::abs(position.x - area.left) < kSnapDistance) position.x = area.left;
  if (std::abs(position.y - area.top) < kSnapDistance) position.y = area.top;
  if (std::abs(position.x + position.cx - area.right) < kSnapDistance) position.x = area.right - position.cx;
  if (std::abs(position.y + position.cy - area.bottom) < kSnapDistance) position.y = area.bottom - position.cy;
}

void LimitTrackSize(MINMAXINFO& limits, HWND window, int dpi) {
  const WindowSize least = LeastWindowSize(static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)),
                                           static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)), dpi);
  limits.ptMinTrackSize = {least.width, least.height};
}

}  // namespace kov
