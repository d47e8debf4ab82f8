// The floor of a search keystroke: a window of the launcher's size with a search field
// over an owner-data icon-mode list view styled as the launcher's, with an image list of
// its icon size holding one opaque picture with an alpha channel, as the launcher's are. Each change of the field's text does only what any search must to show
// its results: redraw off, the new count, redraw on, and the paint. The count for each
// length of the typed text is given, so that the floor shows as many icons as the
// launcher does for the same letters.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "util/glyph_painter_win.h"

class SearchFloorWindow {
 public:
  // countByLength[n - 1]: the icons shown once n letters are typed.
  explicit SearchFloorWindow(std::vector<int> countByLength) : countByLength_(std::move(countByLength)) {}
  SearchFloorWindow(const SearchFloorWindow&) = delete;
  SearchFloorWindow& operator=(const SearchFloorWindow&) = delete;
  ~SearchFloorWindow() {
    if (window_) DestroyWindow(window_);
    if (images_) ImageList_Destroy(images_);
  }

  bool Create(int iconSize) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"SearchFloor";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, L"SearchFloor", L"Search floor", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                              40, 40, 661, 525, nullptr, nullptr, windowClass.hInstance, this);
    if (!window_) return false;
    RECT client{};
    GetClientRect(window_, &client);
    field_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 4, 4,
                             240, 24, window_, nullptr, nullptr, nullptr);
    view_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_ICON | LVS_OWNERDATA | LVS_AUTOARRANGE |
                                LVS_EDITLABELS | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS,
                            0, 32, client.right, client.bottom - 32 - 22, window_, nullptr, nullptr, nullptr);
    if (!field_ || !view_) return false;
    ListView_SetExtendedListViewStyle(view_, LVS_EX_DOUBLEBUFFER | LVS_EX_INFOTIP);
    images_ = ImageList_Create(iconSize, iconSize, ILC_COLOR32, 1, 1);
    const kov::PixelBitmap picture = kov::MakePixelBitmap(iconSize);
    if (!picture.bitmap) return false;
    std::fill(picture.pixels, picture.pixels + iconSize * iconSize, 0xFF336699u);
    ImageList_Add(images_, picture.bitmap.get(), nullptr);
    ListView_SetImageList(view_, images_, LVSIL_NORMAL);
    return true;
  }

  HWND hwnd() const { return window_; }
  HWND Field() const { return field_; }
  HWND View() const { return view_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<SearchFloorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
      self->ShowCount();
      return 0;
    }
    if (self && message == WM_NOTIFY) {
      auto& request = *reinterpret_cast<NMLVDISPINFOW*>(lParam);
      if (request.hdr.code == LVN_GETDISPINFOW) self->Describe(request.item);
      return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
  }

  void ShowCount() {
    const auto typed = static_cast<std::size_t>(GetWindowTextLengthW(field_));
    const int count = typed == 0 ? 0 : countByLength_[std::min(typed, countByLength_.size()) - 1];
    SendMessageW(view_, WM_SETREDRAW, FALSE, 0);
    ListView_SetItemCountEx(view_, count, LVSICF_NOSCROLL);
    SendMessageW(view_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view_, nullptr, TRUE);
  }

  // A caption of the length the launcher's show, and the one image.
  static void Describe(LVITEMW& item) {
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
      _snwprintf(item.pszText, static_cast<std::size_t>(item.cchTextMax), L"Notepad Visual %d", item.iItem);
      item.pszText[item.cchTextMax - 1] = L'\0';
    }
    if (item.mask & LVIF_IMAGE) item.iImage = 0;
  }

  std::vector<int> countByLength_;
  HWND window_ = nullptr;
  HWND field_ = nullptr;
  HWND view_ = nullptr;
  HIMAGELIST images_ = nullptr;
};
