#include "util/accessible_button_win.h"

#include <oleacc.h>

#include <new>
#include <string>

#include "util/handles_win.h"

namespace kov {

namespace {

using LresultFromObjectFunction = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFunction = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);

// The system's accessibility library, loaded from the system folder when a client
// first asks: most runs never need it, and a copy beside the program is never used.
struct AccessibilityLibrary {
  LibraryHandle module{LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)};
  LresultFromObjectFunction lresultFromObject = Find<LresultFromObjectFunction>("LresultFromObject");
  CreateStdAccessibleObjectFunction createStandard =
      Find<CreateStdAccessibleObjectFunction>("CreateStdAccessibleObject");

  template <typename Function>
  Function Find(const char* name) const {
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module.get(), name))) : nullptr;
  }
  bool Usable() const { return lresultFromObject && createStandard; }
};

const AccessibilityLibrary& Library() {
  static const AccessibilityLibrary library;
  return library;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

HRESULT ReturnString(const wchar_t* text, BSTR* result) {
  if (!result) return E_POINTER;
  *result = SysAllocString(text);
  return *result ? S_OK : E_OUTOFMEMORY;
}

// A push button with the window's text as its name; the standard object of the
// window's client area answers the rest.
class AccessibleButton final : public IAccessible {
 public:
  AccessibleButton(HWND button, ComPtr<IAccessible> standard) : button_(button), standard_(std::move(standard)) {}

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (!object) return E_POINTER;
    if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: as the standard object has it.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags, DISPPARAMS* parameters,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception, argumentError);
  }

  // What makes it a button.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!IsWindow(button_)) return RPC_E_DISCONNECTED;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(button_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(button_, text.data(), static_cast<int>(text.size()))));
    return ReturnString(text.c_str(), name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    if (!role) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    const HRESULT result = standard_->get_accState(child, state);
    if (SUCCEEDED(result) && state->vt == VT_I4) state->lVal |= STATE_SYSTEM_FOCUSABLE;
    return result;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return ReturnString(L"Press", action);
  }
  // Posted, not sent: a button that opens a modal window must not hold the client.
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    if (!IsSelf(child)) return E_INVALIDARG;
    return PostMessageA(button_, BM_CLICK, 0, 0) ? S_OK : RPC_E_DISCONNECTED;
  }

  // The rest: as the standard object of the window has it.
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override { return standard_->get_accChildCount(count); }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** result) override {
    return standard_->get_accChild(child, result);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override { return standard_->accSelect(flags, child); }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
    return standard_->put_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
    return standard_->put_accValue(child, value);
  }

 private:
  ~AccessibleButton() = default;

  HWND button_;
  ComPtr<IAccessible> standard_;
  LONG references_ = 1;
};

}  // namespace

LRESULT AnswerAccessibleButton(HWND button, WPARAM wParam, LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
  const AccessibilityLibrary& library = Library();
  if (!library.Usable()) return 0;
  ComPtr<IAccessible> standard;
  if (FAILED(library.createStandard(button, OBJID_CLIENT, __uuidof(IAccessible),
                                    reinterpret_cast<void**>(standard.put())))) {
    return 0;
  }
  auto* object = new (std::nothrow) AccessibleButton(button, std::move(standard));
  if (!object) return 0;
  const LRESULT answer = library.lresultFromObject(__uuidof(IAccessible), wParam, object);
  object->Release();
  return answer;
}

}  // namespace kov
