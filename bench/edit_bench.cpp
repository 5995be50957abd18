// Where the time goes in the platform's multi-line edit control, set up as
// the viewer's text box: setting a text (wrapped or not, lines of a given
// length), changing the font on a full text, emptying the undo buffer.
// Usage: edit_bench.exe [-fit] MODE ...    -fit: with the fitting word breaks
//        edit_bench.exe line  KIND WRAP N...   one line of N characters
//        edit_bench.exe lines KIND WRAP LEN TOTAL   lines of LEN up to TOTAL characters
//        edit_bench.exe big   WRAP TOTAL        lines of 40 CJK characters: set, font, undo, replace
//        edit_bench.exe chunks WRAP TOTAL CHUNK the same lines appended in pieces of CHUNK
// KIND: digits, cjk or words ("中abc "); WRAP 1 wraps (no horizontal bar).
// Prints one line per measurement: what, characters, seconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/fittingbreaks.h"

namespace {

bool fit = false;  // -fit: the text box's fitting word breaks

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / f.QuadPart;
}

std::wstring Run(const std::wstring& kind, std::size_t n) {
  std::wstring unit = kind == L"digits" ? L"0123456789" : kind == L"cjk" ? L"中文字体显示" : L"中abc ";
  std::wstring s;
  s.reserve(n);
  while (s.size() < n) s += unit;
  s.resize(n);
  return s;
}

struct Box {
  HWND parent = nullptr, edit = nullptr;
  HFONT font = nullptr;
  explicit Box(bool wrap) {
    parent = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 428,
                             336, nullptr, nullptr, nullptr, nullptr);
    DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    if (!wrap) style |= WS_HSCROLL;
    edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr, style, 0, 0, 420, 271, parent,
                           nullptr, nullptr, nullptr);
    SendMessageW(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
    font = MakeFont(L"宋体", GB2312_CHARSET);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (fit) vellumo::UseFittingWordBreaks(edit);
  }
  ~Box() {
    DestroyWindow(parent);
    DeleteObject(font);
  }
  static HFONT MakeFont(const wchar_t* name, BYTE charset) {
    return CreateFontW(-13, 0, 0, 0, FW_NORMAL, 0, 0, 0, charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, name);
  }
  void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  // Seconds to set the text, redraw off, and to paint it afterwards.
  double Set(const std::wstring& text, bool redrawOff = true) {
    vellumo::FittingRows fitting(fit ? edit : nullptr);
    double t = Now();
    if (redrawOff) SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(edit, text.c_str());
    if (redrawOff) SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
    UpdateWindow(edit);
    Pump();
    return Now() - t;
  }
};

void Print(const char* what, std::size_t chars, double seconds) {
  std::printf("%-34s %10zu %9.3f\n", what, chars, seconds);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc > 1 && std::wstring(argv[1]) == L"-fit") {
    fit = true;
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: edit_bench line|lines|big ...\n");
    return 2;
  }
  const std::wstring mode = argv[1];
  if (mode == L"line" && argc >= 5) {
    const bool wrap = argv[3][0] == L'1';
    for (int i = 4; i < argc; ++i) {
      std::size_t n = std::wcstoul(argv[i], nullptr, 10);
      Box box(wrap);
      char what[64];
      std::snprintf(what, sizeof what, "line %ls %s", argv[2], wrap ? "wrapped" : "unwrapped");
      Print(what, n, box.Set(Run(argv[2], n) + L"\r\n"));
    }
  } else if (mode == L"lines" && argc >= 6) {
    const bool wrap = argv[3][0] == L'1';
    std::size_t len = std::wcstoul(argv[4], nullptr, 10);
    std::size_t total = std::wcstoul(argv[5], nullptr, 10);
    std::wstring line = Run(argv[2], len) + L"\r\n";
    std::wstring text;
    while (text.size() < total) text += line;
    Box box(wrap);
    char what[64];
    std::snprintf(what, sizeof what, "lines of %zu %ls %s", len, argv[2], wrap ? "wrapped" : "unwrapped");
    Print(what, text.size(), box.Set(text));
  } else if (mode == L"big" && argc >= 4) {
    const bool wrap = argv[2][0] == L'1';
    std::size_t total = std::wcstoul(argv[3], nullptr, 10);
    std::wstring line = Run(L"cjk", 40) + L"\r\n";
    std::wstring text;
    while (text.size() < total) text += line;
    const char* how = wrap ? "wrapped" : "unwrapped";
    char what[64];
    Box box(wrap);
    std::snprintf(what, sizeof what, "set, redraw off, %s", how);
    Print(what, text.size(), box.Set(text));
    double t = Now();
    SendMessageW(box.edit, EM_EMPTYUNDOBUFFER, 0, 0);
    Print("empty undo buffer", text.size(), Now() - t);
    HFONT other = Box::MakeFont(L"MingLiU", CHINESEBIG5_CHARSET);
    t = Now();
    SendMessageW(box.edit, WM_SETFONT, reinterpret_cast<WPARAM>(other), TRUE);
    box.Pump();
    std::snprintf(what, sizeof what, "font on the full text, %s", how);
    Print(what, text.size(), Now() - t);
    std::snprintf(what, sizeof what, "set over the full text, %s", how);
    Print(what, text.size(), box.Set(text));
    t = Now();
    SendMessageW(box.edit, WM_SETREDRAW, FALSE, 0);
    SetWindowTextW(box.edit, L"");
    SendMessageW(box.edit, WM_SETFONT, reinterpret_cast<WPARAM>(box.font), FALSE);
    SetWindowTextW(box.edit, text.c_str());
    SendMessageW(box.edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box.edit, nullptr, TRUE);
    box.Pump();
    std::snprintf(what, sizeof what, "empty, font, set, %s", how);
    Print(what, text.size(), Now() - t);
    t = Now();
    std::wstring back(text.size() + 1, L'\0');
    GetWindowTextW(box.edit, back.data(), static_cast<int>(back.size()));
    Print("get the text", text.size(), Now() - t);
    DeleteObject(other);
    Box fresh(wrap);
    std::snprintf(what, sizeof what, "set, redraw on, %s", how);
    Print(what, text.size(), fresh.Set(text, false));
  } else if (mode == L"chunks" && argc >= 5) {
    const bool wrap = argv[2][0] == L'1';
    std::size_t total = std::wcstoul(argv[3], nullptr, 10);
    std::size_t chunk = std::wcstoul(argv[4], nullptr, 10);
    std::wstring line = Run(L"cjk", 40) + L"\r\n";
    std::wstring text;
    while (text.size() < total) text += line;
    Box box(wrap);
    double t = Now();
    SendMessageW(box.edit, WM_SETREDRAW, FALSE, 0);
    for (std::size_t at = 0; at < text.size();) {
      std::size_t end = std::min(text.size(), at + chunk);
      end = text.find(L'\n', end);
      end = end == std::wstring::npos ? text.size() : end + 1;
      std::wstring part = text.substr(at, end - at);
      SendMessageW(box.edit, EM_SETSEL, -2, -1);
      SendMessageW(box.edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
      box.Pump();
      at = end;
    }
    SendMessageW(box.edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box.edit, nullptr, TRUE);
    box.Pump();
    char what[64];
    std::snprintf(what, sizeof what, "chunks of %zu, %s", chunk, wrap ? "wrapped" : "unwrapped");
    Print(what, text.size(), Now() - t);
  } else {
    std::fprintf(stderr, "usage: edit_bench line|lines|big|chunks ...\n");
    return 2;
  }
  return 0;
}
