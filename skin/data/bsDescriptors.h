// Skin descriptors: what the INI sections of a skin say, typed. Object
// descriptors (caption, caption buttons, menu items) and control descriptors
// (panel, button, edit, label and the rest), each reading and writing its own
// section; field names are the INI keys. Portable.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "skin/data/bsSkinIni.h"

namespace bs {

// The two virtual operations of a descriptor class derived from Base. Each
// class lists its own keys once, in Keys(), for both reading and writing.
#define BS_DESCRIPTOR(Class, Base)                     \
 public:                                               \
  using Base::Base;                                    \
  void ReadSection(const TbsIniFile& ini) override;    \
  void WriteSection(TbsIniFile& ini) const override;   \
                                                       \
 private:                                              \
  void Keys(TbsKeyIO& io);                             \
                                                       \
 public:

// ---- Object descriptors -------------------------------------------------

class TbsDataSkinObject {
 public:
  explicit TbsDataSkinObject(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TbsDataSkinObject() = default;
  // Reads the section named IDName: the base's keys first, then its own.
  virtual void ReadSection(const TbsIniFile& ini);
  // Replaces the section with every key ReadSection reads, in the same order.
  virtual void WriteSection(TbsIniFile& ini) const;

  std::string IDName;
  std::string hint;
  std::int32_t activepictureindex = -1;
  bool skinrectinapicture = false;
  Rect skinrect;
  Rect activeskinrect;
  Rect inactiveskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;

 private:
  void Keys(TbsKeyIO& io);
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataSkinMenuItem, TbsDataSkinObject)
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  Rect dividerrect;
  std::int32_t dividerleftoffset = 0;
  std::int32_t dividerrightoffset = 0;
  Rect textrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor unenabledfontcolor = 0;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataSkinMainMenuItem, TbsDataSkinObject)
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
  BS_DESCRIPTOR(TbsDataSkinMainMenuBarItem, TbsDataSkinMainMenuItem)
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  Rect downrect;
  Rect textrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor unenabledfontColor = 0;
};

class TbsDataSkinButton : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataSkinButton, TbsDataSkinObject)
  Rect downrect;
  Rect disableskinrsect;  // the key is spelled so
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
  BS_DESCRIPTOR(TbsDataSkinStdButton, TbsDataSkinButton)
  TbsStdCommand command = TbsStdCommand::cmDefault;
  // Images while maximized / minimized / rolled up, in the extra picture.
  Rect restorerect;
  Rect restoreactiverect;
  Rect restoredownrect;
  Rect restoreinactiverect;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
  BS_DESCRIPTOR(TbsDataSkinMainMenuBarButton, TbsDataSkinStdButton)
};

class TbsDataSkinCaption : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataSkinCaption, TbsDataSkinObject)
  Rect textrect;  // relative to the top-left of skinrect
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TAlignment alignment = TAlignment::taCenter;
  bool shadow = false;
  TColor shadowcolor = 0;
  TColor activeshadowcolor = 0;
  Rect framerect;
  Rect activeframerect;
  Rect frametextrect;
  std::int32_t frameleftoffset = 0;
  std::int32_t framerightoffset = 0;
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataSkinAnimate, TbsDataSkinObject)
  std::int32_t countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  std::int32_t timerinterval = 50;
  TbsStdCommand command = TbsStdCommand::cmDefault;
};

// Reads only skinrect, none of the base keys.
class TbsDataUserObject : public TbsDataSkinObject {
  BS_DESCRIPTOR(TbsDataUserObject, TbsDataSkinObject)
};

// ---- Control descriptors ------------------------------------------------

class TbsDataSkinControl {
 public:
  explicit TbsDataSkinControl(std::string idName) : IDName(std::move(idName)) {}
  virtual ~TbsDataSkinControl() = default;
  virtual void ReadSection(const TbsIniFile& ini);
  virtual void WriteSection(TbsIniFile& ini) const;

  std::string IDName;
  std::int32_t pictureindex = -1;
  std::int32_t maskpictureindex = -1;
  Rect skinrect;

 private:
  void Keys(TbsKeyIO& io);
};

