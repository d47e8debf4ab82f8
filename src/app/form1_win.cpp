#include "app/form1_win.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <ctime>

#include "app/command_runner_win.h"
#include "app/resource_ids.h"
#include "app/run_directories_win.h"
#include "app/single_instance_win.h"
#include "app/window_frame_win.h"
#include "store/targets.h"
#include "ui/adding_win.h"
#include "ui/clipboard_commands_win.h"
#include "ui/icon_sizes.h"
#include "ui/menu_change_win.h"
#include "ui/palette_win.h"
#include "ui/rename_win.h"
#include "ui/search_win.h"
#include "ui/tab_order.h"
#include "util/child_window_win.h"
#include "util/dark_frame_win.h"
#include "util/dialog_form_win.h"
#include "util/dpi_win.h"
#include "util/fonts_win.h"

namespace kov {

namespace {

constexpr int kToolBarLeftId = 10;
constexpr int kSpacerId = 11;
constexpr int kToolBarRightId = 12;
constexpr int kBarId = 13;
constexpr int kListViewId = 14;
constexpr int kSearchFieldId = 15;
constexpr UINT kAfterFirstPaintMessage = WM_APP + 1;
// Looks whether the use lines have been read, a few times a second until they have.
constexpr UINT_PTR kUsesTimer = 0x5553;
constexpr UINT kUsesMilliseconds = 40;

// Where the window's own parts go in a client area at the DPI; the tool bar places its
// parts itself.
struct FormPlaces {
  RECT spacer;
  RECT bar;
  RECT view;
};

FormPlaces PlacesFor(const RECT& client, int dpi) {
  const int width = client.right;
  const int toolBarHeight = ToolBar::Height(dpi);
  const int spacerHeight = Scaled(16, dpi);
  const int barHeight = Scaled(25, dpi);
  const int viewTop = toolBarHeight + spacerHeight;
  return {Bounds(0, toolBarHeight, width, spacerHeight), Bounds(0, client.bottom - barHeight, width, barHeight),
          Bounds(0, viewTop, width, std::max<int>(0, client.bottom - barHeight - viewTop))};
}

}  // namespace

Form1::Form1(MenuFile menuFile, ShellRunner shell)
    : menuFile_(std::move(menuFile)), keptState_(menuFile_.Path()), shell_(std::move(shell)) {}

Form1::~Form1() = default;

// Made where a first start puts it, while the state file is read; moved to where it was
// closed before it is shown (PlaceAsKept).
bool Form1::Create(int showCommand) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KOVRANT));
  if (!RegisterClassOnce("TForm1", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon)) return false;
  normalPlace_ = FirstPlace(661, 525, DpiOf(nullptr));
  if (!CreateBound(kExStyle, "TForm1", kCaption, kStyle, normalPlace_, nullptr, nullptr)) {
    return false;
  }
  const std::optional<WindowPlace>& kept = keptState_.State().place;
  // Maximized again unless the start asked for another show (a shortcut's "Minimized");
  // a start that asked for none, as from a command line, passes SW_SHOWDEFAULT.
  const bool asked = showCommand != SW_SHOWNORMAL && showCommand != SW_SHOWDEFAULT;
  const bool maximized = kept && kept->maximized && !asked;
  ShowWindow(hwnd(), maximized ? SW_SHOWMAXIMIZED : showCommand);
  UpdateWindow(hwnd());
  return true;
}

