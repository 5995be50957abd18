// The browser pane with the real WebBrowser control under Wine, and the
// COM objects of its container on their own.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdispid.h>

#include <fstream>
#include <functional>

#include "about/browserpane.h"
#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {
namespace {

struct Events : BrowserEvents {
  int downloads = 0, completions = 0;
  void DownloadBegin() override { ++downloads; }
  void NavigateComplete2() override { ++completions; }
};

// Pumps messages until done() holds or timeoutMs passes.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return true;
}

// A top-level window to hold the pane.
struct Host {
  HWND hwnd = CreateWindowExW(0, L"STATIC", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 500,
                              400, nullptr, nullptr, nullptr, nullptr);
  ~Host() { DestroyWindow(hwnd); }
};

std::wstring TempPage() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"pane test.htm";
  std::ofstream(path.c_str()) << "<html><body>pane</body></html>";
  return path;
}

TEST(BrowserPane, HostsTheControlRaisesDownloadBeginAndHasNoHistory) {
  OleSession ole;
  Host host;
  Events events;
  {
    BrowserPane pane;
    ASSERT_TRUE(pane.Create(host.hwnd, RECT{0, 25, 400, 300}, &events));
    // The control is in place: its window is the pane's child.
    ASSERT_NE(GetWindow(pane.Handle(), GW_CHILD), nullptr);
    EXPECT_GT(LiveComObjects(), 0);
    const std::wstring page = TempPage();
    const std::wstring url = L"File://" + page;
    pane.Navigate(url);
    wchar_t asked[MAX_PATH * 2] = {};
    GetWindowTextW(pane.Handle(), asked, MAX_PATH * 2);
    EXPECT_EQ(asked, url);
    EXPECT_TRUE(PumpUntil([&] { return events.downloads > 0; }));
    EXPECT_TRUE(PumpUntil([&] { return pane.LocationURL().find(L"pane test.htm") != std::wstring::npos; }))
        << Narrow(pane.LocationURL());
    // Nothing to go back or forward to.
    EXPECT_FALSE(pane.GoBack());
    EXPECT_FALSE(pane.GoForward());
    // The pane follows its place; the control follows the pane.
    pane.Place(RECT{0, 25, 300, 200});
    RECT r;
    GetClientRect(pane.Handle(), &r);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 175);
    DeleteFileW(page.c_str());
  }
  // The site, frame and sink are all freed with the pane.
  EXPECT_EQ(LiveComObjects(), 0);
}

TEST(BrowserPane, BusyShowsTheApplicationStartingCursor) {
  OleSession ole;
  Host host;
  Events events;
  BrowserPane pane;
  ASSERT_TRUE(pane.Create(host.hwnd, RECT{0, 0, 200, 200}, &events));
  const LPARAM client = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
  const WPARAM self = reinterpret_cast<WPARAM>(pane.Handle());
  pane.SetBusy(true);
  EXPECT_TRUE(SendMessageW(pane.Handle(), WM_SETCURSOR, self, client));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
  pane.SetBusy(false);
  SendMessageW(pane.Handle(), WM_SETCURSOR, self, client);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST(OleObjects, InterfacesShareOneIdentityAndCount) {
  {
    ComPtr<OleSite> site = MakeCom<OleSite>(HWND{});
    ComPtr<IUnknown> a, b;
    ComPtr<IOleWindow> window;
    ComPtr<IOleInPlaceSite> inPlace;
    ASSERT_EQ(site.As(&inPlace), S_OK);
    ASSERT_EQ(inPlace.As(&a), S_OK);
    ASSERT_EQ(static_cast<IOleClientSite*>(site.Get())->QueryInterface(__uuidof(IUnknown), b.PutVoid()), S_OK);
    EXPECT_EQ(a.Get(), b.Get());
    ASSERT_EQ(site.As(&window), S_OK);
    EXPECT_EQ(window.Get(), static_cast<IOleWindow*>(inPlace.Get()));
    ComPtr<IDispatch> none;
    EXPECT_EQ(site.As(&none), E_NOINTERFACE);
    EXPECT_EQ(none.Get(), nullptr);
    // The site and its frame.
    EXPECT_EQ(LiveComObjects(), 2);
  }
  EXPECT_EQ(LiveComObjects(), 0);
}

TEST(OleObjects, SinkHandsOnItsTwoEventsUntilDisconnected) {
  Events events;
  ComPtr<BrowserEventSink> sink = MakeCom<BrowserEventSink>(&events);
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(sink->QueryInterface(DIID_DWebBrowserEvents2, dispatch.PutVoid()), S_OK);
  DISPPARAMS none = {};
  for (DISPID id : {DISPID_BEFORENAVIGATE2, DISPID_DOWNLOADBEGIN, DISPID_NAVIGATECOMPLETE2,
                    DISPID_NAVIGATEERROR})
    EXPECT_EQ(dispatch->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(events.downloads, 1);
  EXPECT_EQ(events.completions, 1);
  sink->Disconnect();
  dispatch->Invoke(DISPID_NAVIGATECOMPLETE2, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr);
  EXPECT_EQ(events.completions, 1);
}

}  // namespace
}  // namespace vellumo
