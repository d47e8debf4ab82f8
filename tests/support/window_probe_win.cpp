// Tells an end-to-end script where things are on screen, as a person would see them:
// for the top-level window with the given caption it prints the screen rectangle of
// its client area, of each tool button (by hint order) and of each icon of its list
// view with the icon's caption, one per line:
//   client <left> <top> <width> <height>
//   edit <text>             (the first edit box in the window: Kovrant's search field, or
//                            the text another program was typed into)
//   icon <index> <centre x> <centre y> <caption>
//   label <index> <centre x> <centre y>
//   editing                 (while a caption is being renamed in place)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

struct RemoteBuffer {
  HANDLE process;
  void* address;
  ~RemoteBuffer() { VirtualFreeEx(process, address, 0, MEM_RELEASE); }
};

HWND FindListView(HWND window) { return FindWindowExA(window, nullptr, WC_LISTVIEWA, nullptr); }

BOOL CALLBACK TakeFirstEdit(HWND child, LPARAM found) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The text of the window's first edit box, at any depth, as UTF-8; nothing when it has none.
void PrintFirstEdit(HWND window) {
  HWND edit = nullptr;
  EnumChildWindows(window, TakeFirstEdit, reinterpret_cast<LPARAM>(&edit));
  if (!edit) return;
  wchar_t text[512] = {};
  SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  char utf8[2048] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("edit %s\n", utf8);
}

// Reads an item rectangle of the list view of another process through its memory.
RECT ItemRect(HWND listView, RemoteBuffer& buffer, int index, int part) {
  RECT rect{part, 0, 0, 0};
  WriteProcessMemory(buffer.process, buffer.address, &rect, sizeof rect, nullptr);
  SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.address));
  ReadProcessMemory(buffer.process, buffer.address, &rect, sizeof rect, nullptr);
  MapWindowPoints(listView, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::string ItemText(HWND listView, RemoteBuffer& buffer, int index) {
  const auto remoteItem = static_cast<char*>(buffer.address);
  char* remoteText = remoteItem + 256;
  LVITEMA item{};
  item.pszText = remoteText;
  item.cchTextMax = 512;
  WriteProcessMemory(buffer.process, remoteItem, &item, sizeof item, nullptr);
  SendMessageA(listView, LVM_GETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remoteItem));
  char text[512] = {};
  ReadProcessMemory(buffer.process, remoteText, text, sizeof text - 1, nullptr);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  HWND window = FindWindowA(nullptr, argv[1]);
  if (!window) return 1;
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  PrintFirstEdit(window);
  HWND listView = FindListView(window);
  if (!listView) return 0;
  DWORD processId = 0;
  GetWindowThreadProcessId(listView, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (!process) return 1;
  {
    RemoteBuffer buffer{process, VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE)};
    const int count = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
      const RECT icon = ItemRect(listView, buffer, index, LVIR_ICON);
      const RECT label = ItemRect(listView, buffer, index, LVIR_LABEL);
      std::printf("icon %d %ld %ld %s\n", index, (icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2,
                  ItemText(listView, buffer, index).c_str());
      std::printf("label %d %ld %ld\n", index, (label.left + label.right) / 2, (label.top + label.bottom) / 2);
    }
  }
  CloseHandle(process);
  if (SendMessageA(listView, LVM_GETEDITCONTROL, 0, 0) != 0) std::printf("editing\n");
  return 0;
}