// Where it was closed, in proportion at today's DPI, while that is still on a screen;
// else centred, as at first. Moved before its parts are made, so that they are made where
// the first layout puts them; not snapped to the work area's edges, which only a move by
// the user is.
void Form1::PlaceAsKept() {
  const int dpi = DpiOf(nullptr);
  const std::optional<RECT> kept = KeptPlace(keptState_.State().place, dpi, LeastWindowSize(kStyle, kExStyle, dpi));
  if (!kept) return;
  SetWindowPos(hwnd(), nullptr, kept->left, kept->top, kept->right - kept->left, kept->bottom - kept->top,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
}

// Every part is made where the first layout puts it, so that the layout moves nothing.
bool Form1::CreateChildren() {
  const int dpi = DpiOf(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  const FormPlaces places = PlacesFor(client, dpi);
  if (!toolBar_.Create(hwnd(), kToolBarLeftId, kToolBarRightId, kSearchFieldId, client.right, dpi) ||
      !spacer_.Create(hwnd(), kSpacerId, places.spacer) || !bar_.Create(hwnd(), kBarId, places.bar) ||
      !view_.Create(hwnd(), kListViewId, bar_, *this, places.view)) {
    return false;
  }
  // A size kept by hand between two steps shows as the nearest.
  view_.ChooseIconSize(IconSizeStep(keptState_.State().iconSize));
  ApplyPalette();
  if (!ApplyDpi(dpi)) return false;
  std::vector<HWND> stops;
  for (int stop : kTabOrder) stops.push_back(TabStopWindow(stop));
  focus_.SetStops(std::move(stops), view_.hwnd());
  SetFocus(view_.hwnd());
  // Entries cut look cut only while the clipboard holds the cut.
  AddClipboardFormatListener(hwnd());
  return true;
}

HWND Form1::TabStopWindow(int stop) {
  if (stop == kTabStopView) return view_.hwnd();
  return stop == kTabStopSearch ? toolBar_.Search().hwnd() : toolBar_.ButtonWindow(stop);
}

// Once the focus has moved by the keyboard, every part shows where it is.
void Form1::MoveFocus(bool backwards) {
  SendMessageA(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  focus_.Step(backwards);
}

void Form1::ApplyPalette() {
  const Palette palette = CurrentPalette(keptState_.State().theme);
  toolBar_.SetColors(palette.toolBar, palette.buttons, palette.field, palette.fieldText);
  spacer_.SetColors(palette.spacer, palette.spacer);
  bar_.SetColors(palette.statusBar, palette.statusText);
  view_.SetColors(palette);
  // Asked only of a change, so that a light window never loads the library it takes.
  if (palette.dark != darkTitleBar_) UseDarkTitleBar(hwnd(), palette.dark);
  darkTitleBar_ = palette.dark;
  FormLook() = {palette.dark, palette.page, palette.pageText, palette.field, palette.fieldText};
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

// Windows names the app mode's setting "ImmersiveColorSet" when it changes.
void Form1::OnSettingChange(WPARAM wParam, LPARAM lParam) {
  const auto* area = reinterpret_cast<const char*>(lParam);
  if (wParam == SPI_SETHIGHCONTRAST || (area && std::strcmp(area, "ImmersiveColorSet") == 0)) FollowTheme();
}

bool Form1::ApplyDpi(int dpi) {
  dpi_ = dpi;
  viewFont_ = MakeFont("Tahoma", 11, dpi);
  barFont_ = MakeFont("Verdana", 13, dpi);
  bar_.SetFont(barFont_.get());
  toolBar_.Search().SetFont(viewFont_.get());
  if (!view_.SetDpi(dpi, viewFont_.get())) return false;
  Layout();
  return true;
}

void Form1::Layout() {
  RECT client;
  GetClientRect(hwnd(), &client);
  // A window not yet on screen is painted whole when shown: moving its parts needs no
  // repaint, which under a slow window server costs start-up time.
  const bool repaint = IsWindowVisible(hwnd());
  toolBar_.Layout(client.right, dpi_, repaint);
  const FormPlaces places = PlacesFor(client, dpi_);
  PlaceChild(spacer_.hwnd(), places.spacer, repaint);
  PlaceChild(bar_.hwnd(), places.bar, repaint);
  PlaceChild(view_.hwnd(), places.view, repaint);
}

void Form1::FormCreate() {
  model_.dirs = ReadRunDirectories();
  menuFile_.Load(model_.table);
  menuFile_.Attach(hwnd(), bar_);
  view_.ShowFolder(model_);
  // Done once the window is on screen and painted.
  PostMessageA(hwnd(), kAfterFirstPaintMessage, 0, 0);
}

void Form1::AfterFirstPaint() {
  // Read on a thread from the timer's first tick, so that they take nothing from the
  // window's first showing; taken when they are read, or at once by what needs them
  // (TakeUsesFor).
  SetTimer(hwnd(), kUsesTimer, kUsesMilliseconds, nullptr);
  RegisterSummonKey();
  if (menuFile_.ReportLoad(hwnd(), model_.table)) {
    TableChanged(model_, std::time(nullptr));
    view_.ShowFolder(model_);
  }
  // The first icon is selected from the start, so that Enter, F2, Delete and Shift+F10
  // act on it before anything is clicked; not while the window is being made, whose
  // parts the selection's notifications reach.
  if (view_.SelectedIndex() < 0 && view_.Count() > 0) view_.SelectAndFocus(0);
  indexMaker_.Start(model_);
}

// The summon key, named in the search field's tip; one word in the status bar when it
// cannot be had, or when the state file held lines that could not be read, said once the
// use lines are read.
void Form1::RegisterSummonKey() {
  summonRefused_ =
      summonKey_.Register(hwnd(), keptState_.State().hotkey, FileNamePart(StatePathFor(menuFile_.Path())));
  toolBar_.AddTips(summonKey_.SearchTip());
}

void Form1::TakeUses() {
  if (usesTaken_) return;
  usesTaken_ = true;
  KillTimer(hwnd(), kUsesTimer);
  model_.scores = keptState_.TakeUses();
  const Text problems = keptState_.Problems();
  const Text told =
      problems.empty() || summonRefused_.empty() ? problems + summonRefused_ : problems + "  " + summonRefused_;
  if (!told.empty()) bar_.Say(told);
}

// What the user does, a reload of the menu and the close may use or change the scores.
void Form1::TakeUsesFor(UINT message, LPARAM lParam) {
  if (usesTaken_) return;
  switch (message) {
    case WM_COMMAND:
    case WM_CONTEXTMENU:
    case WM_DROPFILES:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_TIMER:
      return TakeUses();
    case WM_NOTIFY: {
      const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
      if (code == LVN_BEGINLABELEDITA || code == LVN_BEGINDRAG) TakeUses();
      return;
    }
    default:
      return;
  }
}

// The window's place was kept up to date as it moved; the state file is written only
// when anything changed.
void Form1::KeepState() {
  keptState_.Save(model_.scores, PlaceToKeep(hwnd(), normalPlace_, dpi_), view_.IconSize());
}

void Form1::FormClose() {
  if (!menuFile_.SaveOrAskToLeave(hwnd(), model_.table)) return;
  KeepState();
  DestroyWindow(hwnd());
}

void Form1::OnCommand(WPARAM wParam) {
  if (LOWORD(wParam) == kSearchFieldId) {
    if (HIWORD(wParam) != EN_CHANGE) return;
    if (!model_.search) indexMaker_.HandOver(model_, true);
    SearchTyped(Parts(), toolBar_.Search().Typed());
    return;
  }
  const LauncherParts parts = Parts();
  // An accelerator's notification code: the view's keys.
  const bool byKeyboard = HIWORD(wParam) == 1;
  RunCommand({parts, contextMenu_, dpi_, byKeyboard, summonKey_.KeyName()}, CommandOfWindowId(LOWORD(wParam)));
}

bool Form1::OnRenameStarting() { return BeginRename(Parts()); }

void Form1::OnRenamed(int index, const char* text) { EndRename(Parts(), index, text); }

void Form1::OnIconChanged(int index) {
  IconChanged(Parts(), index);
  view_.ShowSelection(model_, view_.SelectedIndex());
}

// Found entries come from many folders: they are arranged in their own folder.
void Form1::OnDragStarted(int index) {
  if (!model_.search) drag_.Begin(Parts(), index, *toolBar_.Button(kTagBack));
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kUsesTimer) {
    keptState_.StartReadingUses();
    if (keptState_.UsesReady()) TakeUses();
    return 0;
  }
  TakeUsesFor(message, lParam);
  switch (message) {
    case WM_CREATE:
      PlaceAsKept();
      if (!CreateChildren()) return -1;
      FormCreate();
      return 0;
    case WM_SIZE:
    case WM_MOVE:
      if (!IsIconic(hwnd()) && !IsZoomed(hwnd())) GetWindowRect(hwnd(), &normalPlace_);
      // Not before its parts are made: the window is moved to its kept place first.
      if (message == WM_SIZE && view_.hwnd()) Layout();
      return 0;
    case WM_HOTKEY:
      summonKey_.Pressed(hwnd(), toolBar_.Search().hwnd());
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
      OnCommand(wParam);
      return 0;
    case WM_CONTEXTMENU:
      // Shift+F10 or the menu key on a tool button: the selected icon's menu, as in the view.
      if (lParam != -1) return Window::HandleMessage(message, wParam, lParam);
      RunCommand({Parts(), contextMenu_, dpi_, true}, Command::ContextMenu);
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      return header.hwndFrom == view_.hwnd() ? view_.OnNotify(header) : 0;
    }
    case WM_TIMER:
      if (std::optional<EntryTable> fileMenu = menuFile_.OnTimer(wParam, model_.table)) {
        ShowMenuFromFile(Parts(), std::move(*fileMenu));
      }
      // The file's timers tick twice a second: the index follows the table as often.
      indexMaker_.HandOver(model_, false);
      indexMaker_.Start(model_);
      return 0;
    case WM_GETMINMAXINFO:
      LimitTrackSize(*reinterpret_cast<MINMAXINFO*>(lParam), hwnd(), dpi_);
      return 0;
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(lParam), hwnd());
      return 0;
    case WM_DPICHANGED: {
      // Moved to its kept place before its parts are made: it keeps that place, and its
      // parts are made at its DPI.
      if (!view_.hwnd()) return 0;
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
      OnSettingChange(wParam, lParam);
      return Window::HandleMessage(message, wParam, lParam);
    case WM_CLIPBOARDUPDATE:
      ForgetStaleCut(Parts());
      return 0;
    case WM_DROPFILES:
      AddDroppedFiles(Parts(), reinterpret_cast<HDROP>(wParam));
      return 0;
    case kAfterFirstPaintMessage:
      AfterFirstPaint();
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_QUERYENDSESSION:
      KeepState();
      return menuFile_.SaveBeforeSessionEnd(hwnd(), model_.table);
    case WM_ENDSESSION:
      ShutdownBlockReasonDestroy(hwnd());
      return 0;
    case WM_DESTROY:
      RemoveClipboardFormatListener(hwnd());
      SingleInstance::UnmarkWindow(hwnd());
      if (quitWhenDestroyed_) PostQuitMessage(0);
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

}  // namespace kov
