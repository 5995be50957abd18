// Draws the program's own skin. Every edge or middle piece that the engine
// tiles is uniform along its tiling direction (gradients run across it), so
// the frame and the controls look the same at any size.
#include "tools/skingen_art.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "tools/skingen_raster.h"

namespace skingen {

using bs::Rect;

const Rect& SkinArt::operator[](const std::string& name) const {
  const auto it = rects.find(name);
  if (it == rects.end()) throw std::logic_error("no skin rectangle " + name);
  return it->second;
}

namespace {

// Palette of the skin.
const Rgb kWhite = C(255, 255, 255);
const Rgb kBorder = C(44, 70, 112);        // window outline
const Rgb kCapTop = C(124, 166, 222);  // caption bar gradient
const Rgb kCapBottom = C(80, 124, 188);
const Rgb kCaptionGloss = C(174, 203, 240);
const Rgb kCaptionRule = C(58, 92, 146);
const Rgb kBody = C(234, 239, 246);        // frame body around the client
const Rgb kBodyGloss = C(248, 250, 253);
const Rgb kClientRule = C(166, 180, 202);
const Rgb kInk = C(44, 56, 76);            // dark glyphs
const Rgb kLine = C(150, 164, 188);        // control outlines
const Rgb kLineSoft = C(186, 197, 214);
const Rgb kFace = C(238, 242, 247);        // panel face
const Rgb kFaceShade = C(226, 231, 239);
const Rgb kAccent = C(72, 126, 206);       // hover and focus outlines
const Rgb kAccentTop = C(243, 248, 255);
const Rgb kAccentBottom = C(212, 229, 251);
const Rgb kDownBorder = C(50, 98, 174);
const Rgb kDownTop = C(190, 211, 240);
const Rgb kDownBottom = C(212, 227, 248);
const Rgb kFaceTop = C(255, 255, 255);     // button face gradient
const Rgb kFaceBottom = C(226, 232, 241);
const Rgb kSelect = C(64, 118, 200);       // selected cells and items
const Rgb kGreen = C(74, 170, 104);

Rect R(int l, int t, int r, int b) { return Rect{l, t, r, b}; }
Rect Slot(const Rect& strip, int i, int w) {
  return R(strip.left + i * w, strip.top, strip.left + (i + 1) * w, strip.bottom);
}

Shape Triangle(double x0, double y0, double x1, double y1, double x2, double y2) {
  return [=](double x, double y) {
    const double d1 = (x - x1) * (y0 - y1) - (x0 - x1) * (y - y1);
    const double d2 = (x - x2) * (y1 - y2) - (x1 - x2) * (y - y2);
    const double d3 = (x - x0) * (y2 - y0) - (x2 - x0) * (y - y0);
    const bool neg = d1 < 0 || d2 < 0 || d3 < 0, pos = d1 > 0 || d2 > 0 || d3 > 0;
    return !(neg && pos);
  };
}

// A rounded face: 1-pixel outline, vertical gradient inside.
void Face(Canvas& c, const Rect& r, double radius, Rgb border, Rgb top, Rgb bottom,
          double alpha = 1.0) {
  c.Draw(RoundRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, std::max(0.0, radius - 1)),
         r.left, r.top, r.right, r.bottom, VGrad(r.top + 1, r.bottom - 1, top, bottom), alpha);
  c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, radius, 1), r.left, r.top, r.right,
         r.bottom, border, alpha);
}

enum class State { Normal, Active, Down, Disabled, Focused };

// ---------------------------------------------------------------------------
// Glyphs of the caption buttons, drawn in a 23 x 20 slot.

enum class Glyph { Close, Maximize, Restore, Minimize, RollUp, Unroll, SysMenu };

Shape GlyphShape(Glyph g, double x, double y) {
  const double cx = x + 11.5, cy = y + 10;
  switch (g) {
    case Glyph::Close:
      return Union({Segment(cx - 4, cy - 4, cx + 4, cy + 4, 0.85),
                    Segment(cx + 4, cy - 4, cx - 4, cy + 4, 0.85)});
    case Glyph::Maximize:
      return Union({RoundRing(x + 6, y + 5, x + 17, y + 15, 0.5, 1),
                    RoundRect(x + 6, y + 5, x + 17, y + 7, 0.5)});
    case Glyph::Restore:
      return Union({Minus(Union({RoundRing(x + 9, y + 4, x + 17, y + 11, 0.5, 1),
                                 RoundRect(x + 9, y + 4, x + 17, y + 6, 0.5)}),
                          RoundRect(x + 5, y + 7, x + 15, y + 16, 0)),
                    RoundRing(x + 6, y + 8, x + 14, y + 15, 0.5, 1),
                    RoundRect(x + 6, y + 8, x + 14, y + 10, 0.5)});
    case Glyph::Minimize:
      return RoundRect(x + 6, y + 13, x + 17, y + 15, 0.5);
    case Glyph::RollUp:
      return Union({Segment(cx - 4.5, cy + 2.5, cx, cy - 2, 0.9),
                    Segment(cx, cy - 2, cx + 4.5, cy + 2.5, 0.9)});
    case Glyph::Unroll:
      return Union({Segment(cx - 4.5, cy - 2, cx, cy + 2.5, 0.9),
                    Segment(cx, cy + 2.5, cx + 4.5, cy - 2, 0.9)});
    case Glyph::SysMenu:
      return RoundRect(cx - 4.5, cy - 6, cx + 4.5, cy + 6, 1.2);
  }
  return Disc(0, 0, 0);
}

