// Drawing arithmetic of the skin engine: fitting skin pictures to a control's
// size, composing the form frame and its shape, hit-testing the frame, and
// placing glyphs and captions. Portable: plain data in, pictures out; the
// Win32 layer only copies the results to the screen.
#pragma once

#include <cstddef>
#include <vector>

#include "skin/bsGraphics.h"

namespace bs {

struct Size {
  int width = 0;
  int height = 0;
};
inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
inline bool operator!=(Size a, Size b) { return !(a == b); }

// Whether (x, y) lies in r: left <= x < right and top <= y < bottom.
inline bool Contains(const Rect& r, int x, int y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
inline bool Contains(const Rect& r, Point p) { return Contains(r, p.x, p.y); }
inline Rect Moved(const Rect& r, int dx, int dy) {
  return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// ---------------------------------------------------------------------------
// Pixel copies. Every copy is clipped to both pictures, so no input can reach
// outside either one.

// Copies src's rectangle from to dst with its top-left corner at (x, y).
void CopyPicture(Picture& dst, int x, int y, const Picture& src, const Rect& from);
// Stretches src's rectangle from over dst's rectangle to (nearest pixel).
void StretchPicture(Picture& dst, const Rect& to, const Picture& src, const Rect& from);
// Tiles src's rectangle tile over dst's rectangle area from its top-left
// corner, whole tiles, the last column and row cut at the area's edge.
// A tile of width or height 0 draws nothing.
void TilePicture(Picture& dst, const Rect& area, const Picture& src, const Rect& tile);
// The pixels of src inside from, as a picture of their own.
Picture CropPicture(const Picture& src, const Rect& from);

// ---------------------------------------------------------------------------
// Skinned controls: a section's picture fitted to the control's size.

enum class StretchMode { None, Both, Horizontal, Vertical, Fixed };

// A section's geometry; points and the client rectangle are relative to the
// top-left corner of skinRect, which lies in the section's picture.
struct SectionGeometry {
  Rect skinRect;
  Point lt, rt, lb, rb;
  Rect client;
};

// The geometry moved for a control of a given size.
struct StretchedGeometry {
  Point lt, rt, lb, rb;
  Rect client;
};

StretchMode DecideStretchMode(const SectionGeometry& g);
StretchedGeometry Stretch(const SectionGeometry& g, StretchMode mode, int width, int height);
// The size a control takes when asked for request while the section is in force.
Size FitSize(StretchMode mode, const SectionGeometry& g, Size request);

// width x skin height: left columns [0, leftEnd) and right columns
// [skin width - rightEnd, skin width) unchanged at the edges, the middle
// tiled from x = leftEnd and cut at width - rightEnd. The ends are drawn
// first, left then right, so the right end wins when they overlap.
Picture TileHorizontal(const Picture& src, const Rect& skinRect, int leftEnd, int rightEnd,
                       int width);
// The same along the other axis: skin width x height.
Picture TileVertical(const Picture& src, const Rect& skinRect, int topEnd, int bottomEnd,
                     int height);
// width x height: corners fixed, edges and centre tiled. Stays blank (black)
// when RB.x equals LT.x, RB.y equals LT.y or the size is empty.
Picture TileNineParts(const Picture& src, const SectionGeometry& g, int width, int height);

// The control's picture for its mode: Fixed the skin rectangle, Horizontal
// width x skin height, Vertical skin width x height, Both width x height,
// None a blank width x height picture.
Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, StretchMode mode,
                            int width, int height);
// The same from another of the section's rectangles (mouse-over, pressed,
// disabled picture): the geometry of g with its skin rectangle replaced.
Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, const Rect& skinRect,
                            StretchMode mode, int width, int height);

// The skinned edit, from its skin rectangle or its active one (rect):
// the frame, width x skin height, tiled with ends LT.x and skin width - RT.x;
Picture EditFrame(const Picture& src, const SectionGeometry& g, const Rect& rect, int width);
// the text area's background, areaWidth x height of CL: the part of rect
// under CL, tiled with ends max(0, LT.x - CL.left) and max(0, CL.right - RT.x);
Picture EditTextArea(const Picture& src, const SectionGeometry& g, const Rect& rect,
                     int areaWidth);
// and the two together as the edit shows them: the text area at (CL.left, CL.top).
Picture BuildEditPicture(const Picture& src, const SectionGeometry& g, const Rect& rect,
                         int width);

// ---------------------------------------------------------------------------
// The form frame.

// The form geometry of a skin, in its main picture.
struct FrameSkin {
  int pictureWidth = 0;   // PW
  int pictureHeight = 0;  // PH
  Point lt, rt, lb, rb;
  Rect client;
  Rect caption;
  Rect buttons;
  Point hitLT, hitRT, hitLB, hitRB;
  Rect maskArea;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  int borderWidth = 0;
};

// The geometry placed on a window of a given size.
struct PlacedFrame {
  int width = 0, height = 0;
  int dx = 0, dy = 0;
  Point lt, rt, lb, rb;
  Rect client;
  Rect caption;
  Rect buttons;
  Point hitLT, hitRT, hitLB, hitRB;
  Rect maskArea;
};

PlacedFrame PlaceFrame(const FrameSkin& skin, int width, int height);

// Widths of the frame around the client area.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};
constexpr int kPlainCaptionHeight = 19;
constexpr int kPlainToolCaptionHeight = 15;
FrameMargins SkinnedMargins(const FrameSkin& skin);
FrameMargins PlainMargins(bool toolWindow);
// The client rectangle of a window rectangle (WM_NCCALCSIZE); empty, inside
// the window, when the window is smaller than its margins.
Rect ClientRectOf(const Rect& window, const FrameMargins& margins);

// What the size limits depend on.
struct FrameLimitInputs {
  bool skinned = false;
  int pictureWidth = 0, pictureHeight = 0;
  Rect client;  // the skin's clientrect
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool minimized = false, rolledUp = false;
  bool toolWindow = false;
  Size workArea;  // of the window's monitor (or the monitor itself)
};
int FrameMinWidth(const FrameLimitInputs& in);
int FrameMinHeight(const FrameLimitInputs& in);
int FrameMaxWidth(const FrameLimitInputs& in);
int FrameMaxHeight(const FrameLimitInputs& in);

// The four strips around the client area; a strip that could not be built
// (width, height or middle segment not above 0) is an empty picture.
struct FrameStrips {
  Picture top, bottom, left, right;
};
// Frame strips from source (main or inactive picture) for a W x H window,
// split at the skin's clientrect, middles stretched or tiled by the flags.
FrameStrips BuildFrameStrips(const Picture& source, const FrameSkin& skin, int width, int height);
// Mask strips: split at the mask area, middles always tiled.
FrameStrips BuildMaskStrips(const Picture& mask, const FrameSkin& skin, int width, int height);

// Where each strip goes on the window.
struct StripPlaces {
  Point top, bottom, left, right;
};
StripPlaces FrameStripPlaces(const FrameSkin& skin, int width, int height);
StripPlaces MaskStripPlaces(const PlacedFrame& placed);

// The whole window as the skinned frame paints it, for previews and tests:
// the client area tiled with the source's clientrect (filled with
// clientFill when that is empty), the frame strips over the rest, and, when
// a mask is given, every pixel outside the shape set to outside.
Picture RenderFrame(const Picture& source, const Picture* mask, const FrameSkin& skin, int width,
                    int height, Pixel clientFill, Pixel outside);

// ---------------------------------------------------------------------------
// The window shape.

constexpr std::size_t kMaxRunsPerStrip = 10000;

// Rectangles one pixel high, one per maximal horizontal run of pure black
// pixels, placed at (x, y). A strip that holds more than maxRuns runs yields
// its first maxRuns (row by row, left to right) and sets truncated; the rest
// of that strip then lies outside the region.
struct RunList {
  std::vector<Rect> runs;
  bool truncated = false;
};
RunList BlackRuns(const Picture& strip, int x, int y, std::size_t maxRuns = kMaxRunsPerStrip);

// The window region as a list of rectangles: the placed mask area, then the
// runs of the top, bottom, left and right mask strips.
struct Region {
  std::vector<Rect> rects;
  bool truncated = false;  // some strip passed the run limit
};
Region WindowRegion(const FrameStrips& maskStrips, const PlacedFrame& placed);

// A windowed control's region from its section's mask picture: in Fixed
// mode the mask unchanged, otherwise the mask fitted to width x height by
// the section's stretch rule. A mask of the skin rectangle's size is the
// control's own; a larger one holds it at the skin rectangle, like the
// section's picture.
Region ControlRegion(const Picture& mask, const SectionGeometry& g, StretchMode mode, int width,
                     int height);

// Whether window point (x, y) lies in the shape made by the mask strips.
bool PointInShape(const FrameStrips& maskStrips, const PlacedFrame& placed, int x, int y);

// ---------------------------------------------------------------------------
// Hit-testing. The values are those the platform uses for the same answers,
// so the Win32 layer returns them unchanged. ht::Object is a frame area that
// is neither caption, border nor client: the system attaches no action to it.
namespace ht {
constexpr int Nowhere = 0;
constexpr int Client = 1;
constexpr int Caption = 2;
constexpr int Left = 10;
constexpr int Right = 11;
constexpr int Top = 12;
constexpr int TopLeft = 13;
constexpr int TopRight = 14;
constexpr int Bottom = 15;
constexpr int BottomLeft = 16;
constexpr int BottomRight = 17;
constexpr int Object = 19;
}  // namespace ht

struct FrameHitInput {
  Point point;                   // window coordinates
  bool rolledUp = false, minimized = false, maximized = false;
  bool sizeable = false;         // sizeable or sizeable tool window border
  bool objectUnderMouse = false;
  bool sizeMoveUnderWay = false;
  std::vector<Rect> captionRects;     // ObjectRects of the caption objects
  const FrameStrips* mask = nullptr;  // mask strips when the skin has a mask
};
int FrameHitTest(const PlacedFrame& placed, int borderWidth, const FrameHitInput& in);

// The plain frame's hit test (no skin): 3-pixel borders, resizable only when
// sizeable and in the normal state; captionArea is the caption bar less its
// buttons.
struct PlainHitInput {
  Point point;
  int width = 0, height = 0;
  bool rolledUp = false, minimized = false, maximized = false;
  bool sizeable = false;
  bool objectUnderMouse = false;
  Rect captionArea;
  int captionHeight = kPlainCaptionHeight;
};
int PlainFrameHitTest(const PlainHitInput& in);

// ---------------------------------------------------------------------------
// Frame objects: an object's place on the window from its skinrect in the main
// picture, by the corner regions the rectangle's corners lie in.
Rect PlaceObjectRect(const Rect& skinRect, const FrameSkin& skin, int width, int height);

// ---------------------------------------------------------------------------
// Glyph and caption of a button.

enum class GlyphLayout { Left = 0, Right = 1, Top = 2, Bottom = 3 };

struct GlyphTextInput {
  Rect bounds;
  int margin = -1;  // -1 centres
  bool pressed = false;
  Size glyph;       // the whole glyph picture, all slices; 0 x 0 for none
  int numGlyphs = 1;
  Size text;        // the caption as measured
  GlyphLayout layout = GlyphLayout::Left;
  int spacing = 0;
};
struct GlyphTextPlace {
  Point glyph;
  Point text;
  Size slice;  // one glyph image
};
GlyphTextPlace PlaceGlyphAndText(const GlyphTextInput& in);
// The 1-based glyph image for a button's look.
int GlyphImageNumber(bool pressedLook, bool activeLook, bool enabled, int numGlyphs);
// Glyph image number k (1-based) of numGlyphs equal slices, left to right.
Rect GlyphSlice(Size glyph, int numGlyphs, int k);
// Draws the slice of glyph at (x, y) leaving out the pixels of the colour of
// the slice's bottom-left pixel.
void DrawGlyph(Picture& dst, int x, int y, const Picture& glyph, const Rect& slice);

}  // namespace bs
