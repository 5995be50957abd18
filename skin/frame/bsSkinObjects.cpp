// The frame's skin objects: state, mouse handling and drawing rules.
#include "skin/frame/bsSkinObjects.h"

#include <algorithm>

#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsTiling.h"
#include "skin/frame/bsCaption.h"
#include "skin/frame/bsFrameObjects.h"

namespace bs {

WindowAction CommandAction(TbsStdCommand command, TbsWindowState state,
                           bool alwaysMinimizeToTray) {
  switch (command) {
    case TbsStdCommand::cmClose: return WindowAction::Close;
    case TbsStdCommand::cmMaximize:
      return state == TbsWindowState::wsMaximized ? WindowAction::Restore : WindowAction::Maximize;
    case TbsStdCommand::cmMinimize:
      if (alwaysMinimizeToTray) return WindowAction::MinimizeToTray;
      return state == TbsWindowState::wsMinimized ? WindowAction::Restore : WindowAction::Minimize;
    case TbsStdCommand::cmRollUp: return WindowAction::ToggleRollUp;
    case TbsStdCommand::cmMinimizeToTray: return WindowAction::MinimizeToTray;
    case TbsStdCommand::cmSysMenu:
    case TbsStdCommand::cmDefault: break;
  }
  return WindowAction::None;
}

void DrawObjectImage(Picture& canvas, Point at, const ObjectImage& image) {
  switch (image.kind) {
    case ObjectImage::None:
    case ObjectImage::Icon: return;  // the icon is the window layer's
    case ObjectImage::Copy:
      if (image.picture != nullptr) CopyPicture(canvas, at.x, at.y, *image.picture, image.rect);
      return;
    case ObjectImage::Blend: {
      if (image.activePicture == nullptr) return;
      const Picture active = CropPicture(*image.activePicture, image.activeRect);
      const Picture normal =
          image.picture != nullptr
              ? CropPicture(*image.picture, image.rect)
              : CropPicture(canvas, Rect{at.x, at.y, at.x + active.width, at.y + active.height});
      const Picture blend = MorphBlend(normal, active, image.morphKind, image.factor);
      CopyPicture(canvas, at.x, at.y, blend, Rect{0, 0, blend.width, blend.height});
      return;
    }
  }
}

// ---------------------------------------------------------------------------
// TbsActiveSkinObject

TbsActiveSkinObject::TbsActiveSkinObject(TbsFrameObjects& owner, const TbsDataSkinObject& d,
                                         const TbsSkinData& skin)
    : Owner(owner),
      MainPicture(&skin.picture),
      ExtraPicture(skin.ExtraPicture(d.activepictureindex)),
      IDName(d.IDName),
      Hint(d.hint),
      skinrect(d.skinrect),
      activeskinrect(d.activeskinrect),
      inactiveskinrect(d.inactiveskinrect),
      morphing(d.morphing),
      morphkind(d.morphkind),
      skinrectinapicture(d.skinrectinapicture) {
  if (ExtraPicture == nullptr) activeskinrect = Rect{};
  if (activeskinrect.IsEmpty()) morphing = false;
}

bool TbsActiveSkinObject::MorphRunning() const {
  return morphing && ((Active && MorphFactor < 1) || (!Active && MorphFactor > 0));
}

bool TbsActiveSkinObject::MorphStep() {
  if (!MorphRunning()) return false;
  morphStep_ = std::clamp(morphStep_ + (Active ? 1 : -1), 0, 5);
  MorphFactor = morphStep_ / 5.0;
  Redraw();
  return MorphRunning();
}

void TbsActiveSkinObject::SetActive(bool active) {
  if (Active == active) return;
  Active = active;
  if (morphing)
    Owner.Request(FrameRequest{FrameRequestKind::StartMorphTimer, Index});
  else
    Redraw();
}

void TbsActiveSkinObject::Redraw() { Owner.Request(FrameRequest{FrameRequestKind::RedrawObject, Index}); }

void TbsActiveSkinObject::DoubleClick() {}

void TbsActiveSkinObject::MouseDown(int x, int y, TMouseButton button) {
  FrameRequest r{FrameRequestKind::MouseDownEvent, Index};
  r.point = Point{x, y};
  r.button = button;
  Owner.Request(r);
}

void TbsActiveSkinObject::MouseUp(int x, int y, TMouseButton button) {
  FrameRequest r{FrameRequestKind::MouseUpEvent, Index};
  r.point = Point{x, y};
  r.button = button;
  Owner.Request(r);
}

void TbsActiveSkinObject::MouseMove(int x, int y) {
  FrameRequest r{FrameRequestKind::MouseMoveEvent, Index};
  r.point = Point{x, y};
  Owner.Request(r);
}

void TbsActiveSkinObject::MouseEnter() {
  MouseIn = true;
  if (HasActiveImage()) SetActive(true);
  Owner.Request(FrameRequest{FrameRequestKind::MouseEnterEvent, Index});
}

void TbsActiveSkinObject::MouseLeave() {
  MouseIn = false;
  if (HasActiveImage()) SetActive(false);
  Owner.Request(FrameRequest{FrameRequestKind::MouseLeaveEvent, Index});
}

ObjectImage TbsActiveSkinObject::NormalImage(bool drawNormalState) const {
  ObjectImage image;
  image.picture = skinrectinapicture ? ExtraPicture : MainPicture;
  image.rect = skinrect;
  if (image.picture != nullptr && (drawNormalState || skinrectinapicture)) image.kind = ObjectImage::Copy;
  return image;
}

ObjectImage TbsActiveSkinObject::StateImage(const ObjectImage& normal, const Rect& active) const {
  const bool running = morphing && !active.IsEmpty() &&
                       ((Active && MorphFactor < 1) || (!Active && MorphFactor > 0));
  if (running) {
    ObjectImage blend = normal;
    blend.kind = ObjectImage::Blend;
    blend.activePicture = ExtraPicture;
    blend.activeRect = active;
    blend.morphKind = morphkind;
    blend.factor = MorphFactor;
    return blend;
  }
  if (Active && !active.IsEmpty()) return ObjectImage{ObjectImage::Copy, ExtraPicture, active};
  return normal;
}

ObjectImage TbsActiveSkinObject::Draw(bool drawNormalState) const {
  if (Enabled && !Owner.Status.windowActive && !inactiveskinrect.IsEmpty() && ExtraPicture)
    return ObjectImage{ObjectImage::Copy, ExtraPicture, inactiveskinrect};
  return StateImage(NormalImage(drawNormalState), activeskinrect);
}

// ---------------------------------------------------------------------------
// TbsSkinButtonObject

TbsSkinButtonObject::TbsSkinButtonObject(TbsFrameObjects& owner, const TbsDataSkinButton& d,
                                         const TbsSkinData& skin)
    : TbsActiveSkinObject(owner, d, skin), downrect(d.downrect), disableskinrsect(d.disableskinrsect) {}

ObjectImage TbsSkinButtonObject::ButtonImage(bool drawNormalState) const {
  if (!Enabled && !disableskinrsect.IsEmpty() && ExtraPicture)
    return ObjectImage{ObjectImage::Copy, ExtraPicture, disableskinrsect};
  if (Down && MouseIn && !downrect.IsEmpty() && ExtraPicture)
    return ObjectImage{ObjectImage::Copy, ExtraPicture, downrect};
  return TbsActiveSkinObject::Draw(drawNormalState);
}

ObjectImage TbsSkinButtonObject::Draw(bool drawNormalState) const {
  return ButtonImage(drawNormalState);
}

void TbsSkinButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && Enabled && !Down) {
    Down = true;
    Redraw();
    if (HasMenu) {
      MenuOpen = true;
      FrameRequest r{FrameRequestKind::DropObjectMenu, Index};
      r.dropUp = DropUp;
      Owner.Request(r);
    }
  }
  TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinButtonObject::MouseUp(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && Down && !HasMenu) {
    Down = false;
    Redraw();
  }
  TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinButtonObject::MouseEnter() {
  TbsActiveSkinObject::MouseEnter();
  if (Down) Redraw();
}

