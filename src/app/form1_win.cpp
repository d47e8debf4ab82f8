#include "app/form1_win.h"

#include <shellapi.h>
#include <windowsx.h>

#include "app/artwork_win.h"
#include "app/resource_ids.h"
#include "app/single_instance_win.h"
#include "store/settings_file.h"
#include "util/dialogs_win.h"
#include "util/dpi_win.h"
#include "util/fonts_win.h"

namespace kov {

namespace {

constexpr COLORREF kToolBarColor = RGB(236, 240, 255);
constexpr int kPanel1Id = 10;
constexpr int kPanel2Id = 11;
constexpr int kPanel3Id = 12;
constexpr int kBarId = 13;
constexpr int kListViewId = 14;
constexpr UINT kReportOverflowMessage = WM_APP + 1;
constexpr int kSnapDistance = 10;

struct ToolButtonPlace {
  int tag;
  bool inPanel3;
  int left;
  int width;
  ToolGlyph glyph;
  const char* hint;
};

constexpr ToolButtonPlace kToolButtons[] = {
    {kTagBack, false, 0, 60, ToolGlyph::Back, "Back"},
    {kTagNewFolder, false, 51, 60, ToolGlyph::NewFolder, "New Folder"},
    {kTagShellFolders, false, 151, 60, ToolGlyph::ShellFolders, "Shell Folders"},
    {kTagGodMode, false, 208, 60, ToolGlyph::GodMode, "GodMode"},
    {kTagMoveLeft, true, 2, 45, ToolGlyph::MoveLeft, "Move item left"},
    {kTagMoveRight, true, 48, 45, ToolGlyph::MoveRight, "Move item right"},
    {kTagAbout, true, 104, 60, ToolGlyph::Info, "Info"},
};

Text SystemDirectoryValue(UINT(WINAPI* query)(LPSTR, UINT)) {
  char buffer[MAX_PATH + 1] = {};
  const UINT length = query(buffer, MAX_PATH);
  return CleanDirectoryValue(length > 0 && length <= MAX_PATH ? Text(buffer, length) : Text());
}

Text TempDirectoryValue() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, buffer);
  return CleanDirectoryValue(length > 0 && length <= MAX_PATH ? Text(buffer, length) : Text());
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

Form1::Form1(Text settingsFile) : settingsFile_(std::move(settingsFile)) {}

Form1::~Form1() = default;

bool Form1::Create(int showCommand) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_KOVRANT));
  if (!RegisterClassOnce("TForm1", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), icon)) return false;
  const int dpi = DpiOf(nullptr);
  const int width = Scaled(661, dpi);
  const int height = Scaled(525, dpi);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
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

HWND Form1::ToolButtonWindow(int tag) const {
  for (const auto& button : buttons_) {
    if (button->Tag() == tag) return button->hwnd();
  }
  return nullptr;
}

void Form1::CreateFonts() {
  formFont_ = MakeFont("MS Sans Serif", 11, dpi_);
  viewFont_ = MakeFont("Tahoma", 11, dpi_);
  barFont_ = MakeFont("Verdana", 13, dpi_);
  if (lv_) SendMessageA(lv_, WM_SETFONT, reinterpret_cast<WPARAM>(viewFont_.get()), TRUE);
  bar_.SetFont(barFont_.get());
}

void Form1::CreateImageLists() {
  const int size = Scaled(32, dpi_);
  static_cast<void>(iml_.Reset(size, GetSysColor(COLOR_WINDOW)));
  iml1_.reset(ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, kStockImageCount, 0));
  for (int index = 0; index < kStockImageCount; ++index) {
    IconHandle icon = RenderGlyphIcon(StockImageArt(index), size);
    ImageList_AddIcon(iml1_.get(), icon.get());
  }
  if (lv_) ListView_SetImageList(lv_, iml_.List(), LVSIL_NORMAL);
}

void Form1::AddToolButton(Panel& panel, int tag, int glyph, const char* hint) {
  auto button = std::make_unique<ToolButton>();
  if (!button->Create(panel.hwnd(), tag, ToolGlyphArt(static_cast<ToolGlyph>(glyph)), kToolBarColor)) return;
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd();
  tool.uId = reinterpret_cast<UINT_PTR>(button->hwnd());
  tool.lpszText = const_cast<char*>(hint);
  SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  buttons_.push_back(std::move(button));
}

void Form1::CreateChildren() {
  dpi_ = DpiOf(hwnd());
  static_cast<void>(panel1_.Create(hwnd(), kToolBarColor, kPanel1Id));
  static_cast<void>(panel3_.Create(panel1_.hwnd(), kToolBarColor, kPanel3Id));
  static_cast<void>(panel2_.Create(hwnd(), RGB(255, 255, 255), kPanel2Id));
  static_cast<void>(bar_.Create(hwnd(), kToolBarColor, kBarId));
  tooltip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                 GetModuleHandleA(nullptr), nullptr));
  for (const ToolButtonPlace& place : kToolButtons) {
    AddToolButton(place.inPanel3 ? panel3_ : panel1_, place.tag, static_cast<int>(place.glyph), place.hint);
  }
  lv_ = CreateWindowExA(0, WC_LISTVIEWA, "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_AUTOARRANGE | LVS_EDITLABELS |
                            LVS_SINGLESEL | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS,
                        0, 0, 0, 0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListViewId)),
                        GetModuleHandleA(nullptr), nullptr);
  ListView_SetExtendedListViewStyle(lv_, LVS_EX_DOUBLEBUFFER);
  CreateFonts();
  CreateImageLists();
  Layout();
  SetFocus(lv_);
}

