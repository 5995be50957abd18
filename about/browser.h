// The browser pane as the About window's logic sees it: the real WebBrowser
// control (about/browserpane.h) or a scripted stand-in in tests. Portable.
#pragma once

#include <string>

namespace vellumo {

// The control's events the window handles; raised on the UI thread.
class BrowserEvents {
 public:
  virtual void DownloadBegin() = 0;
  virtual void NavigateComplete2() = 0;

 protected:
  ~BrowserEvents() = default;
};

class Browser {
 public:
  virtual ~Browser() = default;
  // Opens url; throws when the control refuses it.
  virtual void Navigate(const std::wstring& url) = 0;
  // History moves; false when the control refused (an empty history).
  virtual bool GoBack() = 0;
  virtual bool GoForward() = 0;
  // The address of the page shown; empty when it cannot be read.
  virtual std::wstring LocationURL() = 0;
};

}  // namespace vellumo
