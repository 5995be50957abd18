#include "about/browsersite.h"

#include <exdispid.h>

#include "win32/errorbox.h"

namespace vellumo {

STDMETHODIMP OleFrame::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = GetAncestor(pane_, GA_ROOT);
  return S_OK;
}

void* OleFrame::FindMore(REFIID iid) {
  if (iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow)
    return static_cast<IOleInPlaceFrame*>(this);
  return nullptr;
}

OleSite::OleSite(HWND pane) : pane_(pane), frame_(MakeCom<OleFrame>(pane)) {}

STDMETHODIMP OleSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP OleSite::GetContainer(IOleContainer** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP OleSite::GetWindow(HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = pane_;
  return S_OK;
}

STDMETHODIMP OleSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                       LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  frame_.CopyTo(frame);
  *doc = nullptr;
  GetClientRect(pane_, pos);
  *clip = *pos;
  info->fMDIApp = FALSE;
  info->hwndFrame = GetAncestor(pane_, GA_ROOT);
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

STDMETHODIMP OleSite::OnPosRectChange(LPCRECT pos) {
  ComPtr<IOleInPlaceObject> inPlace;
  if (!pos || !object_ || FAILED(object_->QueryInterface(__uuidof(IOleInPlaceObject), inPlace.PutVoid()))) return E_FAIL;
  RECT clip;
  GetClientRect(pane_, &clip);
  return inPlace->SetObjectRects(pos, &clip);
}

void* OleSite::FindMore(REFIID iid) {
  if (iid == IID_IOleWindow) return static_cast<IOleInPlaceSite*>(this);
  return nullptr;
}

STDMETHODIMP BrowserEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

// Runs inside the control: nothing may be thrown back into it.
STDMETHODIMP BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                      EXCEPINFO*, UINT*) {
  if (!events_) return S_OK;
  try {
    if (id == DISPID_DOWNLOADBEGIN) events_->DownloadBegin();
    if (id == DISPID_NAVIGATECOMPLETE2) events_->NavigateComplete2();
  } catch (...) {
    ReportAtBoundary(pane_ ? GetAncestor(pane_, GA_ROOT) : nullptr);
  }
  return S_OK;
}

void* BrowserEventSink::FindMore(REFIID iid) {
  if (iid == DIID_DWebBrowserEvents2) return static_cast<IDispatch*>(this);
  return nullptr;
}

}  // namespace vellumo
