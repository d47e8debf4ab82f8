// Tells an end-to-end script where things are on screen, as a person would see them:
// for the top-level window with the given caption it prints the screen rectangle of
// its client area, of each tool button (by hint order) and of each icon of its list
// view with the icon's caption, one per line:
//   client <left> <top> <width> <height>
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
