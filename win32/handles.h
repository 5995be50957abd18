// Owners for handles and GDI objects, freed on destruction.
#pragma once

#include <windows.h>

#include <utility>

namespace vellumo {

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

template <class H>
struct FreeGdiObject {  // fonts, bitmaps, brushes
  static H Invalid() { return nullptr; }
  void operator()(H h) const { DeleteObject(h); }
};
struct FreeDC {  // memory device contexts
  static HDC Invalid() { return nullptr; }
  void operator()(HDC h) const { DeleteDC(h); }
};
struct FreeFile {
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  void operator()(HANDLE h) const { CloseHandle(h); }
};
struct FreeHandle {  // processes, threads: null when absent
  static HANDLE Invalid() { return nullptr; }
  void operator()(HANDLE h) const { CloseHandle(h); }
};

struct FreeMenu {
  static HMENU Invalid() { return nullptr; }
  void operator()(HMENU h) const { DestroyMenu(h); }
};
struct FreeAccelerators {
  static HACCEL Invalid() { return nullptr; }
  void operator()(HACCEL h) const { DestroyAcceleratorTable(h); }
};

using UniqueFont = Unique<HFONT, FreeGdiObject<HFONT>>;
using UniqueBitmap = Unique<HBITMAP, FreeGdiObject<HBITMAP>>;
using UniqueDC = Unique<HDC, FreeDC>;
using UniqueMenu = Unique<HMENU, FreeMenu>;
using UniqueAccelerators = Unique<HACCEL, FreeAccelerators>;
using UniqueFile = Unique<HANDLE, FreeFile>;
using UniqueHandle = Unique<HANDLE, FreeHandle>;

// A font by name, pixel height and character set.
UniqueFont MakeFont(const wchar_t* face, int pixelHeight, BYTE charset);

}  // namespace vellumo
