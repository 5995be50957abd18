// The skinned frame's object list.
#include "skin/draw/bsGeometry.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameSize.h"

#include <algorithm>

namespace bs {

namespace {

TbsSkinStdButtonObject* AsStdButton(TbsActiveSkinObject* o) {
  return dynamic_cast<TbsSkinStdButtonObject*>(o);
}
TbsSkinAnimateObject* AsAnimate(TbsActiveSkinObject* o) {
  return dynamic_cast<TbsSkinAnimateObject*>(o);
}
bool IsCaption(const TbsActiveSkinObject* o) {
  return dynamic_cast<const TbsSkinCaptionObject*>(o) != nullptr;
}

// The row order of the caption buttons: close, maximize, minimize, roll-up,
// minimize to tray, then cmdefault buttons and animations in list order.
std::vector<TbsActiveSkinObject*> RowOrder(const std::vector<std::unique_ptr<TbsActiveSkinObject>>& objects) {
  std::vector<TbsActiveSkinObject*> row;
  const TbsStdCommand order[] = {TbsStdCommand::cmClose, TbsStdCommand::cmMaximize,
                                 TbsStdCommand::cmMinimize, TbsStdCommand::cmRollUp,
                                 TbsStdCommand::cmMinimizeToTray};
  auto inRow = [](TbsActiveSkinObject* o) { return o->Visible && o->skinrectinapicture; };
  for (TbsStdCommand c : order)
    for (const auto& o : objects)
      if (auto* b = AsStdButton(o.get()); b && b->command == c && inRow(b)) row.push_back(b);
  for (const auto& o : objects) {
    auto* b = AsStdButton(o.get());
    if (((b && b->command == TbsStdCommand::cmDefault) || AsAnimate(o.get())) && inRow(o.get()))
      row.push_back(o.get());
  }
  return row;
}

}  // namespace

void TbsFrameObjects::ResetIndexes() {
  underMouse_ = -1;
  captured_ = -1;
}

void TbsFrameObjects::Add(std::unique_ptr<TbsActiveSkinObject> object) {
  object->Index = static_cast<int>(Objects.size());
  Objects.push_back(std::move(object));
}

void TbsFrameObjects::CreateObjects(const TbsSkinData& skin) {
  Clear();
  if (skin.Empty()) return;
  for (const auto& d : skin.ObjectDescriptors) {
    const std::string kind = ObjectKindOf(*d);
    if (kind == "stdbutton")
      Add(std::make_unique<TbsSkinStdButtonObject>(
          *this, static_cast<const TbsDataSkinStdButton&>(*d), skin));
    else if (kind == "button")
      Add(std::make_unique<TbsSkinButtonObject>(*this, static_cast<const TbsDataSkinButton&>(*d),
                                                skin));
    else if (kind == "caption")
      Add(std::make_unique<TbsSkinCaptionObject>(*this, static_cast<const TbsDataSkinCaption&>(*d),
                                                 skin));
    else if (kind == "animate")
      Add(std::make_unique<TbsSkinAnimateObject>(*this, static_cast<const TbsDataSkinAnimate&>(*d),
                                                 skin));
    else if (kind == "userobject")
      Add(std::make_unique<TbsUserObject>(*this, *d, skin));
  }
}

void TbsFrameObjects::CreatePlainButtons() {
  Clear();
  const std::pair<const char*, TbsStdCommand> buttons[] = {
      {"closebutton", TbsStdCommand::cmClose},     {"maxbutton", TbsStdCommand::cmMaximize},
      {"minbutton", TbsStdCommand::cmMinimize},    {"rollupbutton", TbsStdCommand::cmRollUp},
      {"sysmenubutton", TbsStdCommand::cmSysMenu}, {"traybutton", TbsStdCommand::cmMinimizeToTray}};
  for (const auto& [name, command] : buttons) {
    auto b = std::make_unique<TbsSkinStdButtonObject>(*this, name, command);
    b->skinrectinapicture = true;  // not part of a frame picture: hidden when not allowed
    Add(std::move(b));
  }
}

void TbsFrameObjects::SkinChanging() {
  if (captureHeld_) Request(FrameRequest{FrameRequestKind::ReleaseCapture});
  captureHeld_ = false;
  Clear();
}

void TbsFrameObjects::Clear() {
  Objects.clear();
  ResetIndexes();
}

TbsActiveSkinObject* TbsFrameObjects::ObjectAt(int i) const {
  return i >= 0 && i < static_cast<int>(Objects.size()) ? Objects[i].get() : nullptr;
}

TbsSkinCaptionObject* TbsFrameObjects::Caption() const {
  for (const auto& o : Objects)
    if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get())) return c;
  return nullptr;
}