// Nine-slice geometry, relative to the top-left of skinrect.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinCustomControl, TbsDataSkinControl)
  Point lefttoppoint;
  Point righttoppoint;
  Point leftbottompoint;
  Point rightbottompoint;
  Rect clientrect;
};

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinPanelControl, TbsDataSkinCustomControl)
  std::int32_t bgpictureindex = -1;
  Rect captionrect;
  TAlignment alignment = TAlignment::taCenter;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  Rect checkimagerect;
  Rect uncheckimagerect;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinExPanelControl, TbsDataSkinCustomControl)
  Rect rollhskinrect;
  Rect rollvskinrect;
  std::int32_t rollleftoffset = 0;
  std::int32_t rollrightoffset = 0;
  std::int32_t rolltopoffset = 0;
  std::int32_t rollbottomoffset = 0;
  Rect rollvcaptionrect;
  Rect rollhcaptionrect;
  Rect closebuttonrect;
  Rect closebuttonactiverect;
  Rect closebuttondownrect;
  Rect hrollbuttonrect;
  Rect hrollbuttonactiverect;
  Rect hrollbuttondownrect;
  Rect hrestorebuttonrect;
  Rect hrestorebuttonactiverect;
  Rect hrestorebuttondownrect;
  Rect vrollbuttonrect;
  Rect vrollbuttonactiverect;
  Rect vrollbuttondownrect;
  Rect vrestorebuttonrect;
  Rect vrestorebuttonactiverect;
  Rect vrestorebuttondownrect;
  Rect captionrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinButtonControl, TbsDataSkinCustomControl)
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor downfontcolor = 0;
  TColor disabledfontcolor = 0;
  Rect activeskinrect;
  Rect downskinrect;
  Rect disabledskinrect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
  BS_DESCRIPTOR(TbsDataSkinMenuButtonControl, TbsDataSkinButtonControl)
  Rect trackbuttonrect;
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinCheckRadioControl, TbsDataSkinCustomControl)
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor unenabledfontcolor = 0;
  TColor framefontcolor = 0;
  Rect activeskinrect;
  Rect checkimagearea;
  Rect textarea;
  Rect checkimagerect;
  Rect uncheckimagerect;
  Rect activecheckimagerect;
  Rect activeuncheckimagerect;
  Rect unenabledcheckimagerect;
  Rect unenableduncheckimagerect;
  bool morphing = false;
  MorphKind morphkind = MorphKind::mkdefault;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinGaugeControl, TbsDataSkinCustomControl)
  Rect progressarea;
  Rect progressrect;
  std::int32_t beginoffset = 0;
  std::int32_t endoffset = 0;
  bool vertical = false;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool progresstransparent = false;
  TColor progresstransparentcolor = 0;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinSplitterControl, TbsDataSkinCustomControl)
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinTrackBarControl, TbsDataSkinCustomControl)
  Rect trackarea;
  Rect buttonrect;
  Rect activebuttonrect;
  bool vertical = false;
  bool buttontransparent = false;
  TColor buttontransparentcolor = 0;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinLabelControl, TbsDataSkinCustomControl)
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
};