void TbsSkinButtonObject::MouseLeave() {
  TbsActiveSkinObject::MouseLeave();
  if (!HasMenu || !MenuOpen) Redraw();
}

void TbsSkinButtonObject::MenuClosed() {
  MenuOpen = false;
  Down = false;
  Redraw();
}

// ---------------------------------------------------------------------------
// TbsSkinStdButtonObject

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjects& owner,
                                               const TbsDataSkinStdButton& d,
                                               const TbsSkinData& skin)
    : TbsSkinButtonObject(owner, d, skin),
      command(d.command),
      restorerect(d.restorerect),
      restoreactiverect(d.restoreactiverect),
      restoredownrect(d.restoredownrect),
      restoreinactiverect(d.restoreinactiverect) {
  HasMenu = command == TbsStdCommand::cmSysMenu;
}

namespace {
TbsDataSkinStdButton PlainButtonDescriptor(std::string idName, TbsStdCommand command) {
  TbsDataSkinStdButton d(std::move(idName));
  d.command = command;
  return d;
}
const TbsSkinData& NoSkin() {
  static const TbsSkinData empty;
  return empty;
}
}  // namespace

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsFrameObjects& owner, std::string idName,
                                               TbsStdCommand command)
    : TbsSkinStdButtonObject(owner, PlainButtonDescriptor(std::move(idName), command), NoSkin()) {
  MainPicture = nullptr;
  Skinned = false;
}

