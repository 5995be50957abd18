// Small Win32 helpers of the main window: UTF-8/UTF-16 conversion, owners for
// handles and GDI objects, rounding.
#pragma once

#include <windows.h>

#include <cmath>
#include <string>
#include <utility>

namespace vellumo {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// Round to nearest, a half to the even neighbour.
inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Owns one handle and frees it with Free(handle) on destruction.
template <class H, class Free>
class Unique {
 public:
  Unique() = default;
  explicit Unique(H h) : h_(h) {}
  ~Unique() { reset(); }
  Unique(Unique&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  Unique& operator=(Unique&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, H{});
    }
    return *this;
  }
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{} && h_ != Free::Invalid(); }
  void reset(H h = H{}) {
    if (*this) Free()(h_);
    h_ = h;
  }
  H release() { return std::exchange(h_, H{}); }

 private:
  H h_{};
};

struct FreeGdi {
  static HGDIOBJ Invalid() { return nullptr; }
  void operator()(HGDIOBJ h) const { DeleteObject(h); }
};
struct FreeFont {
  static HFONT Invalid() { return nullptr; }
  void operator()(HFONT h) const { DeleteObject(h); }
};
struct FreeFile {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct FreeMenu {
  static HMENU Invalid() { return nullptr; }
  void operator()(HMENU h) const { DestroyMenu(h); }
};

using UniqueFont = Unique<HFONT, FreeFont>;
using UniqueFile = Unique<HANDLE, FreeFile>;

// A font by name, pixel height and character set.
UniqueFont MakeFont(const wchar_t* face, int pixelHeight, BYTE charset);

}  // namespace vellumo
