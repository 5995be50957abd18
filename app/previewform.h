// The preview dialog TPreviewForm: the current file's start as it would show
// in each candidate page, with what each loses, ranked; the user picks one.
#pragma once

#include <windows.h>

#include <vector>

#include "app/displaycodepage.h"
#include "app/textbox.h"
#include "convert/pagefit.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

class TPreviewForm : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"TPreviewForm";

  // Shows the candidates modally over owner, the first selected; true on OK
  // (or a double click), with chosen the candidate taken.
  bool ShowModal(HINSTANCE instance, HWND owner, const std::vector<PageCandidate>& candidates,
                 CodeType shownIn, std::size_t& chosen);

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnCreate();
  void ListSelChange();
  void Close(bool ok);

  HINSTANCE instance_ = nullptr;
  const std::vector<PageCandidate>* candidates_ = nullptr;
  CodeType shownIn_ = CodeType::Gb2312;
  HWND list_ = nullptr;
  TextBox preview_;
  UniqueFont font_;
  bool open_ = false;
  bool ok_ = false;
};

// Child ids (also read by the test driver).
enum PreviewId : unsigned { kPreviewList = 301, kPreviewText = 302 };

}  // namespace vellumo