std::vector<Rect> TbsFrameObjects::CaptionRects() const {
  std::vector<Rect> rects;
  for (const auto& o : Objects)
    if (IsCaption(o.get())) rects.push_back(o->ObjectRect);
  return rects;
}

void TbsFrameObjects::PlaceObjects(const FrameSkin& skin, int width, int height,
                                   int buttonsOffset, bool buttonsInLeft) {
  for (const auto& o : Objects)
    if (!o->skinrectinapicture) o->ObjectRect = PlaceObjectRect(o->skinrect, skin, width, height);

  const PlacedFrame placed = PlaceFrame(skin, width, height);
  const bool inButtons = !placed.buttons.IsEmpty();
  if (!inButtons && placed.caption.IsEmpty()) return;
  const Rect& layout = inButtons ? placed.buttons : placed.caption;
  const Rect& caption = placed.caption;
  TbsSkinCaptionObject* captionObject = Caption();
  TbsSkinStdButtonObject* sysMenu = nullptr;
  for (const auto& o : Objects)
    if (auto* b = AsStdButton(o.get());
        !sysMenu && b && b->command == TbsStdCommand::cmSysMenu && b->Visible && b->skinrectinapicture)
      sysMenu = b;
  std::vector<TbsActiveSkinObject*> row = RowOrder(Objects);
  if (row.empty() && !sysMenu) return;
  auto sizeOf = [&](TbsActiveSkinObject* o) {
    if (o == sysMenu && Status.showIcon) return Status.iconSize;
    return Size{o->skinrect.Width(), o->skinrect.Height()};
  };

  const int y = layout.top;
  if (!buttonsInLeft) {
    int x = layout.right;
    for (TbsActiveSkinObject* o : row) {
      const Size s = sizeOf(o);
      o->ObjectRect = Rect{x - s.width, y, x, y + s.height};
      x -= s.width + buttonsOffset;
    }
    if (!inButtons && captionObject) captionObject->ObjectRect.right = x + buttonsOffset;
    if (sysMenu) {
      const Size s = sizeOf(sysMenu);
      x = caption.left;
      const int top = caption.top + caption.Height() / 2 - s.height / 2;
      sysMenu->ObjectRect = Rect{x, top, x + s.width, top + s.height};
      x += s.width + buttonsOffset;
      if (captionObject) captionObject->ObjectRect.left = x - buttonsOffset;
    }
  } else {
    int x = layout.left;
    if (!inButtons && sysMenu) row.push_back(sysMenu);
    for (TbsActiveSkinObject* o : row) {
      const Size s = sizeOf(o);
      o->ObjectRect = Rect{x, y, x + s.width, y + s.height};
      x += s.width + buttonsOffset;
    }
    if (!inButtons && captionObject) captionObject->ObjectRect.left = x + buttonsOffset;
  }
}

void TbsFrameObjects::PlacePlainButtons(int width, bool toolWindow) {
  const int size = toolWindow ? kPlainToolButtonSize : kPlainButtonSize;
  int x = width - 3;
  const TbsStdCommand order[] = {TbsStdCommand::cmClose, TbsStdCommand::cmMaximize,
                                 TbsStdCommand::cmMinimize, TbsStdCommand::cmRollUp,
                                 TbsStdCommand::cmMinimizeToTray};
  for (TbsStdCommand c : order)
    for (const auto& o : Objects)
      if (auto* b = AsStdButton(o.get()); b && b->command == c && b->Visible) {
        b->ObjectRect = Rect{x - size, kPlainButtonTop, x, kPlainButtonTop + size};
        x -= size;
      }
  for (const auto& o : Objects)
    if (auto* b = AsStdButton(o.get()); b && b->command == TbsStdCommand::cmSysMenu) {
      const int w = Status.showIcon ? Status.iconSize.width : size;
      b->ObjectRect = Rect{3, kPlainButtonTop, 3 + w, kPlainButtonTop + size};
    }
}

Rect TbsFrameObjects::PlainCaptionArea(int width, bool toolWindow) const {
  const int height = toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight;
  Rect area{3, 3, width - 3, 3 + height};
  for (const auto& o : Objects) {
    const auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(o.get());
    if (!b || !b->Visible || b->ObjectRect.IsEmpty()) continue;
    if (b->command == TbsStdCommand::cmSysMenu)
      area.left = std::max(area.left, b->ObjectRect.right);
    else
      area.right = std::min(area.right, b->ObjectRect.left);
  }
  return area;
}