void DrawGlyph(Canvas& c, Glyph g, const Rect& slot, Rgb colour, double alpha, bool shadow) {
  const int l = slot.left, t = slot.top, r = slot.right, b = slot.bottom;
  if (shadow) c.Draw(GlyphShape(g, l + 1, t + 1), l, t, r, b, kBorder, alpha * 0.4);
  c.Draw(GlyphShape(g, l, t), l, t, r, b, colour, alpha);
  if (g == Glyph::SysMenu) {
    // A page of text: three lines on the sheet.
    const double cx = l + 11.5, cy = t + 10;
    for (int i = 0; i < 3; ++i)
      c.Draw(RoundRect(cx - 2.5, cy - 3 + 2.6 * i, cx + 2.5 - (i == 2 ? 1.5 : 0),
                       cy - 2 + 2.6 * i, 0),
             l, t, r, b, kCapBottom, alpha);
  }
}

// One caption-button image: background, state decoration, glyph.
void DrawCaptionButton(Canvas& c, Glyph g, const Rect& slot, State s, bool inactive, bool close,
                       bool onCaption) {
  const Rect hover = R(slot.left + 1, slot.top + 1, slot.right - 1, slot.bottom - 1);
  const Rgb glyph = onCaption ? kWhite : kInk;
  double alpha = 1;
  bool shadow = onCaption;
  if (s == State::Active || s == State::Down) {
    if (close) {
      const bool down = s == State::Down;
      Face(c, hover, 3, down ? C(150, 30, 30) : C(184, 44, 44),
           down ? C(176, 40, 40) : C(232, 80, 80), down ? C(190, 50, 50) : C(208, 56, 56));
    } else if (onCaption) {
      const double a = s == State::Active ? 1.0 : 1.0;
      c.Draw(RoundRect(hover.left, hover.top, hover.right, hover.bottom, 3), hover.left,
             hover.top, hover.right, hover.bottom,
             s == State::Active ? kWhite : C(24, 48, 92), s == State::Active ? 0.30 * a : 0.24);
      c.Draw(RoundRing(hover.left, hover.top, hover.right, hover.bottom, 3, 1), hover.left,
             hover.top, hover.right, hover.bottom, s == State::Active ? kWhite : C(24, 48, 92),
             s == State::Active ? 0.55 : 0.35);
    } else {
      Face(c, hover, 3, s == State::Active ? kAccent : kDownBorder,
           s == State::Active ? kAccentTop : kDownTop,
           s == State::Active ? kAccentBottom : kDownBottom);
    }
  }
  if (inactive) {
    alpha = 0.5;
    shadow = false;
  }
  if (s == State::Disabled) {
    alpha = 0.32;
    shadow = false;
  }
  Rect at = slot;
  if (s == State::Down) at = R(slot.left + 1, slot.top + 1, slot.right + 1, slot.bottom + 1);
  DrawGlyph(c, g, at, close && (s == State::Active || s == State::Down) ? kWhite : glyph, alpha,
            shadow && !(close && s != State::Normal));
}

// A face whose gradient runs left to right, for pieces tiled downwards.
void FaceAcross(Canvas& c, const Rect& r, double radius, Rgb border, Rgb left, Rgb right) {
  const int w = r.Width();
  const Paint across = [=](int x, int) {
    return Mix(left, right, w > 3 ? std::clamp(double(x - r.left - 1) / (w - 3), 0.0, 1.0) : 0);
  };
  c.Draw(RoundRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, std::max(0.0, radius - 1)),
         r.left, r.top, r.right, r.bottom, across);
  c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, radius, 1), r.left, r.top, r.right,
         r.bottom, border);
}

// ---------------------------------------------------------------------------
// The main picture and its mask.

Rgb FrameFill(int x, int y) {
  using namespace frame;
  const Rect& cl = kClient;
  if (y <= kCaptionTop) return kCaptionGloss;
  if (y < kCaptionBottom) return Mix(kCapTop, kCapBottom, (y - 2) / double(kCaptionBottom - 3));
  if (y == kCaptionBottom) return kCaptionRule;
  if (y == kCaptionBottom + 1) return kBodyGloss;
  if (x >= cl.left && x < cl.right && y >= cl.top && y < cl.bottom) return kFace;
  const bool onRow = (y == cl.top - 1 || y == cl.bottom) && x >= cl.left - 1 && x <= cl.right;
  const bool onColumn = (x == cl.left - 1 || x == cl.right) && y >= cl.top - 1 && y <= cl.bottom;
  if (onRow || onColumn) return kClientRule;
  return kBody;
}

// The frame without its buttons' glyphs, and the mask.
void DrawFrameBase(Canvas& picture, bs::Picture& mask) {
  using namespace frame;
  const Shape outer = RoundRect(0, 0, kWidth, kHeight, kRadius);
  const Shape inner = RoundRect(1, 1, kWidth - 1, kHeight - 1, kRadius - 1);
  constexpr int kSub = 4;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      int in = 0, out = 0;
      for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i) {
          const double sx = x + (i + 0.5) / kSub, sy = y + (j + 0.5) / kSub;
          out += outer(sx, sy);
          in += inner(sx, sy);
        }
      const bool inside = out * 2 >= kSub * kSub;
      mask.Set(x, y, inside ? bs::Rgb(0, 0, 0) : bs::Rgb(255, 255, 255));
      picture.Put(x, y, Mix(kBorder, FrameFill(x, y), double(in) / (kSub * kSub)));
    }
  // A size grip in the bottom-right corner piece.
  const int dots[][2] = {{270, 108}, {267, 111}, {270, 111}};
  for (const auto& d : dots) {
    picture.FillRect(d[0] + 1, d[1] + 1, d[0] + 3, d[1] + 3, kWhite);
    picture.FillRect(d[0], d[1], d[0] + 2, d[1] + 2, C(150, 164, 190));
  }
}

