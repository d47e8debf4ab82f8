// Move-only owners for Win32 handles and COM pointers: each kind is released exactly
// once, by the call that belongs to it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <ole2.h>

#include <utility>

namespace kov {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Traits::Invalid()));
    return *this;
  }
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Invalid(); }
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    if (handle_ != Traits::Invalid()) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

template <typename Handle, auto CloseFunction>
struct NullTraits {
  static Handle Invalid() { return nullptr; }
  static void Close(Handle handle) { CloseFunction(handle); }
};

struct FileTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { CloseHandle(handle); }
};

struct FindTraits {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE handle) { FindClose(handle); }
};

struct GdiTraits {
  static HGDIOBJ Invalid() { return nullptr; }
  static void Close(HGDIOBJ handle) { DeleteObject(handle); }
};

using FileHandle = UniqueHandle<HANDLE, FileTraits>;
using FindHandle = UniqueHandle<HANDLE, FindTraits>;
using KernelHandle = UniqueHandle<HANDLE, NullTraits<HANDLE, CloseHandle>>;
using WindowHandle = UniqueHandle<HWND, NullTraits<HWND, DestroyWindow>>;
using IconHandle = UniqueHandle<HICON, NullTraits<HICON, DestroyIcon>>;
using MenuHandle = UniqueHandle<HMENU, NullTraits<HMENU, DestroyMenu>>;
using ImageListHandle = UniqueHandle<HIMAGELIST, NullTraits<HIMAGELIST, ImageList_Destroy>>;
using FontHandle = UniqueHandle<HFONT, NullTraits<HFONT, DeleteObject>>;
using BitmapHandle = UniqueHandle<HBITMAP, NullTraits<HBITMAP, DeleteObject>>;
using BrushHandle = UniqueHandle<HBRUSH, NullTraits<HBRUSH, DeleteObject>>;
using PenHandle = UniqueHandle<HPEN, NullTraits<HPEN, DeleteObject>>;
using MemoryDcHandle = UniqueHandle<HDC, NullTraits<HDC, DeleteDC>>;
using DropHandle = UniqueHandle<HDROP, NullTraits<HDROP, DragFinish>>;
using LibraryHandle = UniqueHandle<HMODULE, NullTraits<HMODULE, FreeLibrary>>;

// Selects a GDI object into a DC for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// An owned COM interface pointer.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ~ComPtr() { reset(); }

  Interface* get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }
  Interface** put() {
    reset();
    return &pointer_;
  }
  void reset() {
    if (pointer_) pointer_->Release();
    pointer_ = nullptr;
  }

 private:
  Interface* pointer_ = nullptr;
};

// COM/OLE initialisation for the GUI thread, undone at scope end when it succeeded.
class OleInitialization {
 public:
  OleInitialization() : succeeded_(SUCCEEDED(OleInitialize(nullptr))) {}
  OleInitialization(const OleInitialization&) = delete;
  OleInitialization& operator=(const OleInitialization&) = delete;
  ~OleInitialization() {
    if (succeeded_) OleUninitialize();
  }

 private:
  bool succeeded_;
};

}  // namespace kov
