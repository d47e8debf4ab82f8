#include "gui_support_win.h"

#include <shellapi.h>

#include <vector>

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

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

std::string ReadBytes(const std::string& path) {
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
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
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
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

namespace {

struct WindowSearch {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  if (WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::string caption, std::function<void(HWND)> action, int timeoutMilliseconds)
    : thread_([this, caption = std::move(caption), action = std::move(action), timeoutMilliseconds] {
        const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMilliseconds);
        while (static_cast<int>(end - GetTickCount()) > 0) {
          WindowSearch search{caption};
          EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
          if (search.found) {
            Sleep(100);
            RECT client{};
            GetClientRect(search.found, &client);
            clientSize_ = {client.right, client.bottom};
            text_ = DialogText(search.found);
            action(search.found);
            answered_ = true;
            break;
          }
          Sleep(20);
        }
        finished_ = true;
      }) {}

DialogAnswerer::~DialogAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool DialogAnswerer::Answered() {
  while (!finished_) PumpMessages(10);
  if (thread_.joinable()) thread_.join();
  return answered_;
}

void PressKey(HWND dialog, WORD key) {
  HWND focus = dialog;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus) focus = info.hwndFocus;
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
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
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpiA(className, "Static") == 0) {
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

void SelectIcon(HWND listView, int index) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
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
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL);
  GdiFlush();
  // Colours only: drawing leaves the alpha byte of the target as the image list likes.
  std::vector<unsigned char> pixels;
  const auto* bytes = static_cast<const unsigned char*>(bits);
  for (int i = 0; i < width * height * 4; ++i) {
    if (i % 4 != 3) pixels.push_back(bytes[i]);
  }
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return pixels;
}

}  // namespace

bool SameImage(HIMAGELIST first, int firstIndex, HIMAGELIST second, int secondIndex) {
  return ImagePixels(first, firstIndex) == ImagePixels(second, secondIndex);
}

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

}  // namespace kov::test
