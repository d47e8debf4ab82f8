#include "app/form1_win.h"

#include <shellapi.h>

#include <algorithm>

#include "app/resource_ids.h"
#include "app/resources_win.h"
#include "app/single_instance_win.h"
#include "shell/godmode_win.h"
#include "shell/shell_menu_win.h"
#include "ui/adding_win.h"
#include "ui/command_tags.h"
#include "ui/entry_commands_win.h"
#include "ui/navigation_win.h"
#include "ui/palette_win.h"
#include "ui/rename_win.h"
#include "ui/tab_order.h"
#include "util/dialogs_win.h"
#include "util/dpi_win.h"
#include "util/fonts_win.h"
#include "util/html_window_win.h"

namespace kov {

namespace {

constexpr int kToolBarLeftId = 10;
constexpr int kSpacerId = 11;
constexpr int kToolBarRightId = 12;
constexpr int kBarId = 13;
constexpr int kListViewId = 14;
constexpr UINT kReportLoadMessage = WM_APP + 1;
constexpr int kSnapDistance = 10;
constexpr int kMinimumClientWidth = 440;
constexpr int kMinimumClientHeight = 160;

// Room for a path of MAX_PATH UTF-16 units in UTF-8, which takes up to three bytes for
// each of them.
constexpr UINT kPathBytes = 3 * MAX_PATH;

Text SystemDirectoryValue(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[kPathBytes + 1] = {};
  const UINT length = query(buffer, kPathBytes);
  return CleanDirectoryValue(length > 0 && length <= kPathBytes ? Text(buffer, length) : Text());
}

Text TempDirectoryValue() {
  char buffer[kPathBytes + 1] = {};
  const DWORD length = GetTempPathA(kPathBytes, buffer);
  return CleanDirectoryValue(length > 0 && length <= kPathBytes ? Text(buffer, length) : Text());
}

// The file system seen by a 64-bit Windows is the native one for the whole run.
void DisableFileSystemRedirection() {
  using DisableFunction = BOOL(WINAPI*)(PVOID*);
  const auto disable = reinterpret_cast<DisableFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "Wow64DisableWow64FsRedirection")));
  PVOID previous = nullptr;
  if (disable) disable(&previous);
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

}  // namespace

Form1::Form1(Text settingsFile, ShellRunner shell) : menuFile_(std::move(settingsFile)), shell_(std::move(shell)) {}

Form1::~Form1() = default;

bool Form1::Create(int showCommand) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KOVRANT));
  if (!RegisterClassOnce("TForm1", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon)) return false;
  const int dpi = DpiOf(nullptr);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  // Centred in the work area and never larger, so that the caption and the status bar
  // can always be reached, whatever the DPI and the screen.
  const int width = std::min<int>(Scaled(661, dpi), work.right - work.left);
  const int height = std::min<int>(Scaled(525, dpi), work.bottom - work.top);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  if (!CreateBound(WS_EX_ACCEPTFILES, "TForm1", kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, left, top, width,
                   height, nullptr, nullptr)) {
    return false;
  }
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  return true;
}

bool Form1::CreateChildren() {
  if (!toolBar_.Create(hwnd(), kToolBarLeftId, kToolBarRightId) || !spacer_.Create(hwnd(), kSpacerId) ||
      !bar_.Create(hwnd(), kBarId) || !view_.Create(hwnd(), kListViewId, bar_) || !ApplyDpi(DpiOf(hwnd()))) {
    return false;
  }
  ApplyPalette();
  std::vector<HWND> stops;
  for (int stop : kTabOrder) stops.push_back(TabStopWindow(stop));
  focus_.SetStops(std::move(stops), view_.hwnd());
  SetFocus(view_.hwnd());
  return true;
}

HWND Form1::TabStopWindow(int stop) const { return stop == kTabStopView ? view_.hwnd() : toolBar_.ButtonWindow(stop); }

