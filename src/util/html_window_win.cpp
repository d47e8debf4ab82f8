#include "util/html_window_win.h"

#include <ole2.h>
#include <mshtml.h>

#include <algorithm>

#include "util/child_window_win.h"
#include "util/dialog_form_win.h"
#include "util/dpi_win.h"
#include "util/fonts_win.h"
#include "util/handles_win.h"
#include "util/html_text.h"
#include "util/wide_text_win.h"

namespace kov {

namespace {

constexpr CLSID kWebBrowserClassId = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr int kPlainTextId = 101;

// The container side of the embedded browser: just enough of a client site, in-place
// site and frame for the control to activate in place inside the host window.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  explicit BrowserSite(HWND host) : host_(host) {}
  BrowserSite(const BrowserSite&) = delete;
  BrowserSite& operator=(const BrowserSite&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IOleClientSite))) {
      *object = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, __uuidof(IOleWindow)) || IsEqualIID(iid, __uuidof(IOleInPlaceSite))) {
      *object = static_cast<IOleInPlaceSite*>(this);
    } else if (IsEqualIID(iid, __uuidof(IOleInPlaceUIWindow)) || IsEqualIID(iid, __uuidof(IOleInPlaceFrame))) {
      *object = static_cast<IOleInPlaceFrame*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
  }
  STDMETHODIMP GetContainer(IOleContainer** container) override {
    if (container) *container = nullptr;
    return E_NOINTERFACE;
  }
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, shared by the in-place site and the frame
  STDMETHODIMP GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = host_;
    return S_OK;
  }
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position, LPRECT clip,
                                LPOLEINPLACEFRAMEINFO frameInfo) override {
    if (!frame || !document || !position || !clip || !frameInfo) return E_POINTER;
    *frame = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    *document = nullptr;
    GetClientRect(host_, position);
    *clip = *position;
    frameInfo->fMDIApp = FALSE;
    frameInfo->hwndFrame = host_;
    frameInfo->haccel = nullptr;
    frameInfo->cAccelEntries = 0;
    return S_OK;
  }
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow
  STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~BrowserSite() = default;

  HWND host_;
  ULONG references_ = 1;
};

// Processes the thread's pending messages; false when WM_QUIT came, which is posted
// again for the program's own loop.
bool PumpPendingMessages() {
  MSG message{};
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return true;
}

// Waits until the browser's page is at least interactive, handling messages meanwhile.
bool WaitUntilInteractive(IWebBrowser2& browser, DWORD waitMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + waitMilliseconds;
  for (;;) {
    READYSTATE state = READYSTATE_UNINITIALIZED;
    if (FAILED(browser.get_ReadyState(&state))) return false;
    if (state >= READYSTATE_INTERACTIVE) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline || !PumpPendingMessages()) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 50)),
                              QS_ALLINPUT);
  }
}

bool NavigateToBlank(IWebBrowser2& browser) {
  BSTR address = SysAllocString(L"about:blank");
  if (!address) return false;
  VARIANT empty;
  VariantInit(&empty);
  const HRESULT result = browser.Navigate(address, &empty, &empty, &empty, &empty);
  SysFreeString(address);
  return SUCCEEDED(result);
}

// A stream holding the page with every line ended by CR LF, positioned at its start.
ComPtr<IStream> PageStream(const Text& html) {
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()))) return {};
  const Text bytes = JoinLinesWithCrLf(html);
  ULONG written = 0;
  if (FAILED(stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), &written)) || written != bytes.size()) {
    return {};
  }
  LARGE_INTEGER start{};
  if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr))) return {};
  return stream;
}

}  // namespace

bool LoadHtmlText(IWebBrowser2& browser, const Text& html, DWORD waitMilliseconds) {
  if (!NavigateToBlank(browser) || !WaitUntilInteractive(browser, waitMilliseconds)) return false;
  ComPtr<IDispatch> document;
  if (FAILED(browser.get_Document(document.put())) || !document) return false;
  ComPtr<IPersistStreamInit> persist;
  if (FAILED(document->QueryInterface(__uuidof(IPersistStreamInit), reinterpret_cast<void**>(persist.put())))) {
    return false;
  }
  ComPtr<IStream> stream = PageStream(html);
  return stream && SUCCEEDED(persist->InitNew()) && SUCCEEDED(persist->Load(stream.get()));
}

