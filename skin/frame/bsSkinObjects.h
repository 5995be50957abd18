// The frame's skin objects: their state, mouse handling and drawing rules.
#pragma once

#include <memory>
#include <string>

#include "skin/data/bsDescriptors.h"
#include "skin/draw/bsEffects.h"
#include "skin/draw/bsGeometry.h"
#include "skin/frame/bsFrameState.h"

namespace bs {

class TbsFrameObjects;
class TbsSkinData;

// Objects answer the mouse by posting requests (redraw, timers, window
// commands, menus, events) to their owner TbsFrameObjects; the window layer
// carries them out.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// What a caption button or a double click asks the window to do.
enum class WindowAction { None, Close, Maximize, Minimize, Restore, ToggleRollUp, MinimizeToTray };

// The action of a caption button's command in a window state: cmmaximize
// restores when maximised, cmminimize when minimised (or minimises to the
// tray with alwaysMinimizeToTray); cmsysmenu and cmdefault do nothing here.
WindowAction CommandAction(TbsStdCommand command, TbsWindowState state,
                           bool alwaysMinimizeToTray);

// What an object asks of the window layer, in the order asked.
enum class FrameRequestKind {
  RedrawObject,        // draw object straight onto the window
  StartMorphTimer,     // 20 ms
  StartAnimationTimer, // 25 ms
  RunWindowAction,     // action
  DropSystemMenu,      // below object's ObjectRect (above when dropUp)
  DropObjectMenu,      // the object's own menu, likewise
  SystemMenuAtCursor,
  CaptureMouse,
  ReleaseCapture,
  ShowHint,            // object's Hint
  HideHint,
  MouseEnterEvent,     // the events carry object's IDName
  MouseLeaveEvent,
  MouseDownEvent,      // with point and button
  MouseUpEvent,
  MouseMoveEvent,
};
struct FrameRequest {
  FrameRequestKind kind;
  int object = -1;
  WindowAction action = WindowAction::None;
  Point point;
  TMouseButton button = TMouseButton::mbLeft;
  bool dropUp = false;
};

// What Draw puts at ObjectRect: nothing, a copy of rect of picture, a blend
// of that with activeRect of activePicture at factor (picture null: the
// canvas's own pixels under ObjectRect), or the form's icon.
struct ObjectImage {
  enum Kind { None, Copy, Blend, Icon } kind = None;
  const Picture* picture = nullptr;
  Rect rect;
  const Picture* activePicture = nullptr;
  Rect activeRect;
  MorphKind morphKind = MorphKind::mkdefault;
  double factor = 0;
};
// Draws image onto canvas with ObjectRect's top-left corner at at (the
// caller's offset of the canvas), clipped to the canvas.
void DrawObjectImage(Picture& canvas, Point at, const ObjectImage& image);

class TbsActiveSkinObject {
 public:
  TbsActiveSkinObject(TbsFrameObjects& owner, const TbsDataSkinObject& d, const TbsSkinData& skin);
  virtual ~TbsActiveSkinObject() = default;