// No corner points or clientrect: only the keys of TbsDataSkinControl.
class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinStdLabelControl, TbsDataSkinControl)
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 16711680;  // blue
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinUpDownControl, TbsDataSkinCustomControl)
  Rect upbuttonrect;
  Rect activeupbuttonrect;
  Rect downupbuttonrect;
  Rect downbuttonrect;
  Rect activedownbuttonrect;
  Rect downdownbuttonrect;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinGridControl, TbsDataSkinControl)
  Rect fixedcellrect;
  Rect selectcellrect;
  Rect focuscellrect;
  std::int32_t fixedcellleftoffset = 0;
  std::int32_t fixedcellrightoffset = 0;
  Rect fixedcelltextrect;
  std::int32_t cellleftoffset = 0;
  std::int32_t cellrightoffset = 0;
  Rect celltextrect;
  TColor linescolor = 0;
  TColor bgcolor = 0;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor selectfontcolor = 0;
  TColor focusfontcolor = 0;
  std::string fixedfontname = kDefaultFontName;
  std::int32_t fixedfontheight = kDefaultFontHeight;
  TFontStyles fixedfontstyle;
  TColor fixedfontcolor = 0;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinTabControl, TbsDataSkinControl)
  Rect tabrect;
  Rect activetabrect;
  Rect focustabrect;
  Rect mouseintabrect;
  Rect clientrect;
  std::int32_t bgpictureindex = -1;
  Point lefttoppoint;
  Point righttoppoint;
  Point leftbottompoint;
  Point rightbottompoint;
  std::int32_t tableftoffset = 0;
  std::int32_t tabrightoffset = 0;
  Rect tabsbgrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor focusfontcolor = 0;
  TColor mouseinfontcolor = 0;
  std::string updown;  // IDName of an updown descriptor
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinMainMenuBar, TbsDataSkinControl)
  Rect itemsrect;
  // IDNames of object descriptors.
  std::string menubaritem;
  std::string closebutton;
  std::string minbutton;
  std::string maxbutton;
  std::string sysmenubutton;
  TColor trackmarkcolor = 0;
  TColor trackmarkactivecolor = 0;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinControlBar, TbsDataSkinCustomControl)
  Rect itemrect;
  std::int32_t bgpictureindex = -1;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinEditControl, TbsDataSkinCustomControl)
  Rect activeskinrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor disabledfontcolor = 0;
  TColor activefontcolor = 0;
  Rect buttonrect;
  Rect activebuttonrect;
  Rect downbuttonrect;
  Rect unenabledbuttonrect;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
  BS_DESCRIPTOR(TbsDataSkinMemoControl, TbsDataSkinEditControl)
  TColor bgcolor = 0;
  TColor activebgcolor = 0;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinListBox, TbsDataSkinCustomControl)
  Rect itemrect;
  Rect activeitemrect;
  Rect focusitemrect;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  Rect itemtextrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor focusfontcolor = 0;
  Rect captionrect;
  std::string captionfontname = kDefaultFontName;
  std::int32_t captionfontheight = kDefaultFontHeight;
  TFontStyles captionfontstyle;
  TColor captionfontcolor = 0;
  Rect upbuttonrect;
  Rect activeupbuttonrect;
  Rect downupbuttonrect;
  Rect downbuttonrect;
  Rect activedownbuttonrect;
  Rect downdownbuttonrect;
  Rect checkbuttonrect;
  Rect activecheckbuttonrect;
  Rect downcheckbuttonrect;
  // IDNames of scrollbar descriptors.
  std::string vscrollbarname;
  std::string hscrollbarname;
  std::string bothhscrollbarname;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
  BS_DESCRIPTOR(TbsDataSkinCheckListBox, TbsDataSkinListBox)
  Rect itemcheckrect;
  Rect checkimagerect;
  Rect uncheckimagerect;
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinComboBox, TbsDataSkinCustomControl)
  Rect itemrect;
  Rect focusitemrect;
  std::int32_t itemleftoffset = 0;
  std::int32_t itemrightoffset = 0;
  Rect itemtextrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor focusfontcolor = 0;
  std::string listboxname;
  Rect buttonrect;
  Rect activebuttonrect;
  Rect downbuttonrect;
  Rect unenabledbuttonrect;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinScrollBarControl, TbsDataSkinCustomControl)
  Rect trackarea;
  Rect upbuttonrect;
  Rect activeupbuttonrect;
  Rect downupbuttonrect;
  Rect downbuttonrect;
  Rect activedownbuttonrect;
  Rect downdownbuttonrect;
  Rect thumbrect;
  Rect activethumbrect;
  Rect downthumbrect;
  std::int32_t thumboffset1 = 0;
  std::int32_t thumboffset2 = 0;
  bool thumbtransparent = false;
  TColor thumbtransparentcolor = 0;
  Rect glyphrect;
  Rect activeglyphrect;
  Rect downglyphrect;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinSpinEditControl, TbsDataSkinCustomControl)
  Rect activeskinrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  TColor activefontcolor = 0;
  TColor disabledfontcolor = 0;
  Rect upbuttonrect;
  Rect activeupbuttonrect;
  Rect downupbuttonrect;
  Rect downbuttonrect;
  Rect activedownbuttonrect;
  Rect downdownbuttonrect;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
  BS_DESCRIPTOR(TbsDataSkinScrollBoxControl, TbsDataSkinCustomControl)
  std::int32_t bgpictureindex = -1;
};

// Font keys and a background colour: tree view, list view, rich edit.
#define BS_FONT_AND_BG_DESCRIPTOR(Class)                  \
  class Class : public TbsDataSkinControl {               \
    BS_DESCRIPTOR(Class, TbsDataSkinControl)              \
    std::string fontname = kDefaultFontName;              \
    std::int32_t fontheight = kDefaultFontHeight;         \
    TFontStyles fontstyle;                                \
    TColor fontcolor = 0;                                 \
    TColor bgcolor = 0;                                   \
  };