// ---------------------------------------------------------------------------
// The extra pictures.

struct CaptionButton {
  const char* name;
  Glyph glyph;
  Rect place;  // on the main picture
};

const CaptionButton kFrameButtons[] = {
    {"close", Glyph::Close, frame::kClose},       {"max", Glyph::Maximize, frame::kMaximize},
    {"min", Glyph::Minimize, frame::kMinimize},   {"rollup", Glyph::RollUp, frame::kRollUp},
    {"sysmenu", Glyph::SysMenu, frame::kSysMenu},
};

constexpr int kSlotW = 23, kSlotH = 20;

// Picture 0: one row of four 23 x 20 images per button state set. Rows whose
// first image is the normal one hold images used in place of the main picture
// (restore images and the menu bar's buttons).
void DrawCaptionButtonPicture(Canvas& c, const Canvas& base, SkinArt& art) {
  c.FillRect(0, 0, c.Width(), c.Height(), kBody);
  int row = 0;
  auto slot = [&](int col) { return R(col * kSlotW, row * kSlotH, (col + 1) * kSlotW, (row + 1) * kSlotH); };
  auto background = [&](const Rect& s, const Rect& place) {
    c.Copy(s.left, s.top, base, place.left, place.top, place.right, place.bottom);
  };
  const State states[] = {State::Active, State::Down, State::Normal, State::Disabled};
  const char* stateNames[] = {"active", "down", "inactive", "disabled"};
  auto frameRow = [&](const CaptionButton& b, Glyph g, bool restore) {
    const std::string prefix = std::string("cb.") + b.name + (restore ? ".restore" : "");
    if (restore) {
      const State rs[] = {State::Normal, State::Active, State::Down, State::Normal};
      const char* rn[] = {"normal", "active", "down", "inactive"};
      for (int i = 0; i < 4; ++i) {
        background(slot(i), b.place);
        DrawCaptionButton(c, g, slot(i), rs[i], i == 3, b.glyph == Glyph::Close, true);
        art.rects[prefix + "." + rn[i]] = slot(i);
      }
    } else {
      for (int i = 0; i < 4; ++i) {
        background(slot(i), b.place);
        DrawCaptionButton(c, g, slot(i), states[i], i == 2, b.glyph == Glyph::Close, true);
        art.rects[prefix + "." + stateNames[i]] = slot(i);
      }
    }
    ++row;
  };
  frameRow(kFrameButtons[0], Glyph::Close, false);
  frameRow(kFrameButtons[1], Glyph::Maximize, false);
  frameRow(kFrameButtons[1], Glyph::Restore, true);
  frameRow(kFrameButtons[2], Glyph::Minimize, false);
  frameRow(kFrameButtons[2], Glyph::Restore, true);
  frameRow(kFrameButtons[3], Glyph::RollUp, false);
  frameRow(kFrameButtons[3], Glyph::Unroll, true);
  frameRow(kFrameButtons[4], Glyph::SysMenu, false);
  // Menu bar buttons, dark glyphs on the menu bar's colour.
  const struct {
    const char* name;
    Glyph glyph;
  } bar[] = {{"close", Glyph::Close},     {"max", Glyph::Maximize}, {"min", Glyph::Minimize},
             {"sysmenu", Glyph::SysMenu}, {"maxrestore", Glyph::Restore}};
  const State rs[] = {State::Normal, State::Active, State::Down, State::Normal};
  const char* rn[] = {"normal", "active", "down", "inactive"};
  for (const auto& b : bar) {
    for (int i = 0; i < 4; ++i) {
      const Rect s = slot(i);
      c.FillRect(s.left, s.top, s.right, s.bottom, kBody);
      DrawCaptionButton(c, b.glyph, s, rs[i], i == 3, false, false);
      art.rects[std::string("mb.") + b.name + "." + rn[i]] = s;
    }
    ++row;
  }
}

void DrawPopupWindowPicture(Canvas& c) {
  c.FillRect(0, 0, c.Width(), c.Height(), kWhite);
  c.Draw(RoundRing(0, 0, c.Width(), c.Height(), 0, 1), 0, 0, c.Width(), c.Height(),
         C(128, 146, 178));
}

void DrawMenuItemPicture(Canvas& c, SkinArt& art) {
  const int w = c.Width();
  c.FillRect(0, 0, w, c.Height(), kWhite);
  auto gutter = [&](int top, int bottom) {
    c.FillRect(0, top, 22, bottom, C(242, 245, 250));
    c.FillRect(22, top, 23, bottom, C(226, 231, 239));
  };
  gutter(0, 22);
  art.rects["mi.normal"] = R(0, 0, w, 22);
  gutter(22, 44);
  Face(c, R(2, 23, w - 2, 43), 3, C(118, 160, 222), kAccentTop, kAccentBottom);
  art.rects["mi.active"] = R(0, 22, w, 44);
  gutter(44, 50);
  c.FillRect(26, 47, w - 2, 48, kLineSoft);
  art.rects["mi.divider"] = R(0, 44, w, 50);
}

void DrawHintPicture(Canvas& c) {
  c.FillRect(0, 0, c.Width(), c.Height(), C(252, 252, 254));
  c.Draw(RoundRing(0, 0, c.Width(), c.Height(), 0, 1), 0, 0, c.Width(), c.Height(),
         C(118, 132, 158));
}

