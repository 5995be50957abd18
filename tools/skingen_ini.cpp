// Every section writes all the keys its reader knows, in the reader's order,
// so the text documents the skin completely. Rectangles of control images are
// in the control's picture; areas (clientrect, textarea, ...) are relative to
// the section's skinrect.
#include "tools/skingen_ini.h"

#include <vector>

namespace skingen {

const char* const kFramePictureFile = "frame.bmp";
const char* const kMaskFile = "mask.bmp";
const char* const kExtraPictureFiles[kExtraCount] = {
    "captionbuttons.bmp", "popupwindow.bmp", "menuitems.bmp",
    "hintwindow.bmp",     "controls.bmp",    "menubaritems.bmp"};

namespace {

using bs::Point;
using bs::Rect;

constexpr int Colour(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr int kBlack = 0;
constexpr int kWhiteText = 16777215;
constexpr int kGreyText = Colour(146, 152, 164);
constexpr int kSelectText = kWhiteText;
constexpr Rect kNone{0, 0, 0, 0};
constexpr Point kZero{0, 0};
const char* const kFont = "Arial";

Rect Rc(int l, int t, int r, int b) { return Rect{l, t, r, b}; }
Rect Slot(const Rect& strip, int i, int w) {
  return Rc(strip.left + i * w, strip.top, strip.left + (i + 1) * w, strip.bottom);
}
Rect Row(const Rect& strip, int i, int h) {
  return Rc(strip.left, strip.top + i * h, strip.right, strip.top + (i + 1) * h);
}

class Ini {
 public:
  void Section(const std::string& name) {
    if (!lines_.empty()) lines_.push_back("");
    lines_.push_back("[" + name + "]");
  }
  void Str(const std::string& key, const std::string& value) { lines_.push_back(key + "=" + value); }
  void Int(const std::string& key, int value) { Str(key, std::to_string(value)); }
  void Bool(const std::string& key, bool value) { Int(key, value ? 1 : 0); }
  void Pt(const std::string& key, Point p) {
    Str(key, std::to_string(p.x) + "," + std::to_string(p.y));
  }
  void Rc(const std::string& key, const Rect& r) {
    Str(key, std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                 std::to_string(r.right) + "," + std::to_string(r.bottom));
  }
  void Font(int height, const std::string& style, int colour, const std::string& prefix = "") {
    Str(prefix + "fontname", kFont);
    Int(prefix + "fontheight", height);
    Str(prefix + "fontstyle", style);
    Int(prefix + "fontcolor", colour);
  }
  std::string Text() const {
    std::string text;
    for (const auto& l : lines_) text += l + "\r\n";
    return text;
  }

 private:
  std::vector<std::string> lines_;
};

// ---------------------------------------------------------------------------
// Object sections.

struct ObjectKeys {
  int activePicture = -1;
  bool inPicture = false;
  Rect skin, active, inactive;
  bool morphing = false;
};

void ObjectBase(Ini& ini, const ObjectKeys& k) {
  ini.Str("hint", "");
  ini.Int("activepictureindex", k.activePicture);
  ini.Bool("skinrectinapicture", k.inPicture);
  ini.Rc("skinrect", k.skin);
  ini.Rc("activeskinrect", k.active);
  ini.Rc("inactiveskinrect", k.inactive);
  ini.Bool("morphing", k.morphing);
  ini.Str("morphkind", "mkdefault");
}

struct StdButtonKeys {
  ObjectKeys object;
  Rect down, disabled;
  const char* command;
  Rect restore, restoreActive, restoreDown, restoreInactive;
};

void StdButton(Ini& ini, const std::string& name, const StdButtonKeys& k) {
  ini.Section(name);
  ObjectBase(ini, k.object);
  ini.Rc("downrect", k.down);
  ini.Rc("disableskinrsect", k.disabled);
  ini.Str("command", k.command);
  ini.Rc("restorerect", k.restore);
  ini.Rc("restoreactiverect", k.restoreActive);
  ini.Rc("restoredownrect", k.restoreDown);
  ini.Rc("restoreinactiverect", k.restoreInactive);
}

// A frame button: normal image on the main picture, the others in picture 0.
StdButtonKeys FrameButton(const SkinArt& art, const std::string& id, const Rect& place,
                          const char* command, bool restore) {
  const std::string p = "cb." + id + ".";
  StdButtonKeys k{};
  k.object = {kCaptionButtons, false, place, art[p + "active"], art[p + "inactive"], true};
  k.down = art[p + "down"];
  k.disabled = art[p + "disabled"];
  k.command = command;
  if (restore) {
    k.restore = art[p + "restore.normal"];
    k.restoreActive = art[p + "restore.active"];
    k.restoreDown = art[p + "restore.down"];
    k.restoreInactive = art[p + "restore.inactive"];
  }
  return k;
}

// A menu bar button: all its images in picture 0.
StdButtonKeys BarButton(const SkinArt& art, const std::string& id, const char* command,
                        const std::string& restoreId = "") {
  const std::string p = "mb." + id + ".";
  StdButtonKeys k{};
  k.object = {kCaptionButtons, true, art[p + "normal"], art[p + "active"], art[p + "inactive"],
              false};
  k.down = art[p + "down"];
  k.command = command;
  if (!restoreId.empty()) {
    const std::string r = "mb." + restoreId + ".";
    k.restore = art[r + "normal"];
    k.restoreActive = art[r + "active"];
    k.restoreDown = art[r + "down"];
    k.restoreInactive = art[r + "inactive"];
  }
  return k;
}

void Objects(Ini& ini, const SkinArt& art) {
  ini.Section("menuitem");
  ObjectBase(ini, {kMenuItems, true, art["mi.normal"], art["mi.active"], kNone, true});
  ini.Int("itemleftoffset", 26);
  ini.Int("itemrightoffset", 4);
  ini.Rc("dividerrect", art["mi.divider"]);
  ini.Int("dividerleftoffset", 26);
  ini.Int("dividerrightoffset", 4);
  ini.Rc("textrect", Rc(10, 0, 64, 22));
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("unenabledfontcolor", kGreyText);

  ini.Section("caption");
  ObjectBase(ini, {-1, false, frame::kCaption, kNone, kNone, false});
  ini.Rc("textrect", frame::kCaptionText);
  ini.Font(16, "fsbold", 8404992);
  ini.Int("activefontcolor", kWhiteText);
  ini.Str("alignment", "taleftjustify");
  ini.Bool("shadow", true);
  ini.Int("shadowcolor", kBlack);
  ini.Int("activeshadowcolor", kBlack);
  ini.Rc("framerect", kNone);
  ini.Rc("activeframerect", kNone);
  ini.Rc("frametextrect", kNone);
  ini.Int("frameleftoffset", 0);
  ini.Int("framerightoffset", 0);

  StdButton(ini, "closebutton", FrameButton(art, "close", frame::kClose, "cmclose", false));
  StdButton(ini, "minimizebutton",
            FrameButton(art, "min", frame::kMinimize, "cmminimize", true));
  StdButton(ini, "maximizebutton",
            FrameButton(art, "max", frame::kMaximize, "cmmaximize", true));
  StdButton(ini, "rollupbutton", FrameButton(art, "rollup", frame::kRollUp, "cmrollup", true));

  ini.Section("mainmenubaritem");
  ObjectBase(ini, {kMenuBarItems, true, art["mbi.normal"], art["mbi.active"], kNone, false});
  ini.Int("itemleftoffset", 4);
  ini.Int("itemrightoffset", 4);
  ini.Rc("downrect", art["mbi.down"]);
  ini.Rc("textrect", Rc(4, 0, 20, 21));
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("downfontcolor", kBlack);
  ini.Int("unenabledfontColor", kGreyText);

  StdButton(ini, "sysmenubutton", FrameButton(art, "sysmenu", frame::kSysMenu, "cmsysmenu", false));
  StdButton(ini, "menubarsysmenubutton", BarButton(art, "sysmenu", "cmsysmenu"));
  StdButton(ini, "menubarclosebutton", BarButton(art, "close", "cmclose"));
  StdButton(ini, "menubarmaxbutton", BarButton(art, "max", "cmmaximize", "maxrestore"));
  StdButton(ini, "menubarminbutton", BarButton(art, "min", "cmminimize", "maxrestore"));
}

// ---------------------------------------------------------------------------
// Control sections.

struct Nine {
  Point lt, rt, lb, rb;
  Rect client;
};

void ControlBase(Ini& ini, const std::string& name, int picture, const Rect& skin) {
  ini.Section(name);
  ini.Int("pictureindex", picture);
  ini.Int("maskpictureindex", -1);
  ini.Rc("skinrect", skin);
}

void Custom(Ini& ini, const std::string& name, const Rect& skin, const Nine& n,
            int picture = kControls) {
  ControlBase(ini, name, picture, skin);
  ini.Pt("lefttoppoint", n.lt);
  ini.Pt("righttoppoint", n.rt);
  ini.Pt("leftbottompoint", n.lb);
  ini.Pt("rightbottompoint", n.rb);
  ini.Rc("clientrect", n.client);
}

// Nine-slice geometry of a box whose border is `edge` pixels wide.
Nine BoxNine(const Rect& skin, int corner, int edge) {
  const int w = skin.Width(), h = skin.Height();
  return {{corner, corner}, {w - corner, corner}, {corner, h - corner}, {w - corner, h - corner},
          Rc(edge, edge, w - edge, h - edge)};
}

struct PanelKeys {
  Rect caption;
  const char* alignment = "tacenter";
  int fontHeight = 14;
  const char* style = "";
  int colour = kBlack;
  Rect check, uncheck;
};

void Panel(Ini& ini, const std::string& name, const Rect& skin, const Nine& n,
           const PanelKeys& k) {
  Custom(ini, name, skin, n);
  ini.Int("bgpictureindex", -1);
  ini.Rc("captionrect", k.caption);
  ini.Str("alignment", k.alignment);
  ini.Font(k.fontHeight, k.style, k.colour);
  ini.Rc("checkimagerect", k.check);
  ini.Rc("uncheckimagerect", k.uncheck);
}

struct ButtonKeys {
  int colours[4] = {kBlack, kBlack, kBlack, kBlack};  // normal, active, down, disabled
  Rect active, down, disabled;
  bool morphing = true;
  const char* morphKind = "mkdefault";
};

void Button(Ini& ini, const std::string& name, const Rect& skin, const Nine& n,
            const ButtonKeys& k) {
  Custom(ini, name, skin, n);
  ini.Font(14, "", k.colours[0]);
  ini.Int("activefontcolor", k.colours[1]);
  ini.Int("downfontcolor", k.colours[2]);
  ini.Int("disabledfontcolor", k.colours[3]);
  ini.Rc("activeskinrect", k.active);
  ini.Rc("downskinrect", k.down);
  ini.Rc("disabledskinrect", k.disabled);
  ini.Bool("morphing", k.morphing);
  ini.Str("morphkind", k.morphKind);
}

struct EditKeys {
  Rect active;
  int disabledColour = kBlack;
  Rect button, buttonActive, buttonDown, buttonDisabled;
};

void EditBody(Ini& ini, const EditKeys& k) {
  ini.Rc("activeskinrect", k.active);
  ini.Font(14, "", kBlack);
  ini.Int("disabledfontcolor", k.disabledColour);
  ini.Int("activefontcolor", kBlack);
  ini.Rc("buttonrect", k.button);
  ini.Rc("activebuttonrect", k.buttonActive);
  ini.Rc("downbuttonrect", k.buttonDown);
  ini.Rc("unenabledbuttonrect", k.buttonDisabled);
}

// Up and down buttons (normal, active, down each) as six keys.
void UpDownKeys(Ini& ini, const Rect up[3], const Rect down[3], const std::string& upName = "up") {
  ini.Rc(upName + "buttonrect", up[0]);
  ini.Rc("active" + upName + "buttonrect", up[1]);
  ini.Rc("down" + upName + "buttonrect", up[2]);
  ini.Rc("downbuttonrect", down[0]);
  ini.Rc("activedownbuttonrect", down[1]);
  ini.Rc("downdownbuttonrect", down[2]);
}

void CheckRadio(Ini& ini, const SkinArt& art, const std::string& name, const std::string& images) {
  const Rect bg = art["checkradio.normal"];
  Custom(ini, name, bg, {{2, 10}, {78, 10}, kZero, kZero, Rc(18, 0, 80, 20)});
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("unenabledfontcolor", kGreyText);
  ini.Int("framefontcolor", kBlack);
  ini.Rc("activeskinrect", art["checkradio.active"]);
  ini.Rc("checkimagearea", Rc(2, 3, 15, 16));
  ini.Rc("textarea", Rc(18, 0, 78, 20));
  const Rect strip = art[images];
  ini.Rc("checkimagerect", Slot(strip, 1, 13));
  ini.Rc("uncheckimagerect", Slot(strip, 0, 13));
  ini.Rc("activecheckimagerect", Slot(strip, 3, 13));
  ini.Rc("activeuncheckimagerect", Slot(strip, 2, 13));
  ini.Rc("unenabledcheckimagerect", Slot(strip, 5, 13));
  ini.Rc("unenableduncheckimagerect", Slot(strip, 4, 13));
  ini.Bool("morphing", false);
  ini.Str("morphkind", "mkdefault");
}

void Gauge(Ini& ini, const SkinArt& art, const std::string& name, bool vertical) {
  const Rect skin = art[vertical ? "vgauge" : "gauge"];
  const Rect area = vertical ? Rc(2, 2, 14, 98) : Rc(2, 2, 98, 14);
  if (vertical)
    Custom(ini, name, skin, {{8, 4}, kZero, {8, 96}, kZero, area});
  else
    Custom(ini, name, skin, {{4, 8}, {96, 8}, kZero, kZero, area});
  ini.Rc("progressarea", area);
  ini.Rc("progressrect", art[vertical ? "vgaugebar" : "gaugebar"]);
  ini.Int("beginoffset", 3);
  ini.Int("endoffset", 3);
  ini.Bool("vertical", vertical);
  ini.Font(12, "", kBlack);
  ini.Bool("progresstransparent", false);
  ini.Int("progresstransparentcolor", 0);
}

void TrackBar(Ini& ini, const SkinArt& art, const std::string& name, bool vertical) {
  if (vertical) {
    const Rect thumbs = art["vthumbs"];
    Custom(ini, name, art["vtrack"], {{11, 8}, kZero, {11, 92}, kZero, Rc(0, 4, 22, 96)});
    ini.Rc("trackarea", Rc(0, 6, 22, 94));
    ini.Rc("buttonrect", Row(thumbs, 0, 11));
    ini.Rc("activebuttonrect", Row(thumbs, 1, 11));
  } else {
    const Rect thumbs = art["thumbs"];
    Custom(ini, name, art["htrack"], {{8, 11}, {92, 11}, kZero, kZero, Rc(4, 0, 96, 22)});
    ini.Rc("trackarea", Rc(6, 0, 94, 22));
    ini.Rc("buttonrect", Slot(thumbs, 0, 11));
    ini.Rc("activebuttonrect", Slot(thumbs, 1, 11));
  }
  ini.Bool("vertical", vertical);
  ini.Bool("buttontransparent", false);
  ini.Int("buttontransparentcolor", 0);
}

void ScrollBar(Ini& ini, const SkinArt& art, const std::string& name, bool vertical) {
  const Rect arrows = art["arrows"];
  Rect up[3], down[3];
  for (int i = 0; i < 3; ++i) {
    up[i] = Slot(arrows, (vertical ? 0 : 6) + i, 16);
    down[i] = Slot(arrows, (vertical ? 3 : 9) + i, 16);
  }
  if (vertical)
    Custom(ini, name, art["vscroll"], {{8, 16}, kZero, {8, 84}, kZero, Rc(0, 16, 16, 84)});
  else
    Custom(ini, name, art["hscroll"], {{16, 8}, {84, 8}, kZero, kZero, Rc(16, 0, 84, 16)});
  ini.Rc("trackarea", vertical ? Rc(0, 16, 16, 84) : Rc(16, 0, 84, 16));
  UpDownKeys(ini, up, down);
  const Rect thumbs = art[vertical ? "vthumb" : "hthumbs"];
  const int tw = vertical ? 16 : 30;
  ini.Rc("thumbrect", Slot(thumbs, 0, tw));
  ini.Rc("activethumbrect", Slot(thumbs, 1, tw));
  ini.Rc("downthumbrect", Slot(thumbs, 2, tw));
  ini.Int("thumboffset1", 4);
  ini.Int("thumboffset2", 4);
  ini.Bool("thumbtransparent", false);
  ini.Int("thumbtransparentcolor", 0);
  const Rect grip = art["grip"];
  ini.Rc("glyphrect", vertical ? Slot(grip, 0, 8) : kNone);
  ini.Rc("activeglyphrect", vertical ? Slot(grip, 1, 8) : kNone);
  ini.Rc("downglyphrect", vertical ? Slot(grip, 2, 8) : kNone);
}

void ListBox(Ini& ini, const SkinArt& art, const std::string& name, bool caption, bool check) {
  const Rect skin = art[caption ? "capbox" : "box.normal"];
  const Nine nine = caption ? Nine{{3, 22}, {47, 22}, {3, 63}, {47, 63}, Rc(2, 20, 48, 64)}
                            : BoxNine(skin, 3, 2);
  Custom(ini, name, skin, nine);
  const Rect items = art["items"];
  ini.Rc("itemrect", Row(items, 0, 18));
  ini.Rc("activeitemrect", Row(items, 1, 18));
  ini.Rc("focusitemrect", Row(items, 2, 18));
  ini.Int("itemleftoffset", 2);
  ini.Int("itemrightoffset", 2);
  ini.Rc("itemtextrect", check ? Rc(20, 0, 56, 18) : Rc(4, 0, 56, 18));
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("focusfontcolor", kSelectText);
  ini.Rc("captionrect", caption ? Rc(4, 1, 46, 18) : kNone);
  ini.Font(14, "fsbold", kBlack, "caption");
  const Rect arrows = art["arrows"];
  Rect up[3], down[3];
  for (int i = 0; i < 3; ++i) {
    up[i] = caption ? Slot(arrows, i, 16) : kNone;
    down[i] = caption ? Slot(arrows, 3 + i, 16) : kNone;
  }
  UpDownKeys(ini, up, down);
  const Rect checks = art["checks"];
  ini.Rc("checkbuttonrect", caption && check ? Slot(checks, 0, 13) : kNone);
  ini.Rc("activecheckbuttonrect", caption && check ? Slot(checks, 2, 13) : kNone);
  ini.Rc("downcheckbuttonrect", caption && check ? Slot(checks, 1, 13) : kNone);
  ini.Str("vscrollbarname", "vscrollbar");
  ini.Str("hscrollbarname", "hscrollbar");
  ini.Str("bothhscrollbarname", "bothhscrollbar");
  if (check) {
    ini.Rc("itemcheckrect", Rc(3, 2, 16, 15));
    ini.Rc("checkimagerect", Slot(checks, 1, 13));
    ini.Rc("uncheckimagerect", Slot(checks, 0, 13));
  }
}

void ComboBox(Ini& ini, const SkinArt& art, const std::string& name, const char* listBox) {
  Custom(ini, name, art["combo"], {{4, 10}, {42, 11}, kZero, kZero, Rc(3, 3, 43, 18)});
  const Rect items = art["items"];
  ini.Rc("itemrect", Row(items, 0, 18));
  ini.Rc("focusitemrect", Row(items, 2, 18));
  ini.Int("itemleftoffset", 2);
  ini.Int("itemrightoffset", 2);
  ini.Rc("itemtextrect", Rc(3, 0, 57, 18));
  ini.Font(14, "", kBlack);
  ini.Int("focusfontcolor", kSelectText);
  ini.Str("listboxname", listBox);
  const Rect buttons = art["combobuttons"];
  ini.Rc("buttonrect", Slot(buttons, 0, 17));
  ini.Rc("activebuttonrect", Slot(buttons, 1, 17));
  ini.Rc("downbuttonrect", Slot(buttons, 2, 17));
  ini.Rc("unenabledbuttonrect", Slot(buttons, 3, 17));
}

void ThreeStateButton(Ini& ini, const SkinArt& art, const std::string& name,
                      const std::string& strip, int w, const Nine& n, const Rect* track) {
  const Rect s = art[strip];
  ButtonKeys k;
  k.active = Slot(s, 1, w);
  k.down = Slot(s, 2, w);
  Button(ini, name, Slot(s, 0, w), n, k);
  if (track) ini.Rc("trackbuttonrect", *track);
}

void FontAndBackground(Ini& ini, const SkinArt& art, const std::string& name) {
  ControlBase(ini, name, kControls, art["box.normal"]);
  ini.Font(14, "", kBlack);
  ini.Int("bgcolor", Colour(255, 255, 255));
}

void Controls(Ini& ini, const SkinArt& art) {
  const Rect b = art["button.normal"];
  ButtonKeys button;
  button.colours[3] = kWhiteText;
  button.active = art["button.active"];
  button.down = art["button.down"];
  button.disabled = art["button.disabled"];
  button.morphKind = "mkgradient";
  Button(ini, "button", b, {{4, 8}, {18, 9}, kZero, kZero, Rc(2, 2, 22, 19)}, button);

  Panel(ini, "toolpanel", art["toolpanel"], {{2, 2}, {38, 2}, {2, 28}, {38, 28}, Rc(1, 1, 39, 29)},
        {});

  ButtonKeys tool;
  tool.active = art["toolbutton.active"];
  tool.down = art["toolbutton.down"];
  Button(ini, "toolbutton", art["toolbutton.normal"],
         {{5, 11}, {20, 12}, kZero, kZero, Rc(2, 3, 23, 24)}, tool);

  CheckRadio(ini, art, "checkbox", "checks");
  Gauge(ini, art, "gauge", false);
  Gauge(ini, art, "vgauge", true);
  CheckRadio(ini, art, "radiobox", "radios");

  PanelKeys panel;
  panel.fontHeight = 12;
  Panel(ini, "panel", art["panel"], {{5, 4}, {53, 6}, {6, 45}, {53, 46}, Rc(2, 2, 57, 50)}, panel);

  Custom(ini, "label", kNone, {kZero, kZero, kZero, kZero, kNone}, -1);
  ini.Font(14, "", kBlack);

  TrackBar(ini, art, "trackbar", true);
  TrackBar(ini, art, "htrackbar", false);

  ControlBase(ini, "grid", kControls, art["box.normal"]);
  const Rect cells = art["cells"];
  ini.Rc("fixedcellrect", Slot(cells, 0, 60));
  ini.Rc("selectcellrect", Slot(cells, 1, 60));
  ini.Rc("focuscellrect", Slot(cells, 2, 60));
  ini.Int("fixedcellleftoffset", 2);
  ini.Int("fixedcellrightoffset", 2);
  ini.Rc("fixedcelltextrect", Rc(3, 0, 57, 20));
  ini.Int("cellleftoffset", 2);
  ini.Int("cellrightoffset", 2);
  ini.Rc("celltextrect", Rc(3, 0, 57, 20));
  ini.Int("linescolor", Colour(214, 220, 230));
  ini.Int("bgcolor", Colour(255, 255, 255));
  ini.Font(14, "", kBlack);
  ini.Int("selectfontcolor", kSelectText);
  ini.Int("focusfontcolor", kSelectText);
  ini.Font(14, "", kBlack, "fixed");

  ControlBase(ini, "tab", kControls, art["tabbody"]);
  const Rect tabs = art["tabs"];
  ini.Rc("tabrect", Slot(tabs, 0, 60));
  ini.Rc("activetabrect", Slot(tabs, 1, 60));
  ini.Rc("focustabrect", Slot(tabs, 1, 60));
  ini.Rc("mouseintabrect", Slot(tabs, 2, 60));
  ini.Rc("clientrect", Rc(2, 2, 48, 48));
  ini.Int("bgpictureindex", -1);
  ini.Pt("lefttoppoint", {3, 3});
  ini.Pt("righttoppoint", {47, 3});
  ini.Pt("leftbottompoint", {3, 47});
  ini.Pt("rightbottompoint", {47, 47});
  ini.Int("tableftoffset", 4);
  ini.Int("tabrightoffset", 4);
  ini.Rc("tabsbgrect", art["tabsbg"]);
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("focusfontcolor", kBlack);
  ini.Int("mouseinfontcolor", Colour(40, 90, 170));
  ini.Str("updown", "hupdown");

  Custom(ini, "edit", art["edit.normal"], {{4, 10}, {51, 11}, kZero, kZero, Rc(3, 3, 54, 18)});
  EditBody(ini, {art["edit.active"]});

  const Rect box = art["box.normal"];
  Custom(ini, "memo", box, BoxNine(box, 3, 2));
  EditBody(ini, {art["box.focused"]});
  ini.Int("bgcolor", Colour(255, 255, 255));
  ini.Int("activebgcolor", Colour(255, 255, 255));

  ScrollBar(ini, art, "hscrollbar", false);
  ScrollBar(ini, art, "vscrollbar", true);
  ListBox(ini, art, "listbox", false, false);
  ComboBox(ini, art, "combobox", "listbox");
  ListBox(ini, art, "checklistbox", false, true);

  Custom(ini, "spinedit", art["edit.normal"], {{4, 10}, {51, 11}, kZero, kZero, Rc(3, 3, 40, 18)});
  ini.Rc("activeskinrect", art["edit.active"]);
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", kBlack);
  ini.Int("disabledfontcolor", kGreyText);
  {
    const Rect ud = art["updown.v"];
    Rect up[3], down[3];
    for (int i = 0; i < 3; ++i) {
      up[i] = Rc(ud.left + 15 * i, ud.top, ud.left + 15 * (i + 1), ud.top + 10);
      down[i] = Rc(up[i].left, ud.top + 10, up[i].right, ud.bottom);
    }
    UpDownKeys(ini, up, down);
  }

  PanelKeys group;
  group.caption = Rc(8, 0, 52, 16);
  group.alignment = "taleftjustify";
  Panel(ini, "groupbox", art["groupbox"], {{6, 18}, {54, 18}, {6, 46}, {54, 46}, Rc(4, 18, 56, 46)},
        group);

  ControlBase(ini, "stdlabel", -1, kNone);
  ini.Font(14, "", kBlack);
  ini.Int("activefontcolor", 16744448);

  Custom(ini, "statuspanel", art["statuspanel"], {{3, 10}, {27, 10}, kZero, kZero, Rc(2, 2, 28, 18)});
  ini.Font(12, "", kBlack);

  Panel(ini, "statusbar", art["statusbar"], {{2, 2}, {38, 2}, {2, 20}, {38, 20}, Rc(1, 2, 39, 21)},
        {});

  {
    const Rect buttons = art["combobuttons"];
    Custom(ini, "buttonedit", art["edit.normal"], {{4, 10}, {51, 11}, kZero, kZero, Rc(3, 3, 54, 18)});
    EditBody(ini, {art["edit.active"], kBlack, Slot(buttons, 0, 17), Slot(buttons, 1, 17),
                   Slot(buttons, 2, 17), Slot(buttons, 3, 17)});
  }

  {
    const Rect ud = art["updown.v"];
    Rect up[3], down[3];
    for (int i = 0; i < 3; ++i) {
      up[i] = Rc(ud.left + 15 * i, ud.top, ud.left + 15 * (i + 1), ud.top + 10);
      down[i] = Rc(up[i].left, ud.top + 10, up[i].right, ud.bottom);
    }
    Custom(ini, "vupdown", Rc(ud.left, ud.top, ud.left + 15, ud.bottom),
           {kZero, kZero, kZero, kZero, Rc(0, 0, 15, 20)});
    UpDownKeys(ini, up, down);
    const Rect hd = art["updown.h"];
    for (int i = 0; i < 3; ++i) {
      up[i] = Rc(hd.left + 20 * i, hd.top, hd.left + 20 * i + 10, hd.bottom);
      down[i] = Rc(up[i].right, hd.top, up[i].right + 10, hd.bottom);
    }
    Custom(ini, "hupdown", Rc(hd.left, hd.top, hd.left + 20, hd.bottom),
           {kZero, kZero, kZero, kZero, Rc(0, 0, 20, 15)});
    UpDownKeys(ini, up, down);
  }

  ListBox(ini, art, "captionlistbox", true, false);
  ListBox(ini, art, "captionchecklistbox", true, true);
  ComboBox(ini, art, "captioncombobox", "captionlistbox");

  Custom(ini, "controlbar", art["controlbar"], {{8, 13}, {78, 13}, kZero, kZero, Rc(8, 2, 78, 24)});
  ini.Rc("itemrect", art["controlbar"]);
  ini.Int("bgpictureindex", -1);

  ControlBase(ini, "mainmenubar", kControls, art["menubar"]);
  ini.Rc("itemsrect", Rc(2, 1, 78, 21));
  ini.Str("menubaritem", "mainmenubaritem");
  ini.Str("closebutton", "menubarclosebutton");
  ini.Str("minbutton", "menubarminbutton");
  ini.Str("maxbutton", "menubarmaxbutton");
  ini.Str("sysmenubutton", "menubarsysmenubutton");
  ini.Int("trackmarkcolor", Colour(150, 164, 188));
  ini.Int("trackmarkactivecolor", Colour(72, 126, 206));

  Custom(ini, "vsplitter", art["vsplitter"], {{3, 2}, kZero, {3, 58}, kZero, Rc(1, 0, 5, 60)});
  Custom(ini, "hsplitter", art["hsplitter"], {{2, 3}, {58, 3}, kZero, kZero, Rc(0, 1, 60, 5)});

  {
    const Rect s = art["resize"];
    ButtonKeys k;
    k.active = Slot(s, 1, 16);
    k.down = Slot(s, 2, 16);
    k.morphing = false;
    Button(ini, "resizebutton", Slot(s, 0, 16), {kZero, kZero, kZero, kZero, Rc(0, 0, 16, 16)}, k);
  }

  ScrollBar(ini, art, "bothhscrollbar", false);

  {
    const Rect ex = art["exbuttons"];
    PanelKeys roll;
    roll.caption = Rc(6, 1, 54, 18);
    roll.alignment = "taleftjustify";
    roll.style = "fsbold";
    roll.colour = kWhiteText;
    roll.check = Slot(ex, 6, 13);
    roll.uncheck = Slot(ex, 3, 13);
    Panel(ini, "rolluppanel", art["rolluppanel"],
          {{4, 20}, {56, 20}, {4, 46}, {56, 46}, Rc(2, 19, 58, 48)}, roll);
  }

  Panel(ini, "bigtoolpanel", art["bigpanel"], {{5, 4}, {35, 4}, {5, 40}, {35, 40}, Rc(2, 2, 38, 42)},
        {});

  ThreeStateButton(ini, art, "bigtoolbutton", "bigtool", 36,
                   {{6, 18}, {30, 18}, kZero, kZero, Rc(3, 3, 33, 33)}, nullptr);
  const Rect track = Rc(25, 0, 36, 26), bigTrack = Rc(36, 0, 48, 36);
  const Nine toolMenu{{5, 11}, {24, 12}, kZero, kZero, Rc(2, 3, 24, 24)};
  const Nine bigToolMenu{{6, 18}, {34, 18}, kZero, kZero, Rc(3, 3, 35, 33)};
  ThreeStateButton(ini, art, "toolmenubutton", "toolmenu", 36, toolMenu, &track);
  ThreeStateButton(ini, art, "toolmenutrackbutton", "toolmenu", 36, toolMenu, &track);
  ThreeStateButton(ini, art, "bigtoolmenubutton", "bigtoolmenu", 48, bigToolMenu, &bigTrack);
  ThreeStateButton(ini, art, "bigtoolmenutrackbutton", "bigtoolmenu", 48, bigToolMenu, &bigTrack);

  Custom(ini, "scrollbox", box, BoxNine(box, 3, 2));
  ini.Int("bgpictureindex", -1);

  FontAndBackground(ini, art, "listview");
  FontAndBackground(ini, art, "treeview");
  Gauge(ini, art, "statusgauge", false);
  FontAndBackground(ini, art, "richedit");

  {
    const Rect ex = art["exbuttons"];
    Custom(ini, "expanel", art["expanel"], {{4, 20}, {56, 20}, {4, 56}, {56, 56}, Rc(2, 19, 58, 58)});
    ini.Rc("rollhskinrect", art["exroll.h"]);
    ini.Rc("rollvskinrect", art["exroll.v"]);
    ini.Int("rollleftoffset", 4);
    ini.Int("rollrightoffset", 4);
    ini.Int("rolltopoffset", 4);
    ini.Int("rollbottomoffset", 4);
    ini.Rc("rollvcaptionrect", Rc(0, 20, 19, 56));
    ini.Rc("rollhcaptionrect", Rc(6, 1, 40, 18));
    const char* names[] = {"closebutton", "hrollbutton", "hrestorebutton", "vrollbutton",
                           "vrestorebutton"};
    for (int k = 0; k < 5; ++k) {
      const std::string n = names[k];
      ini.Rc(n + "rect", Slot(ex, k * 3, 13));
      ini.Rc(n + "activerect", Slot(ex, k * 3 + 1, 13));
      ini.Rc(n + "downrect", Slot(ex, k * 3 + 2, 13));
    }
    ini.Rc("captionrect", Rc(6, 1, 40, 18));
    ini.Font(14, "fsbold", kBlack);
  }

  ControlBase(ini, "slider", kControls, art["htrack"]);
  ini.Int("bgcolor", Colour(238, 242, 247));
  ini.Rc("hrulerrect", art["hruler"]);
  ini.Rc("hthumbrect", Slot(art["thumbs"], 0, 11));
  ini.Rc("vrulerrect", art["vruler"]);
  ini.Rc("vthumbrect", Row(art["vthumbs"], 0, 11));
  ini.Int("edgesize", 4);
  ini.Int("pointscolor", Colour(150, 164, 188));
}

const char* const kObjectList[] = {
    "menuitem:menuitem",
    "caption:caption",
    "closebutton:stdbutton",
    "minimizebutton:stdbutton",
    "maximizebutton:stdbutton",
    "rollupbutton:stdbutton",
    "mainmenubaritem:mainmenubaritem",
    "sysmenubutton:stdbutton",
    "menubarsysmenubutton:mainmenubarbutton",
    "menubarclosebutton:mainmenubarbutton",
    "menubarmaxbutton:mainmenubarbutton",
    "menubarminbutton:mainmenubarbutton",
};

const char* const kControlList[] = {
    "button:button",
    "toolpanel:panel",
    "toolbutton:button",
    "checkbox:checkradio",
    "gauge:gauge",
    "vgauge:gauge",
    "radiobox:checkradio",
    "panel:panel",
    "label:label",
    "trackbar:trackbar",
    "htrackbar:trackbar",
    "grid:grid",
    "tab:tab",
    "edit:edit",
    "memo:memo",
    "hscrollbar:scrollbar",
    "vscrollbar:scrollbar",
    "listbox:listbox",
    "combobox:combobox",
    "checklistbox:checklistbox",
    "spinedit:spinedit",
    "groupbox:panel",
    "stdlabel:stdlabel",
    "statuspanel:label",
    "statusbar:panel",
    "buttonedit:edit",
    "vupdown:updown",
    "hupdown:updown",
    "captionlistbox:listbox",
    "captionchecklistbox:checklistbox",
    "captioncombobox:combobox",
    "controlbar:controlbar",
    "mainmenubar:mainmenubar",
    "vsplitter:splitter",
    "hsplitter:splitter",
    "resizebutton:button",
    "bothhscrollbar:scrollbar",
    "rolluppanel:panel",
    "bigtoolpanel:panel",
    "bigtoolbutton:button",
    "toolmenubutton:menubutton",
    "toolmenutrackbutton:menubutton",
    "bigtoolmenubutton:menubutton",
    "bigtoolmenutrackbutton:menubutton",
    "scrollbox:scrollbox",
    "listview:listview",
    "treeview:treeview",
    "statusgauge:gauge",
    "richedit:richedit",
    "expanel:expanel",
    "header:header",
    "slider:slider",
};

template <std::size_t N>
void List(Ini& ini, const std::string& section, const char* const (&entries)[N]) {
  ini.Section(section);
  ini.Int("count", static_cast<int>(N));
  for (std::size_t i = 0; i < N; ++i) ini.Str(std::to_string(i), entries[i]);
}

}  // namespace

std::string SkinIni(const SkinArt& art) {
  Ini ini;
  ini.Section("VERSION");
  ini.Str("skinname", "Vellumo Slate");
  ini.Str("skinauthor", "Vellumo");
  ini.Str("authoremail", "");
  ini.Str("authorurl", "");
  ini.Str("skincomments", "The About window's skin, drawn by tools/skingen.");

  ini.Section("PICTURES");
  ini.Str("picture", kFramePictureFile);
  ini.Str("inactivepicture", "");
  ini.Str("mask", kMaskFile);
  ini.Int("activepicturescount", kExtraCount);
  for (int i = 0; i < kExtraCount; ++i) ini.Str(std::to_string(i), kExtraPictureFiles[i]);

  ini.Section("FORMINFO");
  ini.Pt("lefttoppoint", frame::kLT);
  ini.Pt("righttoppoint", frame::kRT);
  ini.Pt("leftbottompoint", frame::kLB);
  ini.Pt("rightbottompoint", frame::kRB);
  ini.Rc("clientrect", frame::kClient);
  ini.Int("bgpictureindex", -1);
  ini.Int("mdibgpictureindex", -1);
  ini.Bool("leftstretch", false);
  ini.Bool("rightstretch", false);
  ini.Bool("topstretch", false);
  ini.Bool("bottomstretch", false);
  ini.Rc("maskrectarea", Rc(8, 8, frame::kWidth - 8, frame::kHeight - 8));
  ini.Pt("hittestlefttoppoint", {14, 14});
  ini.Pt("hittestrighttoppoint", {frame::kWidth - 14, 14});
  ini.Pt("hittestleftbottompoint", {14, frame::kHeight - 14});
  ini.Pt("hittestrightbottompoint", {frame::kWidth - 14, frame::kHeight - 14});
  ini.Rc("buttonsrect", kNone);
  ini.Rc("captionrect", kNone);
  ini.Int("buttonsoffset", 0);
  ini.Bool("buttonsinleft", false);
  ini.Bool("mainmenupopupup", false);
  ini.Int("borderwidth", 4);
  ini.Bool("autorenderinginactiveimage", false);
  ini.Str("inactiveeffect", "iebrightness");
  ini.Rc("mainmenurect", Rc(frame::kClient.left, frame::kCaptionBottom + 1, frame::kClient.right,
                            frame::kClient.top - 1));
  ini.Rc("iconrect", frame::kSysMenu);

  ini.Section("POPUPWINDOW");
  ini.Int("windowpictureindex", kPopupWindow);
  ini.Int("maskpictureindex", -1);
  ini.Pt("lefttoppoint", {4, 4});
  ini.Pt("righttoppoint", {84, 4});
  ini.Pt("leftbottompoint", {4, 76});
  ini.Pt("rightbottompoint", {84, 76});
  ini.Rc("itemsrect", Rc(3, 3, 85, 77));
  ini.Int("scrollmarkercolor", Colour(150, 164, 188));
  ini.Int("scrollmarkeractivecolor", Colour(72, 126, 206));
  ini.Bool("leftstretch", false);
  ini.Bool("rightstretch", false);
  ini.Bool("topstretch", false);
  ini.Bool("bottomstretch", false);

  ini.Section("HINTWINDOW");
  ini.Int("windowpictureindex", kHintWindow);
  ini.Int("maskpictureindex", -1);
  ini.Pt("lefttoppoint", {4, 4});
  ini.Pt("righttoppoint", {38, 4});
  ini.Pt("leftbottompoint", {4, 18});
  ini.Pt("rightbottompoint", {38, 18});
  ini.Rc("clientrect", Rc(3, 3, 39, 19));
  ini.Font(14, "", Colour(40, 48, 64));
  ini.Bool("leftstretch", false);
  ini.Bool("rightstretch", false);
  ini.Bool("topstretch", false);
  ini.Bool("bottomstretch", false);

  List(ini, "SKINOBJECTS", kObjectList);
  Objects(ini, art);
  List(ini, "SKINCONTROLS", kControlList);
  Controls(ini, art);
  return ini.Text();
}

}  // namespace skingen