BS_FONT_AND_BG_DESCRIPTOR(TbsDataSkinTreeView)
BS_FONT_AND_BG_DESCRIPTOR(TbsDataSkinListView)
BS_FONT_AND_BG_DESCRIPTOR(TbsDataSkinRichEdit)
#undef BS_FONT_AND_BG_DESCRIPTOR

class TbsDataSkinBevel : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinBevel, TbsDataSkinControl)
  TColor lightcolor = 0;
  TColor darkcolor = 0;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
  BS_DESCRIPTOR(TbsDataSkinSlider, TbsDataSkinControl)
  TColor bgcolor = 0;
  Rect hrulerrect;
  Rect hthumbrect;
  Rect vrulerrect;
  Rect vthumbrect;
  std::int32_t edgesize = 0;
  TColor pointscolor = 0;
};

// ---- Window descriptors -------------------------------------------------

// The frame of skinned popup menus, section [POPUPWINDOW].
class TbsDataSkinPopupWindow {
 public:
  void ReadSection(const TbsIniFile& ini);
  void WriteSection(TbsIniFile& ini) const;

  std::string IDName = "POPUPWINDOW";
  std::int32_t windowpictureindex = -1;
  std::int32_t maskpictureindex = -1;
  Point lefttoppoint;
  Point righttoppoint;
  Point leftbottompoint;
  Point rightbottompoint;
  Rect itemsrect;
  TColor scrollmarkercolor = 0;
  TColor scrollmarkeractivecolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;

 private:
  void Keys(TbsKeyIO& io);
};

// The frame of skinned hints, section [HINTWINDOW].
class TbsDataSkinHintWindow {
 public:
  void ReadSection(const TbsIniFile& ini);
  void WriteSection(TbsIniFile& ini) const;

  std::string IDName = "HINTWINDOW";
  std::int32_t windowpictureindex = -1;
  std::int32_t maskpictureindex = -1;
  Point lefttoppoint;
  Point righttoppoint;
  Point leftbottompoint;
  Point rightbottompoint;
  Rect clientrect;
  std::string fontname = kDefaultFontName;
  std::int32_t fontheight = kDefaultFontHeight;
  TFontStyles fontstyle;
  TColor fontcolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;

 private:
  void Keys(TbsKeyIO& io);
};

// The form geometry, section [FORMINFO]; rectangles and points in the main
// picture. ReadSection reads the keys only; the skin data then fits them
// together (TbsSkinData::ReadFormGeometry).
class TbsDataSkinFormInfo {
 public:
  void ReadSection(const TbsIniFile& ini);
  void WriteSection(TbsIniFile& ini) const;

  std::string IDName = "FORMINFO";
  Point lefttoppoint;
  Point righttoppoint;
  Point leftbottompoint;
  Point rightbottompoint;
  Rect clientrect;
  std::int32_t bgpictureindex = -1;
  std::int32_t mdibgpictureindex = -1;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
  Rect maskrectarea;
  Point hittestlefttoppoint;
  Point hittestrighttoppoint;
  Point hittestleftbottompoint;
  Point hittestrightbottompoint;
  Rect buttonsrect;
  Rect captionrect;
  std::int32_t buttonsoffset = 0;
  bool buttonsinleft = false;
  bool mainmenupopupup = false;
  std::int32_t borderwidth = 0;
  bool autorenderinginactiveimage = false;
  InactiveEffect inactiveeffect = InactiveEffect::iebrightness;

 private:
  void Keys(TbsKeyIO& io);
};

// ---- Kinds ----------------------------------------------------------------

// Creates the descriptor for a kind of [SKINOBJECTS] / [SKINCONTROLS] (matched
// with regard to case), or null for an unknown kind.
std::unique_ptr<TbsDataSkinObject> CreateObjectDescriptor(const std::string& kind, const std::string& idName);
std::unique_ptr<TbsDataSkinControl> CreateControlDescriptor(const std::string& kind, const std::string& idName);
// The kind a descriptor was created for ("" for a base-only class).
std::string ObjectKindOf(const TbsDataSkinObject& d);
std::string ControlKindOf(const TbsDataSkinControl& d);
// Every kind, in the order of the class tables.
std::vector<std::string> ObjectKinds();
std::vector<std::string> ControlKinds();

}  // namespace bs