void Form1::Layout() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int toolBarHeight = Scaled(41, dpi_);
  const int spacerHeight = Scaled(16, dpi_);
  const int barHeight = Scaled(25, dpi_);
  const int panel3Width = Scaled(165, dpi_);
  MoveWindow(panel1_.hwnd(), 0, 0, width, toolBarHeight, TRUE);
  MoveWindow(panel3_.hwnd(), width - panel3Width, 0, panel3Width, toolBarHeight, TRUE);
  MoveWindow(panel2_.hwnd(), 0, toolBarHeight, width, spacerHeight, TRUE);
  MoveWindow(bar_.hwnd(), 0, client.bottom - barHeight, width, barHeight, TRUE);
  const int viewTop = toolBarHeight + spacerHeight;
  MoveWindow(lv_, 0, viewTop, width, std::max<int>(0, client.bottom - barHeight - viewTop), TRUE);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const ToolButtonPlace& place = kToolButtons[i];
    MoveWindow(buttons_[i]->hwnd(), Scaled(place.left, dpi_), 0, Scaled(place.width, dpi_), Scaled(40, dpi_), TRUE);
  }
}

void Form1::FormCreate() {
  DragAcceptFiles(hwnd(), TRUE);
  DisableFileSystemRedirection();
  editing_ = 0;
  dirs_.workFolder = WorkFolderFrom(CurrentDirSlash());
  LoadEntries(settingsFile_, table_);
  CompactEntries(table_);
  dirs_.systemDir = SystemDirectoryValue(GetSystemDirectoryA);
  dirs_.tempDir = TempDirectoryValue();
  dirs_.windowsDir = SystemDirectoryValue(GetWindowsDirectoryA);
  SeedDefaults(table_);
  runElevated_ = 0;
  currentFolder_.clear();
  ShowFolder(currentFolder_);
  if (!table_.Overflow().empty()) PostMessageA(hwnd(), kReportOverflowMessage, 0, 0);
}

void Form1::ReportOverflow() {
  ShowNotice(hwnd(), 2,
             "The settings file\r\n" + settingsFile_ + "\r\nholds " +
                 IntText(table_.Count() + static_cast<std::int64_t>(table_.Overflow().size())) +
                 " entries; Kovrant shows the first " + IntText(EntryTable::kCapacity) + ".\r\n\r\nThe other " +
                 IntText(static_cast<std::int64_t>(table_.Overflow().size())) +
                 " lines are kept in the file unchanged and are written back when Kovrant closes.");
}

// True when the window may close: the menu was saved, or the user chose to leave
// without saving after being told.
bool Form1::SaveOrAskToLeave() {
  if (SaveEntries(settingsFile_, table_)) return true;
  const Text question = "Kovrant could not save the menu to\r\n" + settingsFile_ +
                        "\r\n\r\nThe drive may be full, write-protected or the file locked. The file was left "
                        "as it was.\r\n\r\nClose anyway and lose the changes of this session?";
  return ConfirmDialog(hwnd(), "Warning", question, MessageType::Warning, kButtonYes | kButtonNo, kResultNo) ==
         kResultYes;
}

void Form1::FormClose() {
  if (SaveOrAskToLeave()) DestroyWindow(hwnd());
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
      break;
  }
}

void Form1::ToolShortcut(WORD key) {
  if (editing_ > 0) return;
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  if (key == VK_F1 && !control) {
    OnCommand(kTagAbout);
  } else if (control && key == 'N') {
    OnCommand(kTagNewFolder);
  } else if (control && key == VK_LEFT) {
    OnCommand(kTagMoveLeft);
  } else if (control && key == VK_RIGHT) {
    OnCommand(kTagMoveRight);
  }
}

LRESULT Form1::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != lv_) return 0;
  switch (header.code) {
    case NM_DBLCLK:
      LVDblClick();
      return 0;
    case LVN_KEYDOWN: {
      const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
      LVKeyDown(key);
      ToolShortcut(key);
      return 0;
    }
    case NM_RCLICK:
      LVMouseDown();
      return 0;
    case LVN_BEGINLABELEDITA:
      LVEditing();
      return FALSE;
    case LVN_ENDLABELEDITA:
      return OnEndLabelEdit(reinterpret_cast<NMLVDISPINFOA&>(const_cast<NMHDR&>(header)));
    case LVN_ITEMCHANGED:
      LVChange(reinterpret_cast<const NMLISTVIEW&>(header).iItem);
      return 0;
    default:
      return 0;
  }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateChildren();
      FormCreate();
      return 0;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      SetFocus(lv_);
      return 0;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(*reinterpret_cast<WINDOWPOS*>(lParam), hwnd());
      return 0;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      CreateFonts();
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      Layout();
      return 0;
    }
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case kReportOverflowMessage:
      ReportOverflow();
      return 0;
    case WM_CLOSE:
      FormClose();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Windows ends the session without closing the window: save as closing would.
      if (wParam) static_cast<void>(SaveEntries(settingsFile_, table_));
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
