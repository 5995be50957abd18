// A small base for the program's own COM objects: one reference count and
// QueryInterface over the interfaces listed, made only through MakeCom and
// held through ComPtr, so no caller writes new, delete, AddRef or Release.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <string>
#include <utility>

namespace vellumo {

// Holds one reference to a COM interface. Attach takes over a reference
// without adding one.
template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr& o) : p_(o.p_) { AddRef(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ~ComPtr() { Reset(); }
  ComPtr& operator=(ComPtr o) noexcept {
    std::swap(p_, o.p_);
    return *this;
  }

  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  bool operator==(std::nullptr_t) const { return p_ == nullptr; }
  bool operator!=(std::nullptr_t) const { return p_ != nullptr; }

  void Attach(T* p) {
    Reset();
    p_ = p;
  }
  void Reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }
  // For a call that hands out a reference: the old one goes first.
  T** Put() {
    Reset();
    return &p_;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // Another interface of the same object.
  template <class U>
  HRESULT As(ComPtr<U>* out) const {
    return p_ ? p_->QueryInterface(__uuidof(U), out->PutVoid()) : E_POINTER;
  }
  // Hands out a new reference as one of T's bases.
  template <class U>
  void CopyTo(U** out) const {
    AddRef();
    *out = p_;
  }

 private:
  void AddRef() const {
    if (p_) p_->AddRef();
  }
  T* p_ = nullptr;
};

// How many of the program's COM objects are alive (tests check for leaks).
long LiveComObjects();

namespace detail {
extern std::atomic<long> liveComObjects;
}

template <class... Interfaces>
class ComObject : public Interfaces... {
 public:
  ComObject() { ++detail::liveComObjects; }
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = Find(iid);
    if (!*out) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
  STDMETHODIMP_(ULONG) Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  virtual ~ComObject() { --detail::liveComObjects; }
  // Further ids the object answers to (a base interface two of its
  // interfaces share, a dispinterface); null for none.
  virtual void* FindMore(REFIID) { return nullptr; }

 private:
  template <class First, class...>
  IUnknown* Unknown() {
    return static_cast<First*>(this);
  }
  void* Find(REFIID iid) {
    if (iid == IID_IUnknown) return Unknown<Interfaces...>();
    void* found = nullptr;
    (void)((iid == __uuidof(Interfaces) && (found = static_cast<Interfaces*>(this))) || ...);
    return found ? found : FindMore(iid);
  }

  std::atomic<ULONG> refs_{1};
};

// Creates a COM object; the one reference it starts with is the ComPtr's.
template <class T, class... Args>
ComPtr<T> MakeCom(Args&&... args) {
  ComPtr<T> p;
  p.Attach(new T(std::forward<Args>(args)...));
  return p;
}

// A BSTR owned for its lifetime.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::wstring& text)
      : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }
  BSTR* out() {
    SysFreeString(b_);
    b_ = nullptr;
    return &b_;
  }
  std::wstring str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

 private:
  BSTR b_ = nullptr;
};

}  // namespace vellumo
