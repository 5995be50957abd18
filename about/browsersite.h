// The OLE container's side of the hosted WebBrowser control: the client and
// in-place site, the in-place frame, and the sink of the control's events.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <oleidl.h>

#include "about/browser.h"
#include "about/comobject.h"

namespace vellumo {

// The frame the control sees while in place: the About window. It offers no
// menus, tool space or accelerators.
class OleFrame : public ComObject<IOleInPlaceFrame> {
 public:
  explicit OleFrame(HWND pane) : pane_(pane) {}
  STDMETHODIMP GetWindow(HWND* hwnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
  STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
  STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
  STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
  STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
  STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 protected:
  void* FindMore(REFIID iid) override;

 private:
  HWND pane_;
};

// The control's site: its place is the pane's client area.
class OleSite : public ComObject<IOleClientSite, IOleInPlaceSite> {
 public:
  explicit OleSite(HWND pane);
  // The control, once embedded, to place it when it asks.
  void SetObject(IOleObject* object) { object_ = object; }

  // IOleClientSite
  STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
  STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** out) override;
  STDMETHODIMP GetContainer(IOleContainer** out) override;
  STDMETHODIMP ShowObject() override { return S_OK; }
  STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
  STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleWindow
  STDMETHODIMP GetWindow(HWND* hwnd) override;
  STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IOleInPlaceSite
  STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
  STDMETHODIMP OnUIActivate() override { return S_OK; }
  STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                LPRECT pos, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
  STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
  STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
  STDMETHODIMP DiscardUndoState() override { return E_NOTIMPL; }
  STDMETHODIMP DeactivateAndUndo() override { return E_NOTIMPL; }
  STDMETHODIMP OnPosRectChange(LPCRECT pos) override;

 protected:
  void* FindMore(REFIID iid) override;

 private:
  HWND pane_;
  ComPtr<OleFrame> frame_;
  IOleObject* object_ = nullptr;  // not owned: the pane holds the control
};

// DWebBrowserEvents2: hands DownloadBegin and NavigateComplete2 on; a
// failure of theirs is reported in a box owned by the pane's window.
class BrowserEventSink : public ComObject<IDispatch> {
 public:
  explicit BrowserEventSink(BrowserEvents* events, HWND pane = nullptr)
      : events_(events), pane_(pane) {}
  // No more events are handed on (the pane is going).
  void Disconnect() { events_ = nullptr; }

  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override;

 protected:
  void* FindMore(REFIID iid) override;

 private:
  BrowserEvents* events_;
  HWND pane_;
};

}  // namespace vellumo