  virtual bool MorphRunning() const;
  // The image for the object's state; drawNormalState off leaves out a
  // normal image that is part of the frame picture.
  virtual ObjectImage Draw(bool drawNormalState) const;
  virtual void DoubleClick();
  virtual void MouseDown(int x, int y, TMouseButton button);
  virtual void MouseUp(int x, int y, TMouseButton button);
  virtual void MouseMove(int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // One 20 ms step of the fade: MorphFactor moves 0.2 towards the active
  // flag's end. False once the fade has ended.
  bool MorphStep();
  bool HasActiveImage() const { return !activeskinrect.IsEmpty(); }

  TbsFrameObjects& Owner;
  int Index = -1;  // in the owner's list
  double MorphFactor = 0;
  bool MouseIn = false;
  const Picture* MainPicture = nullptr;
  const Picture* ExtraPicture = nullptr;  // null: no active image
  std::string IDName;
  std::string Hint;
  Rect skinrect, activeskinrect, inactiveskinrect;
  Rect ObjectRect;
  bool Active = false;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
  bool Enabled = true;
  bool Visible = true;
  bool skinrectinapicture = false;

 protected:
  // Sets the active flag and fades or redraws.
  void SetActive(bool active);
  void Redraw();
  // The normal image (from the extra picture when skinrectinapicture).
  ObjectImage NormalImage(bool drawNormalState) const;
  // The base drawing rule over the given normal and active rectangles.
  ObjectImage StateImage(const ObjectImage& normal, const Rect& active) const;

 private:
  int morphStep_ = 0;  // MorphFactor * 5, kept whole so a fade takes five steps
};

class TbsUserObject : public TbsActiveSkinObject {
 public:
  using TbsActiveSkinObject::TbsActiveSkinObject;
};

class TbsSkinButtonObject : public TbsActiveSkinObject {
 public:
  TbsSkinButtonObject(TbsFrameObjects& owner, const TbsDataSkinButton& d, const TbsSkinData& skin);
  ObjectImage Draw(bool drawNormalState) const override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // The dropped menu has closed: the button comes up.
  void MenuClosed();

  bool Down = false;
  Rect downrect, disableskinrsect;
  bool HasMenu = false;
  bool MenuOpen = false;
  bool DropUp = false;

 protected:
  ObjectImage ButtonImage(bool drawNormalState) const;
};

class TbsSkinStdButtonObject : public TbsSkinButtonObject {
 public:
  TbsSkinStdButtonObject(TbsFrameObjects& owner, const TbsDataSkinStdButton& d,
                         const TbsSkinData& skin);
  // A built-in button of the plain frame (no skin; Skinned false).
  TbsSkinStdButtonObject(TbsFrameObjects& owner, std::string idName, TbsStdCommand command);
  ObjectImage Draw(bool drawNormalState) const override;
  void DoubleClick() override;
  void MouseDown(int x, int y, TMouseButton button) override;
  void MouseUp(int x, int y, TMouseButton button) override;
  // Whether the window state shows this button's restore images.
  bool InRestoreState() const;

  TbsStdCommand command = TbsStdCommand::cmDefault;
  Rect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;
  bool Skinned = true;
};

class TbsSkinCaptionObject : public TbsActiveSkinObject {
 public:
  TbsSkinCaptionObject(TbsFrameObjects& owner, const TbsDataSkinCaption& d,
                       const TbsSkinData& skin);
  ObjectImage Draw(bool drawNormalState) const override;
  // The caption is active while the window is; the mouse does not change it.
  void MouseEnter() override;
  void MouseLeave() override;
  void SetWindowActive(bool active) { SetActive(active && HasActiveImage()); }
  // The active image at the object's width: the left part (LT.x - skinrect
  // left) and right part (skinrect right - RT.x) of activeskinrect kept,
  // the middle tiled.
  Picture ActiveBitmap() const;
  // textrect on the window.
  Rect TextRect() const;

  TbsDataSkinCaption Keys;  // font, colours, alignment, shadow, text and frame rectangles
  int LeftEnd = 0, RightEnd = 0;  // of the active bitmap

 private:
  mutable Picture activeBitmap_;  // what Draw's image points into
};

class TbsSkinAnimateObject : public TbsActiveSkinObject {
 public:
  TbsSkinAnimateObject(TbsFrameObjects& owner, const TbsDataSkinAnimate& d,
                       const TbsSkinData& skin);
  ObjectImage Draw(bool drawNormalState) const override;
  void DoubleClick() override;
  void MouseUp(int x, int y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  // One 25 ms tick; false when the object does not run (any more).
  bool AnimationStep();
  // Frame f (from 1) in the extra picture.
  Rect FrameRect(int f) const;

  int CurrentFrame = 1;
  bool Running = false;
  bool Forward = true;
  int Elapsed = 0;
  int Interval = 50;  // timerinterval, at least 25
  int countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  TbsStdCommand command = TbsStdCommand::cmDefault;
  bool HasMenu = false;
};

}  // namespace bs