void DrawMenuBarItemPicture(Canvas& c, SkinArt& art) {
  c.FillRect(0, 0, c.Width(), c.Height(), kBody);
  art.rects["mbi.normal"] = R(0, 0, 24, 21);
  Face(c, R(25, 1, 47, 20), 3, kAccent, kAccentTop, kAccentBottom);
  art.rects["mbi.active"] = R(24, 0, 48, 21);
  Face(c, R(49, 1, 71, 20), 3, kDownBorder, kDownTop, kDownBottom);
  art.rects["mbi.down"] = R(48, 0, 72, 21);
}

// ---------------------------------------------------------------------------
// Picture 4: the controls. The About window's sections sit at fixed places;
// everything else is packed around them.

class Atlas {
 public:
  Atlas(int w, int h) : w_(w), h_(h), used_(static_cast<std::size_t>(w) * h, 0) {}
  void Reserve(const Rect& r) {
    for (int y = std::max(0, r.top - 1); y < std::min(h_, r.bottom + 1); ++y)
      for (int x = std::max(0, r.left - 1); x < std::min(w_, r.right + 1); ++x)
        used_[static_cast<std::size_t>(y) * w_ + x] = 1;
  }
  // First free place, row by row, keeping one pixel between pieces.
  Rect Place(int w, int h) {
    std::vector<int> sat(static_cast<std::size_t>(w_ + 1) * (h_ + 1), 0);
    auto at = [&](int x, int y) -> int& { return sat[static_cast<std::size_t>(y) * (w_ + 1) + x]; };
    for (int y = 0; y < h_; ++y)
      for (int x = 0; x < w_; ++x)
        at(x + 1, y + 1) = used_[static_cast<std::size_t>(y) * w_ + x] + at(x, y + 1) +
                           at(x + 1, y) - at(x, y);
    for (int y = 0; y + h <= h_; ++y)
      for (int x = 0; x + w <= w_; ++x)
        if (at(x + w, y + h) - at(x, y + h) - at(x + w, y) + at(x, y) == 0) {
          const Rect r = R(x, y, x + w, y + h);
          Reserve(r);
          return r;
        }
    throw std::runtime_error("the controls picture is full");
  }

 private:
  int w_, h_;
  std::vector<unsigned char> used_;
};

void Check(Canvas& c, const Rect& r, Rgb ink) {
  const double x = r.left, y = r.top;
  c.Draw(Union({Segment(x + 3.2, y + 6.6, x + 5.6, y + 9.0, 0.95),
                Segment(x + 5.6, y + 9.0, x + 9.9, y + 3.9, 0.95)}),
         r.left, r.top, r.right, r.bottom, ink);
}

// A small arrow pointing up (0), down (1), left (2) or right (3).
void Arrow(Canvas& c, const Rect& r, int dir, Rgb ink, double size = 3.5) {
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const double s = size, h = size * 0.6;
  Shape t = dir == 0   ? Triangle(cx - s, cy + h, cx + s, cy + h, cx, cy - h)
            : dir == 1 ? Triangle(cx - s, cy - h, cx + s, cy - h, cx, cy + h)
            : dir == 2 ? Triangle(cx + h, cy - s, cx + h, cy + s, cx - h, cy)
                       : Triangle(cx - h, cy - s, cx - h, cy + s, cx + h, cy);
  c.Draw(t, r.left, r.top, r.right, r.bottom, ink);
}

// A small button background in state s (Normal leaves the face flat).
void SmallButton(Canvas& c, const Rect& r, State s, double radius = 2) {
  if (s == State::Active) Face(c, r, radius, kLine, kFaceTop, kFaceBottom);
  if (s == State::Down) Face(c, r, radius, kDownBorder, kDownTop, kDownBottom);
  if (s == State::Disabled) Face(c, r, radius, kLineSoft, C(246, 247, 249), C(238, 240, 243));
  if (s == State::Normal) Face(c, r, radius, kLineSoft, kFaceTop, kFaceBottom);
}

// The toolbar cell the tool buttons share with the panel below them.
void ToolCell(Canvas& c, const Rect& r, State s, double radius = 3) {
  c.FillRect(r.left, r.top, r.right, r.bottom, kFace);
  c.FillRect(r.left, r.top, r.right, r.top + 1, kLineSoft);
  c.FillRect(r.left, r.top + 1, r.right, r.top + 2, kWhite);
  c.FillRect(r.left, r.bottom - 2, r.right, r.bottom - 1, kFaceShade);
  c.FillRect(r.left, r.bottom - 1, r.right, r.bottom, kLineSoft);
  const Rect face = R(r.left + 1, r.top + 2, r.right - 1, r.bottom - 2);
  if (s == State::Active) Face(c, face, radius, kAccent, kAccentTop, kAccentBottom);
  if (s == State::Down) Face(c, face, radius, kDownBorder, kDownTop, kDownBottom);
}

// A panel: outline, light top-left edge, shaded bottom-right edge.
void PanelFace(Canvas& c, const Rect& r, Rgb fill = kFace) {
  c.FillRect(r.left, r.top, r.right, r.bottom, fill);
  c.FillRect(r.left + 1, r.top + 1, r.right - 1, r.top + 2, kWhite);
  c.FillRect(r.left + 1, r.top + 1, r.left + 2, r.bottom - 1, kWhite);
  c.FillRect(r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1, kFaceShade);
  c.FillRect(r.right - 2, r.top + 2, r.right - 1, r.bottom - 1, kFaceShade);
  c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, 2, 1), r.left, r.top, r.right, r.bottom,
         kLineSoft);
}

