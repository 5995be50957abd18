// Word breaks for a wrapping multi-line edit control that know where a row
// fits. The control (under Wine) wraps a line by trying breaks from a guess
// leftwards, laying each trial row out anew; while a FittingRows is alive,
// these breaks pass over, in the same order, the trials whose row the font's
// own widths say is too wide, so the control lays out one row where it laid
// out several, and the rows come out where its own breaks put them. At any
// other time (moving or selecting by words) they are the system's breaks.
#pragma once

#include <windows.h>

#include <vector>

namespace vellumo {

// Gives the edit control these word breaks.
void UseFittingWordBreaks(HWND edit);

// While alive, the wrapping of the edit control (one at a time) measures its
// trial rows in the control's font and width. For the program's own bulk
// work on the text (setting it, laying it out at a new size), never while
// the user moves through it.
class FittingRows {
 public:
  explicit FittingRows(HWND edit);
  ~FittingRows();
  FittingRows(const FittingRows&) = delete;
  FittingRows& operator=(const FittingRows&) = delete;

  // Measures the first count characters of a line in the control's font;
  // false when they cannot be measured.
  bool Measure(const wchar_t* s, int count);
  // Whether the first n (1 to count) of them fit the control's row.
  bool Fits(int n) const;

 private:
  HWND edit_;
  HDC dc_;
  HGDIOBJ oldFont_ = nullptr;
  HFONT font_ = nullptr;
  FittingRows* outer_;
  int width_ = 0;             // of the control's formatting rectangle
  std::vector<int> extents_;  // widths of the measured characters, each from the line's start
};

}  // namespace vellumo