bool TbsSkinStdButtonObject::InRestoreState() const {
  const FrameStatus& s = Owner.Status;
  return (command == TbsStdCommand::cmMaximize && s.windowState == TbsWindowState::wsMaximized) ||
         (command == TbsStdCommand::cmMinimize && s.windowState == TbsWindowState::wsMinimized) ||
         (command == TbsStdCommand::cmRollUp && s.rolledUp);
}

ObjectImage TbsSkinStdButtonObject::Draw(bool drawNormalState) const {
  const FrameStatus& s = Owner.Status;
  if (Enabled && (s.windowActive || inactiveskinrect.IsEmpty())) {
    if (command == TbsStdCommand::cmSysMenu && s.showIcon && skinrectinapicture)
      return ObjectImage{ObjectImage::Icon};
    if (InRestoreState() && !restorerect.IsEmpty() && ExtraPicture) {
      if (!s.windowActive && !restoreinactiverect.IsEmpty())
        return ObjectImage{ObjectImage::Copy, ExtraPicture, restoreinactiverect};
      if (Down && MouseIn && !restoredownrect.IsEmpty())
        return ObjectImage{ObjectImage::Copy, ExtraPicture, restoredownrect};
      return StateImage(ObjectImage{ObjectImage::Copy, ExtraPicture, restorerect},
                        restoreactiverect);
    }
  }
  return ButtonImage(drawNormalState);
}

void TbsSkinStdButtonObject::DoubleClick() {
  if (command == TbsStdCommand::cmSysMenu) {
    FrameRequest r{FrameRequestKind::RunWindowAction, Index};
    r.action = WindowAction::Close;
    Owner.Request(r);
  }
}

void TbsSkinStdButtonObject::MouseDown(int x, int y, TMouseButton button) {
  if (command == TbsStdCommand::cmSysMenu && button == TMouseButton::mbLeft && Enabled && !Down) {
    Down = true;
    MenuOpen = true;
    Redraw();
    FrameRequest r{FrameRequestKind::DropSystemMenu, Index};
    r.dropUp = DropUp;
    Owner.Request(r);
    TbsActiveSkinObject::MouseDown(x, y, button);
    return;
  }
  TbsSkinButtonObject::MouseDown(x, y, button);
}

void TbsSkinStdButtonObject::MouseUp(int x, int y, TMouseButton button) {
  const bool acts = button == TMouseButton::mbLeft && Down && MouseIn && Enabled;
  const WindowAction action = acts ? CommandAction(command, Owner.Status.windowState,
                                                   Owner.Status.alwaysMinimizeToTray)
                                   : WindowAction::None;
  FrameRequest run{FrameRequestKind::RunWindowAction, Index};
  run.action = action;
  // Close runs after the button is released; the others before.
  if (action != WindowAction::None && action != WindowAction::Close) Owner.Request(run);
  TbsSkinButtonObject::MouseUp(x, y, button);
  if (action == WindowAction::Close) Owner.Request(run);
}

// ---------------------------------------------------------------------------
// TbsSkinCaptionObject

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsFrameObjects& owner, const TbsDataSkinCaption& d,
                                           const TbsSkinData& skin)
    : TbsActiveSkinObject(owner, d, skin),
      Keys(d),
      LeftEnd(std::max(0, skin.FormInfo.lefttoppoint.x - d.skinrect.left)),
      RightEnd(std::max(0, d.skinrect.right - skin.FormInfo.righttoppoint.x)) {}

void TbsSkinCaptionObject::MouseEnter() {
  MouseIn = true;
  Owner.Request(FrameRequest{FrameRequestKind::MouseEnterEvent, Index});
}

void TbsSkinCaptionObject::MouseLeave() {
  MouseIn = false;
  Owner.Request(FrameRequest{FrameRequestKind::MouseLeaveEvent, Index});
}

Picture TbsSkinCaptionObject::ActiveBitmap() const {
  if (ExtraPicture == nullptr || activeskinrect.IsEmpty()) return Picture();
  return TileHorizontal(*ExtraPicture, activeskinrect, LeftEnd, RightEnd, ObjectRect.Width());
}