// A white field (edits, lists) with an outline and a faint inner top shade.
void Field(Canvas& c, const Rect& r, bool focused, double radius = 2) {
  c.Draw(RoundRect(r.left, r.top, r.right, r.bottom, radius), r.left, r.top, r.right, r.bottom,
         kWhite);
  if (focused) {
    c.Draw(RoundRing(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1, std::max(0.0, radius - 1),
                     1),
           r.left, r.top, r.right, r.bottom, C(206, 224, 250));
  } else {
    c.FillRect(r.left + 2, r.top + 1, r.right - 2, r.top + 2, C(239, 242, 247));
  }
  c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, radius, 1), r.left, r.top, r.right, r.bottom,
         focused ? kAccent : kLine);
}

// A box with a header strip (caption list box, roll-up and expanding panels).
void HeaderBox(Canvas& c, const Rect& r, int header, Rgb top, Rgb bottom, Rgb body) {
  c.FillRect(r.left, r.top, r.right, r.bottom, body);
  c.VGradient(r.left, r.top, r.right, r.top + header, top, bottom);
  c.FillRect(r.left, r.top + header, r.right, r.top + header + 1, kLineSoft);
  c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, 0, 1), r.left, r.top, r.right, r.bottom,
         kLine);
}

struct Piece {
  std::string name;
  int w, h;
  std::function<void(Canvas&, const Rect&)> draw;
};

