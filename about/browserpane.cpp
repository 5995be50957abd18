#include "about/browserpane.h"

#include <exdisp.h>

#include "win32/errorbox.h"

namespace vellumo {

namespace {

std::wstring HresultText(HRESULT hr) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, static_cast<DWORD>(hr), 0,
                                 reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message(text ? text : L"", n);
  LocalFree(text);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r'))
    message.pop_back();
  if (message.empty()) {
    wchar_t code[16];
    wsprintfW(code, L"0x%08X", static_cast<unsigned>(hr));
    message = std::wstring(L"The browser control failed with error ") + code;
  }
  return message;
}

}  // namespace

BrowserPane::~BrowserPane() { Unembed(); }

bool BrowserPane::Create(HWND parent, const RECT& rect, BrowserEvents* events) {
  const WindowClass cls = {kClassName, GetModuleHandleW(nullptr), LoadCursorW(nullptr, IDC_ARROW),
                           nullptr, GetSysColorBrush(COLOR_WINDOW)};
  if (!CreateHandle(cls, 0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, parent, nullptr))
    return false;
  if (FAILED(Embed(events))) Unembed();
  return true;
}

HRESULT BrowserPane::Embed(BrowserEvents* events) {
  site_ = MakeCom<OleSite>(Handle());
  sink_ = MakeCom<BrowserEventSink>(events, Handle());
  HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER,
                                __uuidof(IOleObject), object_.PutVoid());
  if (FAILED(hr)) return hr;
  site_->SetObject(object_.Get());
  if (FAILED(hr = object_->SetClientSite(site_.Get()))) return hr;
  OleSetContainedObject(object_.Get(), TRUE);
  RECT client;
  GetClientRect(Handle(), &client);
  if (FAILED(hr = object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, Handle(),
                                  &client)))
    return hr;
  ComPtr<IConnectionPointContainer> points;
  if (FAILED(hr = object_.As(&points)) ||
      FAILED(hr = points->FindConnectionPoint(DIID_DWebBrowserEvents2, connection_.Put())) ||
      FAILED(hr = connection_->Advise(sink_.Get(), &cookie_))) {
    connection_.Reset();
    return hr;
  }
  return object_.As(&browser_);
}

// Every reference the control and the pane hold on each other goes, so
// that each object is freed before OLE shuts down.
void BrowserPane::Unembed() {
  if (connection_) connection_->Unadvise(cookie_);
  connection_.Reset();
  if (sink_) sink_->Disconnect();
  browser_.Reset();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  if (site_) site_->SetObject(nullptr);
  object_.Reset();
  sink_.Reset();
  site_.Reset();
}

void BrowserPane::Place(const RECT& rect) {
  MoveWindow(Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void BrowserPane::FitControl() {
  ComPtr<IOleInPlaceObject> inPlace;
  if (!object_ || FAILED(object_.As(&inPlace))) return;
  RECT client;
  GetClientRect(Handle(), &client);
  inPlace->SetObjectRects(&client, &client);
}

void BrowserPane::Navigate(const std::wstring& url) {
  SetWindowTextW(Handle(), url.c_str());
  if (!browser_) throw CommandError(L"The browser control is not available");
  Bstr address(url);
  VARIANT empty;
  VariantInit(&empty);  // the optional arguments, not given
  const HRESULT hr = browser_->Navigate(address.get(), &empty, &empty, &empty, &empty);
  if (FAILED(hr)) throw CommandError(HresultText(hr));
}

bool BrowserPane::GoBack() { return browser_ && SUCCEEDED(browser_->GoBack()); }

bool BrowserPane::GoForward() { return browser_ && SUCCEEDED(browser_->GoForward()); }

std::wstring BrowserPane::LocationURL() {
  Bstr url;
  if (!browser_ || FAILED(browser_->get_LocationURL(url.out()))) return {};
  return url.str();
}

void BrowserPane::SetBusy(bool busy) {
  busy_ = busy;
  POINT pt;
  if (!GetCursorPos(&pt)) return;
  HWND under = WindowFromPoint(pt);
  if (under == Handle() || IsChild(Handle(), under))
    SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

LRESULT BrowserPane::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      FitControl();
      return 0;
    case WM_SETCURSOR:
      // The control's windows ask their parent first.
      if (busy_ && LOWORD(lp) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_APPSTARTING));
        return TRUE;
      }
      break;
    case WM_DESTROY:
      Unembed();
      break;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace vellumo