namespace {

// The Info window: a resizable DialogForm whose client area is filled by the browser,
// or by a read-only text box with the page as plain text.
class HtmlWindow final : public DialogForm {
 public:
  HtmlWindow(HWND owner, const Text& caption);
  ~HtmlWindow() override { CloseBrowser(); }

  [[nodiscard]] bool ShowPage(const Text& html);
  void ShowPlainText(const Text& html);
  HWND FocusTarget() const { return plainText_ ? plainText_ : hwnd(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnClientResized(int width, int height) override;

 private:
  [[nodiscard]] bool EmbedBrowser();
  void CloseBrowser();

  ComPtr<BrowserSite> site_;
  ComPtr<IOleObject> browserObject_;
  ComPtr<IWebBrowser2> browser_;
  HWND plainText_ = nullptr;
  FontHandle plainTextFont_;
  BrushHandle pageBackground_{CreateSolidBrush(RGB(0xFF, 0xFF, 0xF7))};
};

HtmlWindow::HtmlWindow(HWND owner, const Text& caption) : DialogForm(owner) {
  if (!IsBuilt()) return;
  SetCaption(caption);
  MakeSizeable();
  SetOuterSize(GetSystemMetrics(SM_CXVIRTUALSCREEN) / 2, GetSystemMetrics(SM_CYVIRTUALSCREEN) / 2);
  CloseKeys() = ",27,";
}

bool HtmlWindow::EmbedBrowser() {
  *site_.put() = new BrowserSite(hwnd());
  if (FAILED(CoCreateInstance(kWebBrowserClassId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IOleObject),
                              reinterpret_cast<void**>(browserObject_.put())))) {
    return false;
  }
  if (FAILED(browserObject_->SetClientSite(site_.get()))) return false;
  RECT client{};
  GetClientRect(hwnd(), &client);
  if (FAILED(browserObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.get(), 0, hwnd(), &client))) return false;
  return SUCCEEDED(browserObject_->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(browser_.put())));
}

void HtmlWindow::CloseBrowser() {
  browser_.reset();
  if (browserObject_) {
    browserObject_->Close(OLECLOSE_NOSAVE);
    browserObject_->SetClientSite(nullptr);
    browserObject_.reset();
  }
  site_.reset();
}

bool HtmlWindow::ShowPage(const Text& html) {
  if (EmbedBrowser() && LoadHtmlText(*browser_.get(), html)) return true;
  CloseBrowser();
  return false;
}

void HtmlWindow::ShowPlainText(const Text& html) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  plainTextFont_ = MakeFont("Courier New", PointsToPixels(11, DpiOf(hwnd())), FontPitch::Fixed);
  plainText_ =
      CreateChildWindow(hwnd(), kPlainTextId, "EDIT", "", WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                        client, plainTextFont_.get());
  if (!plainText_) return;
  const int margin = Scale(12);
  SendMessageA(plainText_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
  SendMessageA(plainText_, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextOf(plainText_, HtmlToPlainText(html));
}

void HtmlWindow::OnClientResized(int width, int height) {
  const RECT client{0, 0, width, height};
  if (plainText_) MoveWindow(plainText_, 0, 0, width, height, TRUE);
  if (!browserObject_) return;
  ComPtr<IOleInPlaceObject> inPlace;
  if (SUCCEEDED(browserObject_->QueryInterface(__uuidof(IOleInPlaceObject), reinterpret_cast<void**>(inPlace.put())))) {
    inPlace->SetObjectRects(&client, &client);
  }
}

LRESULT HtmlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The read-only text keeps the page's near-white background instead of grey, or the
  // dark look's colours.
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == plainText_ && FormLook().dark) {
    return DialogForm::HandleMessage(WM_CTLCOLOREDIT, wParam, lParam);
  }
  if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == plainText_ && pageBackground_) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xF7));
    return reinterpret_cast<LRESULT>(pageBackground_.get());
  }
  return DialogForm::HandleMessage(message, wParam, lParam);
}

}  // namespace

void ShowHtmlWindow(HWND owner, const Text& caption, const Text& html) {
  HtmlWindow window(owner, caption);
  if (!window.IsBuilt()) return;
  // The wait for the page pumps messages: the owner must not take input meanwhile.
  window.BlockOwnerInput();
  const FormColors& look = FormLook();
  const Text shown = look.dark ? PageInColors(html, look.field, look.fieldText) : html;
  if (!window.ShowPage(shown)) window.ShowPlainText(shown);
  window.ShowModal(window.FocusTarget());
}

}  // namespace kov