ObjectImage TbsSkinCaptionObject::Draw(bool drawNormalState) const {
  if (Enabled && !Owner.Status.windowActive && !inactiveskinrect.IsEmpty() && ExtraPicture)
    return ObjectImage{ObjectImage::Copy, ExtraPicture, inactiveskinrect};
  const bool running = MorphRunning();
  if (!running && !(Active && HasActiveImage())) return NormalImage(drawNormalState);
  activeBitmap_ = ActiveBitmap();
  const Rect whole{0, 0, activeBitmap_.width, activeBitmap_.height};
  if (!running) return ObjectImage{ObjectImage::Copy, &activeBitmap_, whole};
  ObjectImage blend = NormalImage(drawNormalState);
  blend.kind = ObjectImage::Blend;
  // Off the extra picture the normal image is the frame under the caption.
  if (!skinrectinapicture) blend.picture = nullptr;
  blend.activePicture = &activeBitmap_;
  blend.activeRect = whole;
  blend.morphKind = morphkind;
  blend.factor = MorphFactor;
  return blend;
}

Rect TbsSkinCaptionObject::TextRect() const {
  return CaptionTextRect(Keys.textrect, ObjectRect, skinrect);
}

// ---------------------------------------------------------------------------
// TbsSkinAnimateObject

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsFrameObjects& owner, const TbsDataSkinAnimate& d,
                                           const TbsSkinData& skin)
    : TbsActiveSkinObject(owner, d, skin),
      Interval(std::max(d.timerinterval, 25)),
      countframes(std::max(d.countframes, 1)),
      cycle(d.cycle),
      buttonstyle(d.buttonstyle),
      command(d.command) {
  morphing = false;
}

Rect TbsSkinAnimateObject::FrameRect(int f) const {
  const int w = skinrect.Width(), h = skinrect.Height();
  const int x = activeskinrect.left + w * (f - 1);
  return Rect{x, activeskinrect.top, x + w, activeskinrect.top + h};
}

ObjectImage TbsSkinAnimateObject::Draw(bool) const {
  if (ExtraPicture == nullptr) return ObjectImage{};
  return ObjectImage{ObjectImage::Copy, ExtraPicture, FrameRect(CurrentFrame)};
}

void TbsSkinAnimateObject::MouseEnter() {
  MouseIn = true;
  if (buttonstyle) {
    Running = Forward = true;
    Owner.Request(FrameRequest{FrameRequestKind::StartAnimationTimer, Index});
  }
  Owner.Request(FrameRequest{FrameRequestKind::MouseEnterEvent, Index});
}

void TbsSkinAnimateObject::MouseLeave() {
  MouseIn = false;
  if (buttonstyle) {
    Running = true;
    Forward = false;
    Owner.Request(FrameRequest{FrameRequestKind::StartAnimationTimer, Index});
  }
  Owner.Request(FrameRequest{FrameRequestKind::MouseLeaveEvent, Index});
}

bool TbsSkinAnimateObject::AnimationStep() {
  auto atEnd = [&] { return Forward ? !cycle && CurrentFrame >= countframes : CurrentFrame <= 1; };
  if (Running && atEnd()) Running = false;
  if (!Running) return false;
  Elapsed += 25;
  if (Elapsed < Interval) return true;
  if (Forward)
    CurrentFrame = CurrentFrame + 1 > countframes ? 1 : CurrentFrame + 1;
  else
    CurrentFrame = CurrentFrame - 1 < 1 ? countframes : CurrentFrame - 1;
  Elapsed = 25;
  Redraw();
  if (atEnd()) Running = false;
  return Running;
}

void TbsSkinAnimateObject::MouseUp(int x, int y, TMouseButton button) {
  if (button == TMouseButton::mbLeft && buttonstyle && MouseIn) {
    FrameRequest r{FrameRequestKind::RunWindowAction, Index};
    if (command == TbsStdCommand::cmSysMenu) {
      r.kind = FrameRequestKind::DropSystemMenu;
    } else if (command == TbsStdCommand::cmDefault) {
      r.kind = FrameRequestKind::DropObjectMenu;
    } else {
      r.action = CommandAction(command, Owner.Status.windowState, Owner.Status.alwaysMinimizeToTray);
    }
    if (r.kind != FrameRequestKind::DropObjectMenu || HasMenu) Owner.Request(r);
  }
  TbsActiveSkinObject::MouseUp(x, y, button);
}

void TbsSkinAnimateObject::DoubleClick() {
  if (command == TbsStdCommand::cmSysMenu) {
    FrameRequest r{FrameRequestKind::RunWindowAction, Index};
    r.action = WindowAction::Close;
    Owner.Request(r);
  }
}

}  // namespace bs