// Once the focus has moved by the keyboard, every part shows where it is.
void Form1::MoveFocus(bool backwards) {
  SendMessageA(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focus_.Step(backwards);
}

void Form1::ApplyPalette() {
  const Palette palette = CurrentPalette();
  toolBar_.SetColors(palette.toolBar, palette.buttons);
  spacer_.SetColors(palette.spacer, palette.spacer);
  bar_.SetColors(palette.statusBar, palette.statusText);
}

// The view's pictures are drawn over its background: they are drawn again over the new
// one, and the selected icon stays selected.
void Form1::FollowTheme() {
  ApplyPalette();
  const int selected = view_.SelectedIndex();
  if (!ApplyDpi(dpi_)) return;
  view_.ShowFolder(model_);
  if (selected >= 0) view_.SelectAndFocus(selected);
}

bool Form1::ApplyDpi(int dpi) {
  dpi_ = dpi;
  viewFont_ = MakeFont("Tahoma", 11, dpi);
  barFont_ = MakeFont("Verdana", 13, dpi);
  bar_.SetFont(barFont_.get());
  if (!view_.SetDpi(dpi, viewFont_.get())) return false;
  Layout();
  return true;
}

void Form1::Layout() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int toolBarHeight = ToolBar::Height(dpi_);
  const int spacerHeight = Scaled(16, dpi_);
  const int barHeight = Scaled(25, dpi_);
  toolBar_.Layout(width, dpi_);
  MoveWindow(spacer_.hwnd(), 0, toolBarHeight, width, spacerHeight, TRUE);
  MoveWindow(bar_.hwnd(), 0, client.bottom - barHeight, width, barHeight, TRUE);
  const int viewTop = toolBarHeight + spacerHeight;
  MoveWindow(view_.hwnd(), 0, viewTop, width, std::max<int>(0, client.bottom - barHeight - viewTop), TRUE);
}

// Narrower than this the left and right groups of tool buttons would cover each other;
// lower than this no row of icons would show.
void Form1::LimitTrackSize(MINMAXINFO& limits) const {
  RECT frame{0, 0, Scaled(kMinimumClientWidth, dpi_), Scaled(kMinimumClientHeight, dpi_)};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
  limits.ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
}

void Form1::FormCreate() {
  DisableFileSystemRedirection();
  model_.dirs.workFolder = WorkFolderFrom(CurrentDirSlash());
  menuFile_.Load(model_.table);
  model_.dirs.systemDir = SystemDirectoryValue(GetSystemDirectoryA);
  model_.dirs.tempDir = TempDirectoryValue();
  model_.dirs.windowsDir = SystemDirectoryValue(GetWindowsDirectoryA);
  view_.ShowFolder(model_);
  // Told once the window is on screen.
  PostMessageA(hwnd(), kReportLoadMessage, 0, 0);
}

void Form1::FormClose() {
  if (menuFile_.SaveOrAskToLeave(hwnd(), model_.table)) DestroyWindow(hwnd());
}

void Form1::OnCommand(int id) {
  switch (id) {
    case kTagBack:
      BACKClick();
      break;
    case kTagNewFolder:
      NEW_FOLDERClick();
      break;
    case kTagShellFolders:
      PCClick();
      break;
    case kTagGodMode:
      GODMODEClick();
      break;
    case kTagMoveLeft:
    case kTagMoveRight:
      moveleftClick(id);
      break;
    case kTagAbout:
      popup(id);
      break;
    default:
      if (id > kContextMenuCommandBase) popup(id - kContextMenuCommandBase);
      break;
  }
}