void DrawControlsPicture(Canvas& c, SkinArt& art) {
  c.FillRect(0, 0, c.Width(), c.Height(), kFace);
  Atlas atlas(c.Width(), c.Height());
  auto fixed = [&](const std::string& name, const Rect& r) {
    art.rects[name] = r;
    atlas.Reserve(r);
  };
  // The About window's sections, at their places.
  fixed("button.normal", R(0, 0, 24, 21));
  fixed("button.down", R(24, 0, 48, 21));
  fixed("button.active", R(48, 0, 72, 21));
  fixed("button.disabled", R(33, 62, 57, 83));
  fixed("toolbutton.normal", R(55, 31, 80, 57));
  fixed("toolbutton.active", R(80, 31, 105, 57));
  fixed("toolbutton.down", R(105, 31, 131, 57));
  fixed("panel", R(141, 4, 200, 56));
  fixed("edit.normal", R(225, 98, 282, 119));
  fixed("edit.active", R(225, 121, 282, 142));

  Face(c, art["button.normal"], 3, kLine, kFaceTop, kFaceBottom);
  Face(c, art["button.down"], 3, kDownBorder, kDownTop, kDownBottom);
  Face(c, art["button.active"], 3, kAccent, kAccentTop, kAccentBottom);
  Face(c, art["button.disabled"], 3, C(146, 153, 166), C(180, 186, 196), C(166, 173, 184));
  ToolCell(c, art["toolbutton.normal"], State::Normal);
  ToolCell(c, art["toolbutton.active"], State::Active);
  ToolCell(c, art["toolbutton.down"], State::Down);
  PanelFace(c, art["panel"]);
  Field(c, art["edit.normal"], false);
  Field(c, art["edit.active"], true);

  const State nad[] = {State::Normal, State::Active, State::Down};
  const std::vector<Piece> pieces = {
      {"capbox", 50, 66,
       [](Canvas& c, const Rect& r) { HeaderBox(c, r, 18, kFaceTop, kFaceShade, kWhite); }},
      {"expanel", 60, 60,
       [](Canvas& c, const Rect& r) { HeaderBox(c, r, 18, kFaceTop, kFaceShade, kFace); }},
      {"rolluppanel", 60, 50,
       [](Canvas& c, const Rect& r) { HeaderBox(c, r, 18, kCapTop, kCapBottom, kFace); }},
      {"groupbox", 60, 50,
       [](Canvas& c, const Rect& r) {
         c.Draw(RoundRing(r.left, r.top + 8, r.right, r.bottom, 3, 1), r.left, r.top, r.right,
                r.bottom, kLineSoft);
         c.Draw(RoundRing(r.left + 1, r.top + 9, r.right - 1, r.bottom - 1, 2, 1), r.left, r.top,
                r.right, r.bottom, kWhite);
       }},
      {"box.normal", 50, 50, [](Canvas& c, const Rect& r) { Field(c, r, false, 0); }},
      {"box.focused", 50, 50, [](Canvas& c, const Rect& r) { Field(c, r, true, 0); }},
      {"tabbody", 50, 50,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, kWhite);
         c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, 0, 1), r.left, r.top, r.right,
                r.bottom, kLine);
       }},
      {"bigpanel", 40, 44, [](Canvas& c, const Rect& r) { PanelFace(c, r); }},
      {"bigtool", 108, 36,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 36);
           if (i) Face(c, R(s.left + 1, s.top + 1, s.right - 1, s.bottom - 1), 4,
                       i == 1 ? kAccent : kDownBorder, i == 1 ? kAccentTop : kDownTop,
                       i == 1 ? kAccentBottom : kDownBottom);
         }
       }},
      {"bigtoolmenu", 144, 36,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 48);
           if (i) {
             Face(c, R(s.left + 1, s.top + 1, s.right - 1, s.bottom - 1), 4,
                  i == 1 ? kAccent : kDownBorder, i == 1 ? kAccentTop : kDownTop,
                  i == 1 ? kAccentBottom : kDownBottom);
             c.FillRect(s.right - 13, s.top + 4, s.right - 12, s.bottom - 4,
                        i == 1 ? kAccent : kDownBorder);
           }
           Arrow(c, R(s.right - 12, s.top, s.right - 1, s.bottom), 1, kInk, 3);
         }
       }},
      {"toolpanel", 40, 30,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, kFace);
         c.FillRect(r.left, r.top, r.right, r.top + 1, kWhite);
         c.FillRect(r.left, r.bottom - 1, r.right, r.bottom, kLineSoft);
       }},
      {"vgauge", 16, 100,
       [](Canvas& c, const Rect& r) {
         FaceAcross(c, r, 3, kLine, C(226, 231, 238), C(246, 248, 251));
       }},
      {"vgaugebar", 12, 96,
       [](Canvas& c, const Rect& r) {
         FaceAcross(c, r, 2, C(52, 142, 80), C(122, 206, 146), kGreen);
       }},
      {"vtrack", 22, 100,
       [](Canvas& c, const Rect& r) {
         FaceAcross(c, R(r.left + 9, r.top + 4, r.left + 13, r.bottom - 4), 2, kLine,
                    C(214, 220, 230), C(236, 240, 246));
       }},
      {"vscroll", 16, 100,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, C(240, 243, 247));
         c.FillRect(r.left, r.top, r.left + 1, r.bottom, C(226, 230, 237));
       }},
      {"vruler", 8, 100,
       [](Canvas& c, const Rect& r) {
         for (int y = r.top; y < r.bottom; y += 10) c.FillRect(r.left + 2, y, r.right - 2, y + 1, kLine);
       }},
      {"vsplitter", 6, 60,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.left + 1, r.bottom, kWhite);
         c.FillRect(r.right - 1, r.top, r.right, r.bottom, kLineSoft);
       }},
      {"gauge", 100, 16,
       [](Canvas& c, const Rect& r) { Face(c, r, 3, kLine, C(226, 231, 238), C(246, 248, 251)); }},
      {"gaugebar", 96, 12,
       [](Canvas& c, const Rect& r) { Face(c, r, 2, C(52, 142, 80), C(122, 206, 146), kGreen); }},
      {"htrack", 100, 22,
       [](Canvas& c, const Rect& r) {
         Face(c, R(r.left + 4, r.top + 9, r.right - 4, r.top + 13), 2, kLine, C(214, 220, 230),
              C(236, 240, 246));
       }},
      {"hscroll", 100, 16,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, C(240, 243, 247));
         c.FillRect(r.left, r.top, r.right, r.top + 1, C(226, 230, 237));
       }},
      {"hruler", 100, 8,
       [](Canvas& c, const Rect& r) {
         for (int x = r.left; x < r.right; x += 10) c.FillRect(x, r.top + 2, x + 1, r.bottom - 2, kLine);
       }},
      {"arrows", 192, 16,
       [&](Canvas& c, const Rect& r) {
         for (int d = 0; d < 4; ++d)
           for (int i = 0; i < 3; ++i) {
             const Rect s = Slot(r, d * 3 + i, 16);
             c.FillRect(s.left, s.top, s.right, s.bottom, C(240, 243, 247));
             if (i) SmallButton(c, R(s.left + 1, s.top + 1, s.right - 1, s.bottom - 1), nad[i]);
             Arrow(c, s, d, i ? kInk : C(112, 124, 146), 3.2);
           }
       }},
      {"vthumb", 48, 30,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 16);
           c.FillRect(s.left, s.top, s.right, s.bottom, C(240, 243, 247));
           FaceAcross(c, R(s.left + 2, s.top + 1, s.right - 2, s.bottom - 1), 3,
                      i == 0 ? kLineSoft : i == 1 ? kAccent : kDownBorder,
                      i == 2 ? kDownTop : kWhite, i == 2 ? kDownBottom : C(222, 228, 238));
         }
       }},
      {"hthumbs", 90, 16,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 30);
           c.FillRect(s.left, s.top, s.right, s.bottom, C(240, 243, 247));
           Face(c, R(s.left + 1, s.top + 2, s.right - 1, s.bottom - 2), 3,
                i == 0 ? kLineSoft : i == 1 ? kAccent : kDownBorder,
                i == 2 ? kDownTop : kWhite, i == 2 ? kDownBottom : C(222, 228, 238));
         }
       }},
      {"grip", 24, 8,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 8);
           for (int k = 0; k < 3; ++k)
             c.FillRect(s.left + 1, s.top + 1 + 2 * k, s.right - 1, s.top + 2 + 2 * k,
                        i == 0 ? kLine : kAccent);
         }
       }},
      {"checks", 78, 13,
       [](Canvas& c, const Rect& r) {
         for (int i = 0; i < 6; ++i) {
           const Rect s = Slot(r, i, 13);
           const bool disabled = i >= 4, active = i == 2 || i == 3, checked = i % 2 == 1;
           Face(c, s, 2, disabled ? kLineSoft : active ? kAccent : kLine,
                disabled ? C(244, 245, 247) : kWhite,
                disabled ? C(236, 238, 241) : active ? kAccentBottom : C(234, 238, 244));
           if (checked) Check(c, s, disabled ? C(160, 168, 182) : kSelect);
         }
       }},
      {"radios", 78, 13,
       [](Canvas& c, const Rect& r) {
         for (int i = 0; i < 6; ++i) {
           const Rect s = Slot(r, i, 13);
           const bool disabled = i >= 4, active = i == 2 || i == 3, checked = i % 2 == 1;
           const double cx = s.left + 6.5, cy = s.top + 6.5;
           c.Draw(Disc(cx, cy, 6.5), s.left, s.top, s.right, s.bottom,
                  disabled ? kLineSoft : active ? kAccent : kLine);
           c.Draw(Disc(cx, cy, 5.5), s.left, s.top, s.right, s.bottom,
                  VGrad(s.top + 1, s.bottom - 1, kWhite,
                        disabled ? C(236, 238, 241) : active ? kAccentBottom : C(234, 238, 244)));
           if (checked)
             c.Draw(Disc(cx, cy, 2.7), s.left, s.top, s.right, s.bottom,
                    disabled ? C(160, 168, 182) : kSelect);
         }
       }},
      {"checkradio.normal", 80, 20, [](Canvas&, const Rect&) {}},
      {"checkradio.active", 80, 20,
       [](Canvas& c, const Rect& r) { c.FillRect(r.left, r.top, r.right, r.bottom, C(246, 249, 253)); }},
      {"combo", 60, 21, [](Canvas& c, const Rect& r) { Field(c, r, false); }},
      {"combo.focused", 60, 21, [](Canvas& c, const Rect& r) { Field(c, r, true); }},
      {"combobuttons", 68, 17,
       [](Canvas& c, const Rect& r) {
         const State s4[] = {State::Normal, State::Active, State::Down, State::Disabled};
         for (int i = 0; i < 4; ++i) {
           const Rect s = Slot(r, i, 17);
           SmallButton(c, s, s4[i]);
           Arrow(c, s, 1, i == 3 ? C(168, 176, 190) : kInk, 3.5);
         }
       }},
      {"items", 60, 54,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.top + 18, kWhite);
         c.FillRect(r.left, r.top + 18, r.right, r.top + 36, C(232, 241, 253));
         c.FillRect(r.left, r.top + 36, r.right, r.top + 54, kSelect);
       }},
      {"cells", 180, 20,
       [](Canvas& c, const Rect& r) {
         const Rect f = Slot(r, 0, 60), s = Slot(r, 1, 60), fo = Slot(r, 2, 60);
         c.VGradient(f.left, f.top, f.right, f.bottom, kWhite, kFaceShade);
         c.FillRect(f.left, f.bottom - 1, f.right, f.bottom, kLineSoft);
         c.FillRect(f.right - 1, f.top, f.right, f.bottom, kLineSoft);
         c.FillRect(s.left, s.top, s.right, s.bottom, kSelect);
         c.FillRect(fo.left, fo.top, fo.right, fo.bottom, kSelect);
         c.Draw(RoundRing(fo.left, fo.top, fo.right, fo.bottom, 0, 1), fo.left, fo.top, fo.right,
                fo.bottom, C(190, 212, 246));
       }},
      {"tabs", 180, 22,
       [](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 60);
           const Rect shape = R(s.left, s.top + (i == 1 ? 0 : 2), s.right, s.bottom + 3);
           c.Draw(RoundRect(shape.left, shape.top, shape.right, shape.bottom, 3), s.left, s.top,
                  s.right, s.bottom,
                  VGrad(shape.top, s.bottom, kWhite, i == 1 ? kWhite : kFaceShade));
           c.Draw(RoundRing(shape.left, shape.top, shape.right, shape.bottom, 3, 1), s.left,
                  s.top, s.right, s.bottom, kLine);
           if (i == 2) c.FillRect(s.left + 2, s.top + 3, s.right - 2, s.top + 5, kAccent);
           if (i != 1) c.FillRect(s.left, s.bottom - 1, s.right, s.bottom, kLine);
         }
       }},
      {"tabsbg", 30, 22,
       [](Canvas& c, const Rect& r) { c.FillRect(r.left, r.bottom - 1, r.right, r.bottom, kLine); }},
      {"menubar", 80, 22,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, kBody);
         c.FillRect(r.left, r.bottom - 1, r.right, r.bottom, kLineSoft);
       }},
      {"controlbar", 80, 26,
       [](Canvas& c, const Rect& r) {
         PanelFace(c, r);
         for (int y = r.top + 6; y < r.bottom - 6; y += 3) {
           c.FillRect(r.left + 4, y, r.left + 6, y + 1, kLine);
           c.FillRect(r.left + 5, y + 1, r.left + 7, y + 2, kWhite);
         }
       }},
      {"toolmenu", 108, 26,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 36);
           ToolCell(c, s, nad[i]);
           if (i) c.FillRect(s.right - 12, s.top + 5, s.right - 11, s.bottom - 5,
                             i == 1 ? kAccent : kDownBorder);
           Arrow(c, R(s.right - 11, s.top, s.right - 1, s.bottom), 1, kInk, 3);
         }
       }},
      {"statusbar", 40, 22,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.top + 1, kLineSoft);
         c.FillRect(r.left, r.top + 1, r.right, r.top + 2, kWhite);
       }},
      {"statuspanel", 30, 20,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.bottom, C(244, 246, 250));
         c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, 0, 1), r.left, r.top, r.right,
                r.bottom, kLineSoft);
       }},
      {"hsplitter", 60, 6,
       [](Canvas& c, const Rect& r) {
         c.FillRect(r.left, r.top, r.right, r.top + 1, kWhite);
         c.FillRect(r.left, r.bottom - 1, r.right, r.bottom, kLineSoft);
       }},
      {"resize", 48, 16,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect s = Slot(r, i, 16);
           if (i) SmallButton(c, s, nad[i]);
           const int dots[][2] = {{10, 4}, {7, 7}, {10, 7}, {4, 10}, {7, 10}, {10, 10}};
           for (const auto& d : dots) {
             c.FillRect(s.left + d[0] + 1, s.top + d[1] + 1, s.left + d[0] + 3, s.top + d[1] + 3, kWhite);
             c.FillRect(s.left + d[0], s.top + d[1], s.left + d[0] + 2, s.top + d[1] + 2, kLine);
           }
         }
       }},
      {"updown.v", 45, 20,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect up = R(r.left + 15 * i, r.top, r.left + 15 * (i + 1), r.top + 10);
           const Rect dn = R(up.left, r.top + 10, up.right, r.bottom);
           SmallButton(c, up, nad[i]);
           SmallButton(c, dn, nad[i]);
           Arrow(c, up, 0, kInk, 2.8);
           Arrow(c, dn, 1, kInk, 2.8);
         }
       }},
      {"updown.h", 60, 15,
       [&](Canvas& c, const Rect& r) {
         for (int i = 0; i < 3; ++i) {
           const Rect lf = R(r.left + 20 * i, r.top, r.left + 20 * i + 10, r.bottom);
           const Rect rt = R(lf.right, r.top, lf.right + 10, r.bottom);
           SmallButton(c, lf, nad[i]);
           SmallButton(c, rt, nad[i]);
           Arrow(c, lf, 2, kInk, 2.8);
           Arrow(c, rt, 3, kInk, 2.8);
         }
       }},
      {"exroll.h", 60, 19,
       [](Canvas& c, const Rect& r) { HeaderBox(c, r, 18, kFaceTop, kFaceShade, kFace); }},
      {"exroll.v", 19, 60,
       [](Canvas& c, const Rect& r) {
         c.HGradient(r.left, r.top, r.right, r.bottom, kFaceTop, kFaceShade);
         c.Draw(RoundRing(r.left, r.top, r.right, r.bottom, 0, 1), r.left, r.top, r.right,
                r.bottom, kLine);
       }},
      {"exbuttons", 195, 13,
       [&](Canvas& c, const Rect& r) {
         // close, h-roll, h-restore, v-roll, v-restore; each normal, active, down
         for (int k = 0; k < 5; ++k)
           for (int i = 0; i < 3; ++i) {
             const Rect s = Slot(r, k * 3 + i, 13);
             if (i) SmallButton(c, s, nad[i]);
             const double cx = s.left + 6.5, cy = s.top + 6.5;
             Shape g = k == 0 ? Union({Segment(cx - 3, cy - 3, cx + 3, cy + 3, 0.8),
                                       Segment(cx + 3, cy - 3, cx - 3, cy + 3, 0.8)})
                       : k == 1 ? Union({Segment(cx - 3, cy + 1.5, cx, cy - 1.5, 0.8),
                                         Segment(cx, cy - 1.5, cx + 3, cy + 1.5, 0.8)})
                       : k == 2 ? Union({Segment(cx - 3, cy - 1.5, cx, cy + 1.5, 0.8),
                                         Segment(cx, cy + 1.5, cx + 3, cy - 1.5, 0.8)})
                       : k == 3 ? Union({Segment(cx + 1.5, cy - 3, cx - 1.5, cy, 0.8),
                                         Segment(cx - 1.5, cy, cx + 1.5, cy + 3, 0.8)})
                                : Union({Segment(cx - 1.5, cy - 3, cx + 1.5, cy, 0.8),
                                         Segment(cx + 1.5, cy, cx - 1.5, cy + 3, 0.8)});
             c.Draw(g, s.left, s.top, s.right, s.bottom, kInk);
           }
       }},
      {"thumbs", 22, 19,
       [](Canvas& c, const Rect& r) {
         for (int i = 0; i < 2; ++i)
           Face(c, Slot(r, i, 11), 3, i ? kAccent : kLine, kWhite, i ? kAccentBottom : kFaceBottom);
       }},
      {"vthumbs", 19, 22,
       [](Canvas& c, const Rect& r) {
         for (int i = 0; i < 2; ++i)
           Face(c, R(r.left, r.top + 11 * i, r.right, r.top + 11 * (i + 1)), 3, i ? kAccent : kLine,
                kWhite, i ? kAccentBottom : kFaceBottom);
       }},
  };
  // Tallest first, so that the rows fill well; the order is fixed, so the
  // places are the same on every run.
  std::vector<const Piece*> order;
  for (const auto& p : pieces) order.push_back(&p);
  std::stable_sort(order.begin(), order.end(),
                   [](const Piece* a, const Piece* b) { return a->h > b->h; });
  for (const Piece* p : order) {
    const Rect r = atlas.Place(p->w, p->h);
    art.rects[p->name] = r;
    p->draw(c, r);
  }
}

}  // namespace

