#include "win32/fittingbreaks.h"

#include <usp10.h>

namespace vellumo {

namespace {

thread_local FittingRows* active = nullptr;

// The system's break opportunities of a line, as the edit control's own
// breaks take them.
std::vector<SCRIPT_LOGATTR> Breaks(const wchar_t* s, int count) {
  std::vector<SCRIPT_LOGATTR> attrs(count > 0 ? count : 0);
  SCRIPT_ANALYSIS sa = {};
  sa.eScript = SCRIPT_UNDEFINED;
  if (count > 0) ScriptBreak(s, count, &sa, attrs.data());
  return attrs;
}

// The break before index (not at it), 0 when none.
int LeftOf(const std::vector<SCRIPT_LOGATTR>& attrs, int index) {
  if (index > static_cast<int>(attrs.size())) index = static_cast<int>(attrs.size());
  if (index) --index;
  while (index > 0 && !attrs[index].fSoftBreak) --index;
  return index > 0 ? index : 0;
}

int CALLBACK WordBreak(LPWSTR s, int index, int count, int action) {
  if (!s || index < 0) return 0;
  const std::vector<SCRIPT_LOGATTR> attrs = Breaks(s, count);
  switch (action) {
    case WB_LEFT: {
      int at = LeftOf(attrs, index);
      // The same trials as the control's, less those that cannot fit.
      if (active && at > 0 && active->Measure(s, index < count ? index : count))
        while (at > 0 && !active->Fits(at)) at = LeftOf(attrs, at - 1);
      return at;
    }
    case WB_RIGHT:
      while (index < count && s[index] && !attrs[index].fSoftBreak) ++index;
      return index;
    case WB_ISDELIMITER:
      return index < count && attrs[index].fWhiteSpace;
  }
  return 0;
}

}  // namespace

void UseFittingWordBreaks(HWND edit) {
  SendMessageW(edit, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&WordBreak));
}

FittingRows::FittingRows(HWND edit) : edit_(edit), dc_(GetDC(edit)), outer_(active) {
  active = this;
}

FittingRows::~FittingRows() {
  active = outer_;
  if (oldFont_) SelectObject(dc_, oldFont_);
  ReleaseDC(edit_, dc_);
}

bool FittingRows::Measure(const wchar_t* s, int count) {
  // Asked each time: the control's size and font change under a FittingRows.
  RECT format = {};
  SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  width_ = format.right - format.left;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0));
  if (font != font_ || !oldFont_) {
    HGDIOBJ old = SelectObject(dc_, font ? font : GetStockObject(SYSTEM_FONT));
    if (!oldFont_) oldFont_ = old;
    font_ = font;
  }
  extents_.resize(count > 0 ? count : 0);
  SIZE size;
  return count > 0 && GetTextExtentExPointW(dc_, s, count, 0, nullptr, extents_.data(), &size);
}

bool FittingRows::Fits(int n) const {
  // Widths a little under the control's own only cost it a trial more; the
  // slack keeps a rounding apart from ever passing over a row that fits.
  return n <= static_cast<int>(extents_.size()) && extents_[n - 1] <= width_ + 2;
}

}  // namespace vellumo
