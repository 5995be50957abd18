// The fitting word breaks wrap every text where the edit control's own
// breaks wrap it, whatever the font, the width or the script.
#include "win32/fittingbreaks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/handles.h"

namespace vellumo {
namespace {

class Boxes {
 public:
  Boxes(const wchar_t* face, BYTE charset) : font_(MakeFont(face, 13, charset)) {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr,
                              nullptr, nullptr, nullptr);
    for (HWND& box : boxes_) {
      box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                            WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN |
                                WS_VSCROLL,
                            0, 0, 420, 271, parent_, nullptr, nullptr, nullptr);
      SendMessageW(box, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
      SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    }
    UseFittingWordBreaks(boxes_[1]);
  }
  ~Boxes() { DestroyWindow(parent_); }

  // The text in both, the fitting one inside a FittingRows.
  void Set(const std::wstring& text) {
    SetWindowTextW(boxes_[0], text.c_str());
    FittingRows fitting(boxes_[1]);
    SetWindowTextW(boxes_[1], text.c_str());
  }
  void Width(int width) {
    MoveWindow(boxes_[0], 0, 0, width, 271, FALSE);
    FittingRows fitting(boxes_[1]);
    MoveWindow(boxes_[1], 0, 0, width, 271, FALSE);
  }
  // Where each row of each box starts.
  std::vector<LRESULT> Rows(int which) const {
    std::vector<LRESULT> starts;
    const LRESULT count = SendMessageW(boxes_[which], EM_GETLINECOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) starts.push_back(SendMessageW(boxes_[which], EM_LINEINDEX, i, 0));
    return starts;
  }
  HWND Box(int which) const { return boxes_[which]; }

 private:
  UniqueFont font_;
  HWND parent_;
  HWND boxes_[2];
};

std::wstring Repeat(const std::wstring& unit, std::size_t n) {
  std::wstring s;
  while (s.size() < n) s += unit;
  return s.substr(0, n);
}

TEST(FittingBreaks, RowsComeOutWhereTheControlsOwnBreaksPutThem) {
  // Lines of up to a few hundred characters: the control's own breaks take
  // time that grows with the square of a line's length.
  const std::wstring texts[] = {
      Repeat(Repeat(L"中文字体显示效果测试", 40) + L"\r\n", 1200),
      Repeat(Repeat(L"The quick brown fox jumps over the lazy dog. ", 300) + L"\r\n", 1200),
      Repeat(L"0123456789", 500) + L"\r\nshort\r\n",
      Repeat(Repeat(L"中abc 日本語のテキスト、かな。\tTab\t", 200) + L"\r\n", 1200),
      Repeat(Repeat(L"한국어 텍스트 줄바꿈 시험입니다. 가나다라마바사 ", 250) + L"\r\n", 1200),
      Repeat(L"a-b/c,d.e;f ", 300) + L"\r\n\r\n" + Repeat(L"繁體中文測試，標點符號。", 300),
  };
  const struct {
    const wchar_t* face;
    BYTE charset;
  } fonts[] = {{L"宋体", GB2312_CHARSET}, {L"MingLiU", CHINESEBIG5_CHARSET},
               {L"GulimChe", HANGEUL_CHARSET}, {L"MS PMincho", SHIFTJIS_CHARSET}};
  for (const auto& font : fonts) {
    Boxes boxes(font.face, font.charset);
    int n = 0;
    for (const std::wstring& text : texts) {
      boxes.Set(text);
      EXPECT_EQ(boxes.Rows(1), boxes.Rows(0)) << "text " << n << " font " << int(font.charset);
      for (int width : {150, 333}) {
        boxes.Width(width);
        EXPECT_EQ(boxes.Rows(1), boxes.Rows(0)) << "text " << n << " width " << width;
      }
      boxes.Width(420);
      ++n;
    }
  }
}

TEST(FittingBreaks, WithoutFittingRowsTheBreaksAreTheSystems) {
  Boxes boxes(L"宋体", GB2312_CHARSET);
  const std::wstring text = Repeat(L"The quick brown fox 中文字体 ", 3000);
  SetWindowTextW(boxes.Box(0), text.c_str());
  SetWindowTextW(boxes.Box(1), text.c_str());
  EXPECT_EQ(boxes.Rows(1), boxes.Rows(0));
  // Typing in the middle rewraps the same way.
  for (int which = 0; which < 2; ++which) {
    SendMessageW(boxes.Box(which), EM_SETSEL, 100, 100);
    SendMessageW(boxes.Box(which), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"inserted words "));
  }
  EXPECT_EQ(boxes.Rows(1), boxes.Rows(0));
}

}  // namespace
}  // namespace vellumo