SkinArt DrawSkin() {
  SkinArt art;
  Canvas base(frame::kWidth, frame::kHeight, kBorder);
  bs::Picture mask(frame::kWidth, frame::kHeight, bs::Rgb(255, 255, 255));
  DrawFrameBase(base, mask);

  Canvas main = base;
  for (const auto& b : kFrameButtons)
    DrawCaptionButton(main, b.glyph, b.place, State::Normal, false, b.glyph == Glyph::Close, true);

  Canvas buttons(95, 268, kBody), popup(88, 80, kWhite), items(68, 116, kWhite),
      hint(42, 22, kWhite), controls(516, 281, kFace), bar(72, 21, kBody);
  DrawCaptionButtonPicture(buttons, base, art);
  DrawPopupWindowPicture(popup);
  DrawMenuItemPicture(items, art);
  DrawHintPicture(hint);
  DrawControlsPicture(controls, art);
  DrawMenuBarItemPicture(bar, art);

  art.frame = main.ToPicture();
  art.extra = {buttons.ToPicture(), popup.ToPicture(), items.ToPicture(),
               hint.ToPicture(),    controls.ToPicture(), bar.ToPicture()};
  // The caption buttons' images must match the frame's pixels exactly, so the
  // two share one colour table.
  ReduceTo8Bit({&art.frame, &art.extra[kCaptionButtons]});
  for (int i = 1; i < kExtraCount; ++i) ReduceTo8Bit({&art.extra[i]});
  mask.bitsPerPixel = 1;
  mask.palette = {bs::Rgb(0, 0, 0), bs::Rgb(255, 255, 255)};
  art.mask = mask;
  return art;
}

}  // namespace skingen
