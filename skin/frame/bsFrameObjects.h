// The skinned frame's object list: placement, mouse tracking, timers' steps, border icons.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/frame/bsFormGeometry.h"
#include "skin/frame/bsSkinObjects.h"
#include "skin/frame/bsSystemMenu.h"

namespace bs {

// The plain frame's built-in buttons: 17 pixels square (13 for tool
// windows), 4 pixels from the top.
constexpr int kPlainButtonSize = 17;
constexpr int kPlainToolButtonSize = 13;
constexpr int kPlainButtonTop = 4;

// What the objects read of their window.
struct FrameStatus {
  bool windowActive = false;
  TbsWindowState windowState = TbsWindowState::wsNormal;
  bool rolledUp = false;
  bool showIcon = false;
  Size iconSize{16, 16};
  bool alwaysMinimizeToTray = false;
  bool showObjectHint = false;
  bool sizeMoveUnderWay = false;
};

// Every index is checked before use; requests for the window layer collect
// in a queue.
class TbsFrameObjects {
 public:
  // Frees the objects and makes one per object descriptor of skin, in
  // order (none for an empty skin); every index becomes none.
  void CreateObjects(const TbsSkinData& skin);
  // The plain frame's built-in buttons, every index none.
  void CreatePlainButtons();
  // Before the skin changes: the objects go, both indexes become none, and
  // a capture held is released.
  void SkinChanging();
  void Clear();

  // The object at i, or null for none or an index out of range.
  TbsActiveSkinObject* ObjectAt(int i) const;
  int ObjectUnderMouse() const { return underMouse_; }
  int CapturedObject() const { return captured_; }
  TbsSkinCaptionObject* Caption() const;  // the first caption object
  // ObjectRects of the caption objects, for the hit test.
  std::vector<Rect> CaptionRects() const;

  // Every object's ObjectRect for a width x height window.
  void PlaceObjects(const FrameSkin& skin, int width, int height, int buttonsOffset,
                    bool buttonsInLeft);
  // The built-in buttons on a width-wide plain frame.
  void PlacePlainButtons(int width, bool toolWindow);
  // The plain caption bar less its visible buttons.
  Rect PlainCaptionArea(int width, bool toolWindow) const;

  // The first enabled, visible object containing (x, y) becomes the object
  // under the mouse (none while another holds the capture); the old one is
  // left and the new one entered. Only while the window is active.
  void TrackObjectUnderMouse(int x, int y);
  void MouseDown(int x, int y, TMouseButton button);
  void MouseUp(int x, int y, TMouseButton button);
  void MouseMove(int x, int y);
  void DoubleClick();
  void EnterSizeMove();
  void ExitSizeMove();
  void SetWindowActive(bool active);
  // The menu that object dropped has closed.
  void MenuClosed(int object);
  // The 20 ms morph timer: steps every running fade; false when none runs.
  bool MorphTimerTick();
  // The 25 ms animation timer: likewise for animations.
  bool AnimationTimerTick();

  // Enables, disables, shows and hides the caption buttons for icons;
  // activateCustom answers for a cmdefault button (by IDName) whether it
  // shows. Then refreshes the hints.
  void ApplyBorderIcons(TbsBorderIcons icons, bool hideCaptionButtons,
                        const std::function<bool(const std::string&)>& activateCustom,
                        const TbsResourceStrData* strings = nullptr,
                        bool useDefaultObjectHint = true);
  // The default hint (see DefaultObjectHint) of every caption button.
  void RefreshHints(const TbsResourceStrData* strings, bool useDefaultObjectHint);

  void Request(const FrameRequest& r) { requests_.push_back(r); }
  std::vector<FrameRequest> TakeRequests();

  FrameStatus Status;
  std::vector<std::unique_ptr<TbsActiveSkinObject>> Objects;

 private:
  void ResetIndexes();
  void Add(std::unique_ptr<TbsActiveSkinObject> object);

  int underMouse_ = -1;
  int captured_ = -1;
  bool captureHeld_ = false;
  std::vector<FrameRequest> requests_;
};

}  // namespace bs
