#include "gui_support_win.h"

#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <map>

#include "util/dialog_form_win.h"

namespace kov::test {

TempFolder::TempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  path_ = std::string(temp) + "kovrant-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  if (lstrcmpiA((std::string(current) + "\\").c_str(), path_.c_str()) == 0) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    SetCurrentDirectoryA(temp);
  }
  std::string from = path_.substr(0, path_.size() - 1);
  from.push_back('\0');
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
  SHFileOperationA(&operation);
}

CurrentDirectoryScope::CurrentDirectoryScope(const std::string& folder) {
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  previous_ = current;
  SetCurrentDirectoryA(folder.c_str());
}

CurrentDirectoryScope::~CurrentDirectoryScope() { SetCurrentDirectoryA(previous_.c_str()); }

void WriteBytes(const std::string& path, const std::string& bytes) {
  const FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadBytes(const std::string& path) {
  const FileHandle file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return std::string();
  std::string bytes(GetFileSize(file.get(), nullptr), '\0');
  DWORD read = 0;
  ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

bool CopyProgram(const std::string& from, const std::string& to) { return CopyFileA(from.c_str(), to.c_str(), FALSE); }

std::string TestProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

void PumpMessages(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (!condition()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    PumpMessages(20);
  }
  return true;
}

// ---- Timers, dialogs and menus ----

namespace {

constexpr UINT kTickMilliseconds = 30;
// Ticks a dialog or menu may stay open before it is closed as left open: about 12 s.
constexpr int kGiveUpTicks = 400;

std::map<UINT_PTR, std::function<void()>*>& RunningTimers() {
  static std::map<UINT_PTR, std::function<void()>*> timers;
  return timers;
}

// The program's dialog on show, or null.
HWND ShownDialog() {
  DialogForm* form = DialogForm::Current();
  return form && form->hwnd() && IsWindowVisible(form->hwnd()) ? form->hwnd() : nullptr;
}

BOOL CALLBACK MatchShownMenu(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window) || ClassOf(window) != "#32768") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// The popup menu on show in this process, or null.
HWND ShownMenu() {
  HWND found = nullptr;
  EnumWindows(MatchShownMenu, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

ThreadTimer::ThreadTimer(UINT periodMilliseconds, std::function<void()> tick)
    : tick_(std::move(tick)), id_(SetTimer(nullptr, 0, periodMilliseconds, &ThreadTimer::OnTimer)) {
  RunningTimers()[id_] = &tick_;
}

ThreadTimer::~ThreadTimer() {
  KillTimer(nullptr, id_);
  RunningTimers().erase(id_);
}

void CALLBACK ThreadTimer::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
  const auto running = RunningTimers().find(id);
  if (running != RunningTimers().end()) (*running->second)();
}

DialogAnswerer::DialogAnswerer(std::string caption, Step step, int timeoutMilliseconds)
    : DialogAnswerer(std::move(caption), std::vector<Step>{std::move(step)}, timeoutMilliseconds) {}

DialogAnswerer::DialogAnswerer(std::string caption, std::vector<Step> steps, int timeoutMilliseconds)
    : caption_(std::move(caption)),
      steps_(std::move(steps)),
      timeoutMilliseconds_(timeoutMilliseconds),
      timer_(kTickMilliseconds, [this] { Tick(); }) {}

bool DialogAnswerer::Answered() {
  return WaitFor([this] { return next_ == steps_.size(); }, timeoutMilliseconds_);
}

void DialogAnswerer::Tick() {
  HWND shown = ShownDialog();
  if (!shown || LeftOpen(shown) || next_ == steps_.size()) return;
  if (!caption_.empty() && WindowText(shown) != caption_) return;
  if (next_ == 0) {
    dialog_ = shown;
    text_ = DialogText(shown);
  }
  steps_[next_++](shown);
}

// Counts the ticks the shown dialog has been open; one open too long is closed, once.
bool DialogAnswerer::LeftOpen(HWND shown) {
  if (shown != open_) {
    open_ = shown;
    openTicks_ = 0;
  }
  if (++openTicks_ <= kGiveUpTicks) return false;
  if (openTicks_ == kGiveUpTicks + 1) {
    ADD_FAILURE() << "the dialog \"" << WindowText(shown) << "\" was left open";
    PostMessageA(shown, WM_CLOSE, 0, 0);
  }
  return true;
}

MenuAnswerer::MenuAnswerer(HWND owner, std::vector<WORD> keys, std::function<void(HMENU shown)> look)
    : owner_(owner), keys_(std::move(keys)), look_(std::move(look)), timer_(kTickMilliseconds, [this] { Tick(); }) {}

void MenuAnswerer::Tick() {
  HWND menu = ShownMenu();
  if (!menu) return;
  if (shown_) {
    if (++openTicks_ == kGiveUpTicks) {
      ADD_FAILURE() << "the menu was left open";
      EndMenu();
    }
    return;
  }
  shown_ = true;
  if (look_) look_(reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0)));
  for (WORD key : keys_) PostMessageA(owner_, WM_KEYDOWN, key, 1);
}

std::vector<int> GrayedItems(HMENU menu) {
  std::vector<int> ids;
  for (int position = 0; position < GetMenuItemCount(menu); ++position) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    if ((state & MF_GRAYED) && !(state & MF_SEPARATOR)) {
      ids.push_back(static_cast<int>(GetMenuItemID(menu, position)));
    }
  }
  return ids;
}