LRESULT Form1::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != view_.hwnd()) return 0;
  switch (header.code) {
    case NM_DBLCLK:
      LVDblClick();
      return 0;
    case LVN_KEYDOWN:
      LVKeyDown(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
      return 0;
    case NM_RCLICK:
      LVMouseDown();
      return 0;
    case LVN_BEGINLABELEDITA:
      LVEditing();
      return FALSE;
    case LVN_ENDLABELEDITA:
      return LVEdited(reinterpret_cast<const NMLVDISPINFOA&>(header));
    case LVN_GETDISPINFOA:
      view_.OnGetDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(header)));
      return 0;
    case LVN_ODFINDITEMA:
    case LVN_ODFINDITEMW:
      return view_.FindIcon(header);
    case LVN_BEGINDRAG:
      LVBeginDrag(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    case LVN_ITEMCHANGED:
      LVChange(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    default:
      return 0;
  }
}

void Form1::LVDblClick() { OpenSelected(Parts(), false); }

void Form1::LVKeyDown(WORD key) { ViewKey(Parts(), key); }

void Form1::LVMouseDown() {
  if (const int command = ChooseFromContextMenu(Parts(), contextMenu_, dpi_)) OnCommand(command);
}

void Form1::LVEditing() { BeginRename(Parts()); }

LRESULT Form1::LVEdited(const NMLVDISPINFOA& edit) { return EndRename(Parts(), edit); }

void Form1::LVChange(int index) { IconChanged(Parts(), index); }

void Form1::LVBeginDrag(int index) { drag_.Begin(Parts(), index, toolBar_.ButtonWindow(kTagBack)); }

void Form1::BACKClick() { GoBack(Parts()); }

void Form1::NEW_FOLDERClick() { AddNewFolder(Parts()); }

void Form1::moveleftClick(int tag) { MoveSelected(Parts(), tag == kTagMoveRight ? 1 : -1); }

void Form1::OnDropFiles(HDROP drop) { AddDroppedFiles(Parts(), drop); }

void Form1::popup(int tag) {
  const LauncherParts parts = Parts();
  switch (tag) {
    case kTagOpen:
    case kTagRunAsAdministrator:
      OpenSelected(parts, tag == kTagRunAsAdministrator);
      break;
    case kTagOpenFileLocation:
    case kTagProperties:
      ShowEntryLocation(parts, tag);
      break;
    case kTagExecutionParameters:
      EditExecutionParameters(parts);
      break;
    case kTagDelete:
      DeleteSelected(parts);
      break;
    case kTagAbout:
      ShowHtmlWindow(hwnd(), "Info", LoadTextResource(IDR_INFO_HTML));
      break;
    default:
      break;
  }
}

void Form1::PCClick() {
  POINT cursor{};
  GetCursorPos(&cursor);
  ShowShellFoldersMenu(hwnd(), LoadTextResource(IDR_SHELL_CATALOGUE), cursor, shell_);
}

void Form1::GODMODEClick() { OpenGodModeFolder(shell_); }

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      if (!CreateChildren()) return -1;
      FormCreate();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      focus_.Restore();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) focus_.Remember();
      return Window::HandleMessage(message, wParam, lParam);
    case WM_NEXTDLGCTL:
      MoveFocus(wParam != 0);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_GETMINMAXINFO:
      LimitTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(lParam), hwnd());
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      if (ApplyDpi(HIWORD(wParam))) view_.ShowFolder(model_);
      return 0;
    }
    case WM_SYSCOLORCHANGE:
      SendMessageA(view_.hwnd(), message, wParam, lParam);
      FollowTheme();
      return 0;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETHIGHCONTRAST) FollowTheme();
      return Window::HandleMessage(message, wParam, lParam);
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case kReportLoadMessage:
      menuFile_.ReportLoad(hwnd(), model_.table);
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_QUERYENDSESSION:
      return menuFile_.SaveBeforeSessionEnd(hwnd(), model_.table);
    case WM_ENDSESSION:
      ShutdownBlockReasonDestroy(hwnd());
      return 0;
    case WM_DESTROY:
      SingleInstance::UnmarkWindow(hwnd());
      if (quitWhenDestroyed_) PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
