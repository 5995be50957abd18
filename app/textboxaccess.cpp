#include "app/textboxaccess.h"

#include <oleacc.h>

#include <string>

#include "about/comobject.h"

namespace vellumo {

namespace {

std::wstring TextOf(HWND box) {
  const int n = GetWindowTextLengthW(box);
  std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(box, text.data(), n + 1)));
  return text;
}

// The platform's standard object for the window, with the role, value and
// name of an edit control.
class EditAccessible : public ComObject<IAccessible> {
 public:
  EditAccessible(HWND box, ComPtr<IAccessible> standard) : box_(box), std_(std::move(standard)) {}

  STDMETHODIMP GetTypeInfoCount(UINT* n) override { return std_->GetTypeInfoCount(n); }
  STDMETHODIMP GetTypeInfo(UINT i, LCID l, ITypeInfo** t) override { return std_->GetTypeInfo(i, l, t); }
  STDMETHODIMP GetIDsOfNames(REFIID r, LPOLESTR* n, UINT c, LCID l, DISPID* d) override {
    return std_->GetIDsOfNames(r, n, c, l, d);
  }
  STDMETHODIMP Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS* p, VARIANT* v, EXCEPINFO* e,
                      UINT* a) override {
    return std_->Invoke(d, r, l, f, p, v, e, a);
  }
  STDMETHODIMP get_accParent(IDispatch** p) override { return std_->get_accParent(p); }
  STDMETHODIMP get_accChildCount(long* n) override { return std_->get_accChildCount(n); }
  STDMETHODIMP get_accChild(VARIANT c, IDispatch** p) override { return std_->get_accChild(c, p); }
  STDMETHODIMP get_accName(VARIANT c, BSTR* name) override {
    if (!name) return E_POINTER;
    if (!IsSelf(c)) return std_->get_accName(c, name);
    *name = nullptr;  // named by its label, as an edit control; it has none
    return S_FALSE;
  }
  STDMETHODIMP get_accValue(VARIANT c, BSTR* value) override {
    if (!value) return E_POINTER;
    if (!IsSelf(c)) return std_->get_accValue(c, value);
    const std::wstring text = TextOf(box_);
    *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *value ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP get_accDescription(VARIANT c, BSTR* d) override { return std_->get_accDescription(c, d); }
  STDMETHODIMP get_accRole(VARIANT c, VARIANT* role) override {
    if (!role) return E_POINTER;
    if (!IsSelf(c)) return std_->get_accRole(c, role);
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_TEXT;
    return S_OK;
  }
  STDMETHODIMP get_accState(VARIANT c, VARIANT* state) override {
    const HRESULT hr = std_->get_accState(c, state);
    if (SUCCEEDED(hr) && IsSelf(c) && state->vt == VT_I4) state->lVal |= STATE_SYSTEM_FOCUSABLE;
    return hr;
  }
  STDMETHODIMP get_accHelp(VARIANT c, BSTR* h) override { return std_->get_accHelp(c, h); }
  STDMETHODIMP get_accHelpTopic(BSTR* f, VARIANT c, long* t) override { return std_->get_accHelpTopic(f, c, t); }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT c, BSTR* k) override {
    return std_->get_accKeyboardShortcut(c, k);
  }
  STDMETHODIMP get_accFocus(VARIANT* f) override { return std_->get_accFocus(f); }
  STDMETHODIMP get_accSelection(VARIANT* s) override { return std_->get_accSelection(s); }
  STDMETHODIMP get_accDefaultAction(VARIANT c, BSTR* a) override { return std_->get_accDefaultAction(c, a); }
  STDMETHODIMP accSelect(long f, VARIANT c) override { return std_->accSelect(f, c); }
  STDMETHODIMP accLocation(long* x, long* y, long* w, long* h, VARIANT c) override {
    return std_->accLocation(x, y, w, h, c);
  }
  STDMETHODIMP accNavigate(long d, VARIANT s, VARIANT* e) override { return std_->accNavigate(d, s, e); }
  STDMETHODIMP accHitTest(long x, long y, VARIANT* c) override { return std_->accHitTest(x, y, c); }
  STDMETHODIMP accDoDefaultAction(VARIANT c) override { return std_->accDoDefaultAction(c); }
  STDMETHODIMP put_accName(VARIANT c, BSTR n) override { return std_->put_accName(c, n); }
  STDMETHODIMP put_accValue(VARIANT c, BSTR v) override { return std_->put_accValue(c, v); }

 protected:
  void* FindMore(REFIID iid) override {
    return iid == IID_IDispatch ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  static bool IsSelf(const VARIANT& c) { return c.vt == VT_I4 && c.lVal == CHILDID_SELF; }
  HWND box_;
  ComPtr<IAccessible> std_;
};

// The platform's standard object made an edit control's; null when none.
ComPtr<IAccessible> MakeTextBoxAccessible(HWND box) {
  ComPtr<IAccessible> standard;
  if (FAILED(CreateStdAccessibleObject(box, OBJID_CLIENT, __uuidof(IAccessible), standard.PutVoid())))
    return {};
  ComPtr<IAccessible> object;
  MakeCom<EditAccessible>(box, std::move(standard)).CopyTo(object.Put());
  return object;
}

}  // namespace

// IID_IAccessible of MinGW's import library is the import thunk, not the GUID:
// __uuidof gives the interface's own.
LRESULT TextBoxAccessible(HWND box, WPARAM wp) {
  const ComPtr<IAccessible> object = MakeTextBoxAccessible(box);
  return object ? LresultFromObject(__uuidof(IAccessible), wp, object.Get()) : 0;
}

}  // namespace vellumo