void PressKey(HWND dialog, WORD key, bool alt) {
  HWND focus = dialog;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus) focus = info.hwndFocus;
  const LPARAM altHeld = alt ? (1 << 29) : 0;
  PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, 1 | altHeld);
  PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, key, static_cast<LPARAM>(0xC0000001) | altHeld);
}

namespace {

struct ButtonSearch {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchButton(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ButtonSearch*>(parameter);
  if (WindowText(window) == search->caption) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND window, LPARAM parameter) {
  if (lstrcmpiA(ClassOf(window).c_str(), "Static") == 0) {
    auto* text = reinterpret_cast<std::string*>(parameter);
    const std::string own = WindowText(window);
    if (!own.empty()) *text += (text->empty() ? "" : "\n") + own;
  }
  return TRUE;
}

}  // namespace

void ClickButton(HWND dialog, const std::string& caption) {
  ButtonSearch search{caption};
  EnumChildWindows(dialog, MatchButton, reinterpret_cast<LPARAM>(&search));
  if (search.found) PostMessageA(search.found, BM_CLICK, 0, 0);
}

void CloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::string DialogText(HWND dialog) {
  std::string text;
  EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&text));
  return text;
}

// ---- Window readers ----

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

RECT WindowBounds(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

RECT ChildBounds(HWND parent, HWND child) {
  RECT bounds = WindowBounds(child);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

OwnerWindow::OwnerWindow()
    : window_(CreateWindowExA(0, "STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 200, 500, 400, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr)) {}

// ---- List views ----

int IconCount(HWND listView) { return static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0)); }

std::string IconText(HWND listView, int index) {
  char buffer[1024] = {};
  LVITEMA item{};
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

int IconImage(HWND listView, int index) {
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

void EmptyTheClipboard() {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  CloseClipboard();
}

namespace {

void PutOnClipboard(UINT format, const void* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  SetClipboardData(format, memory);
  CloseClipboard();
}

}  // namespace

void PutFilesOnClipboard(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  std::vector<char> bytes(sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::memcpy(bytes.data(), &header, sizeof header);
  std::memcpy(bytes.data() + sizeof header, list.data(), list.size() * sizeof(wchar_t));
  PutOnClipboard(CF_HDROP, bytes.data(), bytes.size());
}

void PutUnicodeTextOnClipboard(const std::wstring& text) {
  PutOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

std::wstring ClipboardUnicodeText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(memory))) {
      text = wide;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

void SelectIcon(HWND listView, int index) {
  LVITEMA item{};
  // As a click selects it: alone.
  item.stateMask = LVIS_SELECTED;
  SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  SendMessageA(listView, LVM_SETSELECTIONMARK, 0, index);
}

void DoubleClickIcon(HWND listView, int index) {
  RECT box{};
  box.left = LVIR_ICON;
  SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&box));
  const LPARAM point = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
  SendMessageA(listView, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(listView, WM_LBUTTONUP, 0, point);
  SendMessageA(listView, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
  SendMessageA(listView, WM_LBUTTONUP, 0, point);
}

void KeyDown(HWND window, WORD key) {
  SendMessageA(window, WM_KEYDOWN, key, 1);
  SendMessageA(window, WM_KEYUP, key, 0xC0000001);
}

namespace {

std::vector<unsigned char> ImagePixels(HIMAGELIST list, int index) {
  int width = 0;
  int height = 0;
  ImageList_GetIconSize(list, &width, &height);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const MemoryDcHandle dc(CreateCompatibleDC(nullptr));
  const BitmapHandle bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const SelectedObject selected(dc.get(), bitmap.get());
  RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(list, index, dc.get(), 0, 0, ILD_NORMAL);
  GdiFlush();
  // Colours only: drawing leaves the alpha byte of the target as the image list likes.
  std::vector<unsigned char> pixels;
  const auto* bytes = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height * 4; ++i) {
    if (i % 4 != 3) pixels.push_back(bytes[i]);
  }
  return pixels;
}

}  // namespace

bool SameImage(HIMAGELIST first, int firstIndex, HIMAGELIST second, int secondIndex) {
  return ImagePixels(first, firstIndex) == ImagePixels(second, secondIndex);
}

namespace {

std::wstring Wide(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
  return wide;
}

}  // namespace

HGLOBAL ShellDrop(const std::vector<std::string>& paths) {
  std::size_t size = sizeof(DROPFILES) + sizeof(wchar_t);
  for (const std::string& path : paths) size += (Wide(path).size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  auto* at = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(header) + sizeof(DROPFILES));
  for (const std::string& path : paths) {
    const std::wstring wide = Wide(path);
    std::memcpy(at, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    at += wide.size() + 1;
  }
  GlobalUnlock(memory);
  return memory;
}

}  // namespace kov::test
