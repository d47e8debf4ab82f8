#include "util/dark_frame_win.h"

#include "util/handles_win.h"

namespace kov {

namespace {

using SetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

// Windows 10 from build 18985 on reads a dark title bar as attribute 20, earlier builds
// from 17763 as 19; the system's headers do not name either everywhere.
constexpr DWORD kUseImmersiveDarkMode = 20;
constexpr DWORD kUseImmersiveDarkModeBefore20H1 = 19;

// A system library, loaded from the system folder on first use and kept: the program
// does not import it, so that it starts without it and a copy beside it is never used.
class SystemFunction {
 public:
  SystemFunction(const wchar_t* library, const char* name)
      : module_(LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
        address_(module_ ? reinterpret_cast<void*>(GetProcAddress(module_.get(), name)) : nullptr) {}

  template <typename Function>
  Function As() const {
    return reinterpret_cast<Function>(address_);
  }

 private:
  LibraryHandle module_;
  void* address_;
};

}  // namespace

void UseDarkTitleBar(HWND window, bool dark) {
  static const SystemFunction set(L"dwmapi.dll", "DwmSetWindowAttribute");
  const auto function = set.As<SetWindowAttributeFunction>();
  if (!function) return;
  const BOOL value = dark ? TRUE : FALSE;
  if (FAILED(function(window, kUseImmersiveDarkMode, &value, sizeof value))) {
    function(window, kUseImmersiveDarkModeBefore20H1, &value, sizeof value);
  }
}

void UseDarkScrollBars(HWND control, bool dark) {
  static const SystemFunction set(L"uxtheme.dll", "SetWindowTheme");
  const auto function = set.As<SetWindowThemeFunction>();
  // No names: the control goes back to the theme's usual look.
  if (function) function(control, dark ? L"DarkMode_Explorer" : nullptr, nullptr);
}

}  // namespace kov
