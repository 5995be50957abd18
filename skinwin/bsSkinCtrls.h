// The bases of the skinned controls: TbsSkinControl (a window of its own,
// painted off-screen and copied in one step, host of window-less controls)
// and TbsGraphicSkinControl (window-less: its host paints it into the host's
// off-screen picture and routes the mouse, timers and hints to it).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/bsControlSection.h"
#include "skin/data/bsSkinData.h"
#include "skinwin/bsSkinBinding.h"
#include "skinwin/bsSkinCanvas.h"
#include "win32/window.h"

namespace bs {

class TbsGraphicControl;

// The skinned control's font for its section (with the skin's font keys of
// kind T when the section is of that kind).
template <typename T>
FontSpec SkinControlFont(const ControlSection& s, const TbsControlDefaults& d) {
  const T* k = s.As<T>();
  const FontSpec section = k ? SectionFontOf(*k) : FontSpec{};
  return ControlFont(k ? &section : nullptr, d.UseSkinFont, d.DefaultFont, std::nullopt);
}

class TbsSkinControl : public vellumo::Window, public SkinBinding {
 public:
  ~TbsSkinControl() override;

  // Creates the window as a child of parent at bounds (parent's client
  // coordinates), the size rule applied.
  bool CreateControl(HWND parent, const Rect& bounds);

  // Bounds in the parent's client coordinates; the size rule applies while
  // a section is in force.
  void SetBounds(const Rect& r);
  Rect Bounds() const;
  Size ClientSize() const;
  bool Enabled() const;
  void SetEnabled(bool enabled);
  void Repaint() const;

  // Window-less controls it hosts (they add themselves by SetParent).
  void AddGraphic(TbsGraphicControl* g);
  void RemoveGraphic(TbsGraphicControl* g);
  const std::vector<TbsGraphicControl*>& Graphics() const { return graphics_; }
  void InvalidateArea(const Rect& r) const;
  void UpdateHint(const TbsGraphicControl* g);
  void StartGraphicTimer(const TbsGraphicControl* g, int which, UINT ms);
  void StopGraphicTimer(const TbsGraphicControl* g, int which);
  // The window-less control under a client point, or null.
  TbsGraphicControl* GraphicAt(Point p) const;

 protected:
  virtual const wchar_t* ClassName() const = 0;
  virtual DWORD Style() const { return WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN; }
  // Draws the control's own look (plain or skinned) into the canvas.
  virtual void PaintControl(TbsCanvas& c) = 0;
  void SkinChange() override;
  void SkinCleared() override { Repaint(); }
  virtual void EnabledChanged() { Repaint(); }
  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint();
  void PaintTo(HDC dc, const Rect& r);
  // A mouse message's point lies within the control.
  bool InClient(LPARAM lp) const;

 private:
  void UpdateRegion();
  void MouseMove(LPARAM lp);
  void MouseOut();
  void RelayToHints(UINT msg, WPARAM wp, LPARAM lp);
  int IndexOf(const TbsGraphicControl* g) const;

  bool mouseInside_ = false;
  std::vector<TbsGraphicControl*> graphics_;
  TbsGraphicControl* hot_ = nullptr;       // under the mouse
  TbsGraphicControl* captured_ = nullptr;  // holds the left button
  HWND tips_ = nullptr;
};

// TbsSkinControl with default size and font.
class TbsSkinCustomControl : public TbsCustom<TbsSkinControl> {
 public:
  void SetDefaultWidth(int w);
  void SetDefaultHeight(int h);
};

// A window-less control placed on a host window.
class TbsGraphicControl {
 public:
  TbsGraphicControl() = default;
  virtual ~TbsGraphicControl();
  TbsGraphicControl(const TbsGraphicControl&) = delete;
  TbsGraphicControl& operator=(const TbsGraphicControl&) = delete;

  void SetParent(TbsSkinControl* host);
  TbsSkinControl* Parent() const { return host_; }
  Rect Bounds() const { return bounds_; }
  Size ClientSize() const { return Size{bounds_.Width(), bounds_.Height()}; }
  void SetBounds(const Rect& r);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  bool ShowHint = true;
  void Invalidate() const;

  // Called by the host.
  virtual void Paint(TbsCanvas& c) = 0;  // c's origin is the control's top-left corner
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(Point) {}
  virtual void MouseMove(Point) {}
  virtual void MouseUp(Point, bool /*over*/) {}
  virtual void CaptureLost() {}
  virtual void TimerTick(int /*which*/) {}
  virtual void SkinNotify(UINT /*msg*/, TbsSkinData* /*data*/) {}

 protected:
  virtual Size FitSize(Size request) const { return request; }
  virtual void EnabledChanged() { Invalidate(); }
  void StartTimer(int which, UINT ms);
  void StopTimer(int which);

 private:
  friend class TbsSkinControl;
  TbsSkinControl* host_ = nullptr;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring hint_;
};

class TbsGraphicSkinControl : public TbsGraphicControl, public SkinBinding {
 public:
  void MouseEnter() override { TellMouseEnter(); }
  void MouseLeave() override { TellMouseLeave(); }
  void SkinNotify(UINT msg, TbsSkinData* data) override { TakeSkinNotice(msg, data); }

 protected:
  Size FitSize(Size request) const override { return SkinBinding::FitSize(request); }
  void SkinChange() override;
  void SkinCleared() override { Invalidate(); }
};

class TbsGraphicSkinCustomControl : public TbsCustom<TbsGraphicSkinControl> {};

// Reflected to the child whose colours are asked (the skinned edit draws its
// text on its own background): OCM_CTLCOLOREDIT and OCM_CTLCOLORSTATIC.
constexpr UINT kReflectBase = WM_USER + 0x1C00;

}  // namespace bs
