// The system's WebBrowser control hosted in a child window of the About
// window, behind the window's own Browser interface; and OLE for the process.
#pragma once

#include <windows.h>
#include <exdisp.h>

#include <string>

#include "about/browser.h"
#include "about/browsersite.h"
#include "about/comobject.h"
#include "win32/window.h"

namespace vellumo {

// OLE for the process while it lives; a failure of the shut-down is ignored.
class OleSession {
 public:
  OleSession() : result_(OleInitialize(nullptr)) {}
  ~OleSession() {
    if (SUCCEEDED(result_)) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  HRESULT result_;
};

class BrowserPane : public Window, public Browser {
 public:
  static constexpr wchar_t kClassName[] = L"VellumoBrowserPane";

  BrowserPane() = default;
  ~BrowserPane() override;

  // Creates the pane at rect in parent and the control in it, in place
  // active, its events going to events. False when the pane cannot be made;
  // without the control the pane stays empty and Navigate throws.
  bool Create(HWND parent, const RECT& rect, BrowserEvents* events);
  void Place(const RECT& rect);

  // Throws CommandError when the control refuses. The pane's window text
  // is the address last asked for.
  void Navigate(const std::wstring& url) override;
  bool GoBack() override;
  bool GoForward() override;
  std::wstring LocationURL() override;

  // The application-starting cursor over the pane while busy.
  void SetBusy(bool busy);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  HRESULT Embed(BrowserEvents* events);
  void Unembed();
  void FitControl();

  ComPtr<OleSite> site_;
  ComPtr<BrowserEventSink> sink_;
  ComPtr<IOleObject> object_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IConnectionPoint> connection_;
  DWORD cookie_ = 0;
  bool busy_ = false;
};

}  // namespace vellumo