void TbsFrameObjects::TrackObjectUnderMouse(int x, int y) {
  if (!Status.windowActive || Objects.empty()) return;
  int found = -1;
  for (const auto& o : Objects)
    if (o->Enabled && o->Visible && Contains(o->ObjectRect, x, y)) {
      found = o->Index;
      break;
    }
  if (ObjectAt(captured_) != nullptr && found != captured_) found = -1;
  if (found == underMouse_) return;
  TbsActiveSkinObject* old = ObjectAt(underMouse_);
  underMouse_ = found;
  if (old) {
    old->MouseLeave();
    if (Status.showObjectHint) Request(FrameRequest{FrameRequestKind::HideHint, old->Index});
  }
  if (TbsActiveSkinObject* now = ObjectAt(found)) {
    now->MouseEnter();
    if (Status.showObjectHint && !now->Hint.empty())
      Request(FrameRequest{FrameRequestKind::ShowHint, found});
  }
}

void TbsFrameObjects::MouseDown(int x, int y, TMouseButton button) {
  TrackObjectUnderMouse(x, y);
  TbsActiveSkinObject* o = ObjectAt(underMouse_);
  if (o == nullptr) return;
  o->MouseDown(x, y, button);
  captured_ = underMouse_;
  if (!IsCaption(o)) {
    Request(FrameRequest{FrameRequestKind::CaptureMouse, captured_});
    captureHeld_ = true;
  } else if (button == TMouseButton::mbRight) {
    Request(FrameRequest{FrameRequestKind::SystemMenuAtCursor, captured_});
  }
}

void TbsFrameObjects::MouseUp(int x, int y, TMouseButton button) {
  if (TbsActiveSkinObject* o = ObjectAt(captured_)) o->MouseUp(x, y, button);
  if (captureHeld_) Request(FrameRequest{FrameRequestKind::ReleaseCapture});
  captureHeld_ = false;
  captured_ = -1;
}

void TbsFrameObjects::MouseMove(int x, int y) {
  TbsActiveSkinObject* o = ObjectAt(captured_);
  if (o == nullptr) o = ObjectAt(underMouse_);
  if (o) o->MouseMove(x, y);
}

void TbsFrameObjects::DoubleClick() {
  if (TbsActiveSkinObject* o = ObjectAt(underMouse_)) o->DoubleClick();
}

void TbsFrameObjects::EnterSizeMove() {
  Status.sizeMoveUnderWay = true;
  // The object left behind must not keep its hover look.
  if (TbsActiveSkinObject* o = ObjectAt(underMouse_)) o->MouseLeave();
  ResetIndexes();
}

void TbsFrameObjects::ExitSizeMove() {
  Status.sizeMoveUnderWay = false;
  if (TbsActiveSkinObject* o = ObjectAt(underMouse_)) o->MouseLeave();
  ResetIndexes();
}

void TbsFrameObjects::MenuClosed(int object) {
  if (auto* b = dynamic_cast<TbsSkinButtonObject*>(ObjectAt(object))) b->MenuClosed();
}

void TbsFrameObjects::SetWindowActive(bool active) {
  Status.windowActive = active;
  for (const auto& o : Objects)
    if (auto* c = dynamic_cast<TbsSkinCaptionObject*>(o.get())) c->SetWindowActive(active);
}

bool TbsFrameObjects::MorphTimerTick() {
  bool running = false;
  for (const auto& o : Objects) running = o->MorphStep() || running;
  return running;
}

bool TbsFrameObjects::AnimationTimerTick() {
  bool running = false;
  for (const auto& o : Objects)
    if (auto* a = AsAnimate(o.get())) running = a->AnimationStep() || running;
  return running;
}

void TbsFrameObjects::ApplyBorderIcons(TbsBorderIcons icons, bool hideCaptionButtons,
                                       const std::function<bool(const std::string&)>& activateCustom,
                                       const TbsResourceStrData* strings,
                                       bool useDefaultObjectHint) {
  for (const auto& o : Objects) {
    TbsSkinStdButtonObject* b = AsStdButton(o.get());
    if (hideCaptionButtons) {
      if (b || AsAnimate(o.get())) {
        o->Enabled = false;
        o->Visible = !o->skinrectinapicture;
      }
      continue;
    }
    if (!b) continue;
    if (b->command == TbsStdCommand::cmDefault) {
      b->Visible = activateCustom ? activateCustom(b->IDName) : false;
      continue;
    }
    const bool keeps = b->command == TbsStdCommand::cmClose || (icons & BorderIconOf(b->command));
    b->Enabled = keeps;
    b->Visible = keeps || !b->skinrectinapicture;
  }
  RefreshHints(strings, useDefaultObjectHint);
}

void TbsFrameObjects::RefreshHints(const TbsResourceStrData* strings, bool useDefaultObjectHint) {
  if (!useDefaultObjectHint) return;
  for (const auto& o : Objects)
    if (auto* b = AsStdButton(o.get()); b && b->command != TbsStdCommand::cmDefault)
      b->Hint = DefaultObjectHint(b->command, strings);
}

std::vector<FrameRequest> TbsFrameObjects::TakeRequests() {
  std::vector<FrameRequest> out;
  out.swap(requests_);
  return out;
}

}  // namespace bs
