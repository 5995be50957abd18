// skininfo --verify: checks that a skin's geometry is coherent: every image
// rectangle lies inside the picture it names, every area and point inside
// its section's skin rectangle, and the frame buttons move as the window
// grows the way the About window expects (system menu and roll-up stay at
// the left, minimize, maximize and close follow the right edge, the caption
// widens).
#include <map>
#include <set>
#include <sstream>

#include "tools/skininfo.h"

namespace skininfo {
namespace {

// Keys whose rectangles are relative to the section's skinrect.
const std::set<std::string> kRelative = {
    "clientrect",       "captionrect",      "textrect",      "trackbuttonrect",
    "rollvcaptionrect", "rollhcaptionrect", "itemsrect",     "frametextrect",
    "progressarea",     "trackarea",        "checkimagearea", "textarea"};
// Keys relative to one item or cell image, by the key of that image.
const std::map<std::string, std::string> kInItem = {{"itemtextrect", "itemrect"},
                                                    {"itemcheckrect", "itemrect"},
                                                    {"celltextrect", "selectcellrect"},
                                                    {"fixedcelltextrect", "fixedcellrect"}};

std::string Folded(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool ParseRect(const std::string& v, bs::Rect* r) {
  char c1, c2, c3;
  std::istringstream in(v);
  return static_cast<bool>(in >> r->left >> c1 >> r->top >> c2 >> r->right >> c3 >> r->bottom) &&
         c1 == ',' && c2 == ',' && c3 == ',';
}

bool ParsePoint(const std::string& v, bs::Point* p) {
  char c;
  std::istringstream in(v);
  return static_cast<bool>(in >> p->x >> c >> p->y) && c == ',' && in.peek() == EOF;
}

std::string Text(const bs::Rect& r) {
  std::ostringstream s;
  s << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  return s.str();
}

bool Inside(const bs::Rect& r, int w, int h) {
  return r.left >= 0 && r.top >= 0 && r.right <= w && r.bottom <= h;
}

class Checker {
 public:
  explicit Checker(const bs::TbsSkinData& skin) : skin_(skin) {}

  // The keys of a section as its writer writes them.
  template <typename D>
  std::vector<std::pair<std::string, std::string>> Keys(const D& d) {
    bs::TbsIniFile ini;
    d.WriteSection(ini);
    std::vector<std::pair<std::string, std::string>> keys;
    for (const std::string& line : ini.ToLines()) {
      const auto eq = line.find('=');
      if (eq != std::string::npos) keys.emplace_back(line.substr(0, eq), line.substr(eq + 1));
    }
    return keys;
  }

  // picture: the picture image rectangles lie in (null for none);
  // skinPicture: the one skinrect lies in.
  template <typename D>
  void Section(const std::string& name, const D& d, const bs::Picture* picture,
               const bs::Picture* skinPicture) {
    const auto keys = Keys(d);
    bs::Rect skin;
    std::map<std::string, bs::Rect> rects;
    for (const auto& [k, v] : keys)
      if (ParseRect(v, &rects[k]) && k == "skinrect") skin = rects[k];
    for (const auto& [k, v] : keys) {
      bs::Rect r;
      bs::Point p;
      if (EndsWith(k, "point") && ParsePoint(v, &p)) {
        if ((p.x || p.y) && (p.x > skin.Width() || p.y > skin.Height()))
          Problem(name, k + " lies outside skinrect");
        continue;
      }
      if (!(EndsWith(k, "rect") || EndsWith(k, "area") || EndsWith(k, "rsect")) || !ParseRect(v, &r))
        continue;
      if (r.IsEmpty()) continue;
      if (const auto item = kInItem.find(k); item != kInItem.end()) {
        const bs::Rect& base = rects[item->second];
        if (!Inside(r, base.Width(), base.Height()))
          Problem(name, k + " " + Text(r) + " lies outside " + item->second + " " + Text(base));
        continue;
      }
      if (kRelative.count(k)) {
        if (!Inside(r, skin.Width(), skin.Height()))
          Problem(name, k + " " + Text(r) + " lies outside skinrect " + Text(skin));
        continue;
      }
      const bs::Picture* in = k == "skinrect" ? skinPicture : picture;
      if (!in)
        Problem(name, k + " " + Text(r) + " names no picture");
      else if (!Inside(r, in->width, in->height))
        Problem(name, k + " " + Text(r) + " lies outside its picture");
    }
  }

  // Every key of the section in the skin's text is one its reader reads,
  // and every key the reader reads is there (none falls back to a default).
  template <typename D>
  void KeysMatch(const std::string& name, const D& d, const bs::TbsIniFile& text,
                 const std::set<std::string>& ignored = {}) {
    std::set<std::string> read, written;
    for (const auto& kv : Keys(d)) read.insert(Folded(kv.first));
    for (const std::string& k : text.Keys(name)) written.insert(Folded(k));
    for (const std::string& k : written)
      if (!read.count(k) && !ignored.count(k)) Problem(name, "key " + k + " is not read");
    for (const std::string& k : read)
      if (!written.count(k)) Problem(name, "key " + k + " is missing");
  }

  void Problem(const std::string& section, const std::string& what) {
    problems.push_back("[" + section + "] " + what);
  }

  std::vector<std::string> problems;

 private:
  const bs::TbsSkinData& skin_;
};

// Whether every column of r (in p) equals its first: such a piece tiles
// sideways without a seam. The same for rows.
bool SameColumns(const bs::Picture& p, const bs::Rect& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left + 1; x < r.right; ++x)
      if (p.At(x, y) != p.At(r.left, y)) return false;
  return true;
}
bool SameRows(const bs::Picture& p, const bs::Rect& r) {
  for (int y = r.top + 1; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (p.At(x, y) != p.At(x, r.top)) return false;
  return true;
}

// The pieces a control's stretch mode tiles, for one of its images.
void CheckTiles(Checker& check, const std::string& name, const bs::Picture& p,
                const bs::SectionGeometry& g, const bs::Rect& image) {
  if (image.IsEmpty() || !Inside(image, p.width, p.height)) return;
  const int w = image.Width(), h = image.Height();
  auto at = [&](int l, int t, int r, int b) {
    return bs::Rect{image.left + l, image.top + t, image.left + r, image.top + b};
  };
  bool ok = true;
  switch (bs::DecideStretchMode(g)) {
    case bs::StretchMode::Horizontal:
      ok = SameColumns(p, at(g.lt.x, 0, std::min(g.rt.x, w), h));
      break;
    case bs::StretchMode::Vertical:
      ok = SameRows(p, at(0, g.lt.y, w, std::min(g.lb.y, h)));
      break;
    case bs::StretchMode::Both: {
      const bs::Rect& c = g.client;
      ok = SameColumns(p, at(g.lt.x, 0, g.rt.x, c.top)) &&
           SameColumns(p, at(g.lb.x, c.bottom, g.rb.x, h)) &&
           SameRows(p, at(0, g.lt.y, c.left, g.lb.y)) &&
           SameRows(p, at(c.right, g.rt.y, w, g.rb.y)) &&
           SameRows(p, at(c.left, c.top, c.right, c.bottom)) &&
           SameColumns(p, at(c.left, c.top, c.right, c.bottom));
      break;
    }
    default:
      break;
  }
  if (!ok) check.Problem(name, "a tiled piece of " + Text(image) + " would show seams");
}

// A frame button's other images must sit on the frame's own pixels, or a
// fade between them shows a box: their corners match the main picture's.
void CheckButtonBackground(Checker& check, const bs::TbsSkinData& skin,
                           const bs::TbsDataSkinStdButton& b) {
  const bs::Picture* extra = skin.ExtraPicture(b.activepictureindex);
  const bs::Rect& s = b.skinrect;
  if (!extra || b.skinrectinapicture || !Inside(s, skin.picture.width, skin.picture.height))
    return;
  for (const bs::Rect& r : {b.activeskinrect, b.inactiveskinrect, b.downrect, b.disableskinrsect,
                            b.restorerect, b.restoreactiverect, b.restoredownrect,
                            b.restoreinactiverect}) {
    if (r.IsEmpty() || r.Width() != s.Width() || r.Height() != s.Height() ||
        !Inside(r, extra->width, extra->height))
      continue;
    const int w = s.Width() - 1, h = s.Height() - 1;
    for (const auto [x, y] : {std::pair{0, 0}, {w, 0}, {0, h}, {w, h}})
      if (extra->At(r.left + x, r.top + y) != skin.picture.At(s.left + x, s.top + y)) {
        check.Problem(b.IDName, "image " + Text(r) + " does not sit on the frame's pixels");
        break;
      }
  }
}

// The frame's tiled middle segments, in a picture of the main picture's size.
bool FrameTilesCleanly(const bs::Picture& p, const bs::FrameSkin& fs) {
  const bs::Rect& cl = fs.client;
  const int pw = fs.pictureWidth, ph = fs.pictureHeight;
  return SameColumns(p, bs::Rect{fs.lt.x, 0, fs.rt.x, cl.top}) &&
         SameColumns(p, bs::Rect{fs.lb.x, cl.bottom, fs.rb.x, ph}) &&
         SameRows(p, bs::Rect{0, fs.lt.y, cl.left, fs.lb.y}) &&
         SameRows(p, bs::Rect{cl.right, fs.rt.y, pw, fs.rb.y});
}

}  // namespace

std::vector<std::string> VerifySkin(const bs::TbsSkinData& skin, const bs::TbsIniFile& text) {
  Checker check(skin);
  if (skin.Empty()) {
    check.Problem("skin", "empty");
    return check.problems;
  }
  const bs::Picture* main = &skin.picture;
  for (const auto& d : skin.ObjectDescriptors) {
    const bs::Picture* extra = skin.ExtraPicture(d->activepictureindex);
    check.Section(d->IDName, *d, extra, d->skinrectinapicture ? extra : main);
    check.KeysMatch(d->IDName, *d, text);
    if (const auto* b = dynamic_cast<const bs::TbsDataSkinStdButton*>(d.get()))
      CheckButtonBackground(check, skin, *b);
  }
  for (const auto& d : skin.ControlDescriptors) {
    const bs::Picture* picture = skin.ExtraPicture(d->pictureindex);
    check.Section(d->IDName, *d, picture, picture);
    check.KeysMatch(d->IDName, *d, text);
    const auto* custom = dynamic_cast<const bs::TbsDataSkinCustomControl*>(d.get());
    if (!custom || !picture) continue;
    const bs::SectionGeometry g = GeometryOf(*custom);
    CheckTiles(check, d->IDName, *picture, g, d->skinrect);
    if (const auto* b = dynamic_cast<const bs::TbsDataSkinButtonControl*>(d.get()))
      for (const bs::Rect& r : {b->activeskinrect, b->downskinrect, b->disabledskinrect})
        CheckTiles(check, d->IDName, *picture, g, r);
    if (const auto* e = dynamic_cast<const bs::TbsDataSkinEditControl*>(d.get()))
      CheckTiles(check, d->IDName, *picture, g, e->activeskinrect);
  }
  check.KeysMatch("POPUPWINDOW", skin.PopupWindow, text);
  check.KeysMatch("HINTWINDOW", skin.HintWindow, text);
  // The frame reads no mainmenurect or iconrect; the skin carries them anyway.
  check.KeysMatch("FORMINFO", skin.FormInfo, text, {"mainmenurect", "iconrect"});
  const bs::FrameSkin fs = FrameSkinOf(skin);
  if (!FrameTilesCleanly(skin.picture, fs)) check.Problem("FORMINFO", "the frame's middle segments would show seams");
  if (!skin.mask.Empty() && !FrameTilesCleanly(skin.mask, fs))
    check.Problem("FORMINFO", "the mask's middle segments would cut the shape");
  for (const bs::Rect& r : {fs.client, fs.maskArea})
    if (!Inside(r, fs.pictureWidth, fs.pictureHeight))
      check.Problem("FORMINFO", Text(r) + " lies outside the picture");
  auto windowSized = [&](const bs::Picture* p, bs::Point lt, bs::Point rt, bs::Point lb,
                         bs::Point rb, const bs::Rect& area, const char* name) {
    if (!p) return check.Problem(name, "names no picture");
    for (bs::Point q : {lt, rt, lb, rb})
      if (q.x > p->width || q.y > p->height) check.Problem(name, "a corner point lies outside");
    if (!Inside(area, p->width, p->height)) check.Problem(name, Text(area) + " lies outside");
  };
  const auto& pw = skin.PopupWindow;
  windowSized(skin.ExtraPicture(pw.windowpictureindex), pw.lefttoppoint, pw.righttoppoint,
              pw.leftbottompoint, pw.rightbottompoint, pw.itemsrect, "POPUPWINDOW");
  const auto& hw = skin.HintWindow;
  windowSized(skin.ExtraPicture(hw.windowpictureindex), hw.lefttoppoint, hw.righttoppoint,
              hw.leftbottompoint, hw.rightbottompoint, hw.clientrect, "HINTWINDOW");

  // Frame objects on a window 100 pixels wider and 50 higher than the picture.
  const int dx = 100, dy = 50, w = fs.pictureWidth + dx, h = fs.pictureHeight + dy;
  for (const auto& d : skin.ObjectDescriptors) {
    if (d->skinrectinapicture) continue;
    const bs::Rect placed = bs::PlaceObjectRect(d->skinrect, fs, w, h);
    const bs::Rect& s = d->skinrect;
    bs::Rect want = s;
    if (const auto* b = dynamic_cast<const bs::TbsDataSkinStdButton*>(d.get())) {
      if (b->command == bs::TbsStdCommand::cmClose || b->command == bs::TbsStdCommand::cmMaximize ||
          b->command == bs::TbsStdCommand::cmMinimize)
        want = bs::Rect{s.left + dx, s.top, s.right + dx, s.bottom};
    } else if (dynamic_cast<const bs::TbsDataSkinCaption*>(d.get())) {
      want.right += dx;
    }
    if (placed != want)
      check.Problem(d->IDName, "placed at " + Text(placed) + " on a wider window, not " + Text(want));
  }
  return check.problems;
}

}  // namespace skininfo
