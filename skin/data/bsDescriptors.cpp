#include "skin/data/bsDescriptors.h"

#include <functional>
#include <typeindex>

namespace bs {

// io.Key("name", name): the field is named as its key.
#define K(field) io.Key(#field, field)
#define COLOR(field) io.Color(#field, field)
#define FONT_KEYS() K(fontname), K(fontheight), K(fontstyle), COLOR(fontcolor)

// Each class reads its base's keys, then its own; writing follows the same
// order after the root has erased the section.
#define BS_SECTION_IO(Class, Base)                                              \
  void Class::ReadSection(const TbsIniFile& ini) {                              \
    Base::ReadSection(ini);                                                     \
    TbsKeyReader reader(ini, IDName);                                           \
    Keys(reader);                                                               \
  }                                                                             \
  void Class::WriteSection(TbsIniFile& ini) const {                             \
    Base::WriteSection(ini);                                                    \
    TbsKeyWriter writer(ini, IDName);                                           \
    const_cast<Class*>(this)->Keys(writer); /* the writer only reads fields */ \
  }

#define BS_ROOT_SECTION_IO(Class)                      \
  void Class::ReadSection(const TbsIniFile& ini) {     \
    TbsKeyReader reader(ini, IDName);                  \
    Keys(reader);                                      \
  }                                                    \
  void Class::WriteSection(TbsIniFile& ini) const {    \
    ini.EraseSection(IDName);                          \
    TbsKeyWriter writer(ini, IDName);                  \
    const_cast<Class*>(this)->Keys(writer);            \
  }

// ---- Objects ----

BS_ROOT_SECTION_IO(TbsDataSkinObject)
void TbsDataSkinObject::Keys(TbsKeyIO& io) {
  K(hint), K(activepictureindex), K(skinrectinapicture), K(skinrect), K(activeskinrect), K(inactiveskinrect),
      K(morphing), K(morphkind);
}

BS_SECTION_IO(TbsDataSkinMenuItem, TbsDataSkinObject)
void TbsDataSkinMenuItem::Keys(TbsKeyIO& io) {
  K(itemleftoffset), K(itemrightoffset), K(dividerrect), K(dividerleftoffset), K(dividerrightoffset), K(textrect),
      FONT_KEYS(), COLOR(activefontcolor), COLOR(unenabledfontcolor);
}

BS_SECTION_IO(TbsDataSkinMainMenuItem, TbsDataSkinObject)
void TbsDataSkinMainMenuItem::Keys(TbsKeyIO&) {}

BS_SECTION_IO(TbsDataSkinMainMenuBarItem, TbsDataSkinMainMenuItem)
void TbsDataSkinMainMenuBarItem::Keys(TbsKeyIO& io) {
  K(itemleftoffset), K(itemrightoffset), K(downrect), K(textrect), FONT_KEYS(), COLOR(activefontcolor),
      COLOR(downfontcolor), COLOR(unenabledfontColor);
}

BS_SECTION_IO(TbsDataSkinButton, TbsDataSkinObject)
void TbsDataSkinButton::Keys(TbsKeyIO& io) { K(downrect), K(disableskinrsect); }

BS_SECTION_IO(TbsDataSkinStdButton, TbsDataSkinButton)
void TbsDataSkinStdButton::Keys(TbsKeyIO& io) {
  K(command), K(restorerect), K(restoreactiverect), K(restoredownrect), K(restoreinactiverect);
}

BS_SECTION_IO(TbsDataSkinMainMenuBarButton, TbsDataSkinStdButton)
void TbsDataSkinMainMenuBarButton::Keys(TbsKeyIO&) {}

BS_SECTION_IO(TbsDataSkinCaption, TbsDataSkinObject)
void TbsDataSkinCaption::Keys(TbsKeyIO& io) {
  K(textrect), FONT_KEYS(), COLOR(activefontcolor), K(alignment), K(shadow), COLOR(shadowcolor),
      COLOR(activeshadowcolor), K(framerect), K(activeframerect), K(frametextrect), K(frameleftoffset),
      K(framerightoffset);
}

void TbsDataSkinAnimate::ReadSection(const TbsIniFile& ini) {
  TbsDataSkinObject::ReadSection(ini);
  TbsKeyReader reader(ini, IDName);
  Keys(reader);
  morphing = false;  // animations never fade
}
void TbsDataSkinAnimate::WriteSection(TbsIniFile& ini) const {
  TbsDataSkinObject::WriteSection(ini);
  TbsKeyWriter writer(ini, IDName);
  const_cast<TbsDataSkinAnimate*>(this)->Keys(writer);
}
void TbsDataSkinAnimate::Keys(TbsKeyIO& io) {
  K(countframes), K(cycle), K(buttonstyle), K(timerinterval), K(command);
}

BS_ROOT_SECTION_IO(TbsDataUserObject)
void TbsDataUserObject::Keys(TbsKeyIO& io) { K(skinrect); }

// ---- Controls ----

BS_ROOT_SECTION_IO(TbsDataSkinControl)
void TbsDataSkinControl::Keys(TbsKeyIO& io) { K(pictureindex), K(maskpictureindex), K(skinrect); }

BS_SECTION_IO(TbsDataSkinCustomControl, TbsDataSkinControl)
void TbsDataSkinCustomControl::Keys(TbsKeyIO& io) {
  K(lefttoppoint), K(righttoppoint), K(leftbottompoint), K(rightbottompoint), K(clientrect);
}

BS_SECTION_IO(TbsDataSkinPanelControl, TbsDataSkinCustomControl)
void TbsDataSkinPanelControl::Keys(TbsKeyIO& io) {
  K(bgpictureindex), K(captionrect), K(alignment), FONT_KEYS(), K(checkimagerect), K(uncheckimagerect);
}

BS_SECTION_IO(TbsDataSkinExPanelControl, TbsDataSkinCustomControl)
void TbsDataSkinExPanelControl::Keys(TbsKeyIO& io) {
  K(rollhskinrect), K(rollvskinrect), K(rollleftoffset), K(rollrightoffset), K(rolltopoffset),
      K(rollbottomoffset), K(rollvcaptionrect), K(rollhcaptionrect), K(closebuttonrect), K(closebuttonactiverect),
      K(closebuttondownrect), K(hrollbuttonrect), K(hrollbuttonactiverect), K(hrollbuttondownrect),
      K(hrestorebuttonrect), K(hrestorebuttonactiverect), K(hrestorebuttondownrect), K(vrollbuttonrect),
      K(vrollbuttonactiverect), K(vrollbuttondownrect), K(vrestorebuttonrect), K(vrestorebuttonactiverect),
      K(vrestorebuttondownrect), K(captionrect), FONT_KEYS();
}

BS_SECTION_IO(TbsDataSkinButtonControl, TbsDataSkinCustomControl)
void TbsDataSkinButtonControl::Keys(TbsKeyIO& io) {
  FONT_KEYS(), COLOR(activefontcolor), COLOR(downfontcolor), COLOR(disabledfontcolor), K(activeskinrect),
      K(downskinrect), K(disabledskinrect), K(morphing), K(morphkind);
}

BS_SECTION_IO(TbsDataSkinMenuButtonControl, TbsDataSkinButtonControl)
void TbsDataSkinMenuButtonControl::Keys(TbsKeyIO& io) { K(trackbuttonrect); }

BS_SECTION_IO(TbsDataSkinCheckRadioControl, TbsDataSkinCustomControl)
void TbsDataSkinCheckRadioControl::Keys(TbsKeyIO& io) {
  FONT_KEYS(), COLOR(activefontcolor), COLOR(unenabledfontcolor), COLOR(framefontcolor), K(activeskinrect),
      K(checkimagearea), K(textarea), K(checkimagerect), K(uncheckimagerect), K(activecheckimagerect),
      K(activeuncheckimagerect), K(unenabledcheckimagerect), K(unenableduncheckimagerect), K(morphing),
      K(morphkind);
}

BS_SECTION_IO(TbsDataSkinGaugeControl, TbsDataSkinCustomControl)
void TbsDataSkinGaugeControl::Keys(TbsKeyIO& io) {
  K(progressarea), K(progressrect), K(beginoffset), K(endoffset), K(vertical), FONT_KEYS(),
      K(progresstransparent), COLOR(progresstransparentcolor);
}

BS_SECTION_IO(TbsDataSkinSplitterControl, TbsDataSkinCustomControl)
void TbsDataSkinSplitterControl::Keys(TbsKeyIO&) {}

BS_SECTION_IO(TbsDataSkinTrackBarControl, TbsDataSkinCustomControl)
void TbsDataSkinTrackBarControl::Keys(TbsKeyIO& io) {
  K(trackarea), K(buttonrect), K(activebuttonrect), K(vertical), K(buttontransparent),
      COLOR(buttontransparentcolor);
}

BS_SECTION_IO(TbsDataSkinLabelControl, TbsDataSkinCustomControl)
void TbsDataSkinLabelControl::Keys(TbsKeyIO& io) { FONT_KEYS(); }

BS_SECTION_IO(TbsDataSkinStdLabelControl, TbsDataSkinControl)
void TbsDataSkinStdLabelControl::Keys(TbsKeyIO& io) { FONT_KEYS(), COLOR(activefontcolor); }

BS_SECTION_IO(TbsDataSkinUpDownControl, TbsDataSkinCustomControl)
void TbsDataSkinUpDownControl::Keys(TbsKeyIO& io) {
  K(upbuttonrect), K(activeupbuttonrect), K(downupbuttonrect), K(downbuttonrect), K(activedownbuttonrect),
      K(downdownbuttonrect);
}

BS_SECTION_IO(TbsDataSkinGridControl, TbsDataSkinControl)
void TbsDataSkinGridControl::Keys(TbsKeyIO& io) {
  K(fixedcellrect), K(selectcellrect), K(focuscellrect), K(fixedcellleftoffset), K(fixedcellrightoffset),
      K(fixedcelltextrect), K(cellleftoffset), K(cellrightoffset), K(celltextrect), COLOR(linescolor),
      COLOR(bgcolor), FONT_KEYS(), COLOR(selectfontcolor), COLOR(focusfontcolor), K(fixedfontname),
      K(fixedfontheight), K(fixedfontstyle), COLOR(fixedfontcolor);
}

BS_SECTION_IO(TbsDataSkinTabControl, TbsDataSkinControl)
void TbsDataSkinTabControl::Keys(TbsKeyIO& io) {
  K(tabrect), K(activetabrect), K(focustabrect), K(mouseintabrect), K(clientrect), K(bgpictureindex),
      K(lefttoppoint), K(righttoppoint), K(leftbottompoint), K(rightbottompoint), K(tableftoffset),
      K(tabrightoffset), K(tabsbgrect), FONT_KEYS(), COLOR(activefontcolor), COLOR(focusfontcolor),
      COLOR(mouseinfontcolor), K(updown);
}

BS_SECTION_IO(TbsDataSkinMainMenuBar, TbsDataSkinControl)
void TbsDataSkinMainMenuBar::Keys(TbsKeyIO& io) {
  K(itemsrect), K(menubaritem), K(closebutton), K(minbutton), K(maxbutton), K(sysmenubutton),
      COLOR(trackmarkcolor), COLOR(trackmarkactivecolor);
}

BS_SECTION_IO(TbsDataSkinControlBar, TbsDataSkinCustomControl)
void TbsDataSkinControlBar::Keys(TbsKeyIO& io) { K(itemrect), K(bgpictureindex); }

BS_SECTION_IO(TbsDataSkinEditControl, TbsDataSkinCustomControl)
void TbsDataSkinEditControl::Keys(TbsKeyIO& io) {
  K(activeskinrect), FONT_KEYS(), COLOR(disabledfontcolor), COLOR(activefontcolor), K(buttonrect),
      K(activebuttonrect), K(downbuttonrect), K(unenabledbuttonrect);
}

BS_SECTION_IO(TbsDataSkinMemoControl, TbsDataSkinEditControl)
void TbsDataSkinMemoControl::Keys(TbsKeyIO& io) { COLOR(bgcolor), COLOR(activebgcolor); }

BS_SECTION_IO(TbsDataSkinListBox, TbsDataSkinCustomControl)
void TbsDataSkinListBox::Keys(TbsKeyIO& io) {
  K(itemrect), K(activeitemrect), K(focusitemrect), K(itemleftoffset), K(itemrightoffset), K(itemtextrect),
      FONT_KEYS(), COLOR(activefontcolor), COLOR(focusfontcolor), K(captionrect), K(captionfontname),
      K(captionfontheight), K(captionfontstyle), COLOR(captionfontcolor), K(upbuttonrect), K(activeupbuttonrect),
      K(downupbuttonrect), K(downbuttonrect), K(activedownbuttonrect), K(downdownbuttonrect), K(checkbuttonrect),
      K(activecheckbuttonrect), K(downcheckbuttonrect), K(vscrollbarname), K(hscrollbarname),
      K(bothhscrollbarname);
}

BS_SECTION_IO(TbsDataSkinCheckListBox, TbsDataSkinListBox)
void TbsDataSkinCheckListBox::Keys(TbsKeyIO& io) { K(itemcheckrect), K(checkimagerect), K(uncheckimagerect); }

BS_SECTION_IO(TbsDataSkinComboBox, TbsDataSkinCustomControl)
void TbsDataSkinComboBox::Keys(TbsKeyIO& io) {
  K(itemrect), K(focusitemrect), K(itemleftoffset), K(itemrightoffset), K(itemtextrect), FONT_KEYS(),
      COLOR(focusfontcolor), K(listboxname), K(buttonrect), K(activebuttonrect), K(downbuttonrect),
      K(unenabledbuttonrect);
}

BS_SECTION_IO(TbsDataSkinScrollBarControl, TbsDataSkinCustomControl)
void TbsDataSkinScrollBarControl::Keys(TbsKeyIO& io) {
  K(trackarea), K(upbuttonrect), K(activeupbuttonrect), K(downupbuttonrect), K(downbuttonrect),
      K(activedownbuttonrect), K(downdownbuttonrect), K(thumbrect), K(activethumbrect), K(downthumbrect),
      K(thumboffset1), K(thumboffset2), K(thumbtransparent), COLOR(thumbtransparentcolor), K(glyphrect),
      K(activeglyphrect), K(downglyphrect);
}

BS_SECTION_IO(TbsDataSkinSpinEditControl, TbsDataSkinCustomControl)
void TbsDataSkinSpinEditControl::Keys(TbsKeyIO& io) {
  K(activeskinrect), FONT_KEYS(), COLOR(activefontcolor), COLOR(disabledfontcolor), K(upbuttonrect),
      K(activeupbuttonrect), K(downupbuttonrect), K(downbuttonrect), K(activedownbuttonrect),
      K(downdownbuttonrect);
}

BS_SECTION_IO(TbsDataSkinScrollBoxControl, TbsDataSkinCustomControl)
void TbsDataSkinScrollBoxControl::Keys(TbsKeyIO& io) { K(bgpictureindex); }

BS_SECTION_IO(TbsDataSkinTreeView, TbsDataSkinControl)
void TbsDataSkinTreeView::Keys(TbsKeyIO& io) { FONT_KEYS(), COLOR(bgcolor); }
BS_SECTION_IO(TbsDataSkinListView, TbsDataSkinControl)
void TbsDataSkinListView::Keys(TbsKeyIO& io) { FONT_KEYS(), COLOR(bgcolor); }
BS_SECTION_IO(TbsDataSkinRichEdit, TbsDataSkinControl)
void TbsDataSkinRichEdit::Keys(TbsKeyIO& io) { FONT_KEYS(), COLOR(bgcolor); }

BS_SECTION_IO(TbsDataSkinBevel, TbsDataSkinControl)
void TbsDataSkinBevel::Keys(TbsKeyIO& io) { COLOR(lightcolor), COLOR(darkcolor); }

BS_SECTION_IO(TbsDataSkinSlider, TbsDataSkinControl)
void TbsDataSkinSlider::Keys(TbsKeyIO& io) {
  COLOR(bgcolor), K(hrulerrect), K(hthumbrect), K(vrulerrect), K(vthumbrect), K(edgesize), COLOR(pointscolor);
}

// ---- Windows and form ----

BS_ROOT_SECTION_IO(TbsDataSkinPopupWindow)
void TbsDataSkinPopupWindow::Keys(TbsKeyIO& io) {
  K(windowpictureindex), K(maskpictureindex), K(lefttoppoint), K(righttoppoint), K(leftbottompoint),
      K(rightbottompoint), K(itemsrect), COLOR(scrollmarkercolor), COLOR(scrollmarkeractivecolor), K(leftstretch),
      K(rightstretch), K(topstretch), K(bottomstretch);
}

BS_ROOT_SECTION_IO(TbsDataSkinHintWindow)
void TbsDataSkinHintWindow::Keys(TbsKeyIO& io) {
  K(windowpictureindex), K(maskpictureindex), K(lefttoppoint), K(righttoppoint), K(leftbottompoint),
      K(rightbottompoint), K(clientrect), FONT_KEYS(), K(leftstretch), K(rightstretch), K(topstretch),
      K(bottomstretch);
}

BS_ROOT_SECTION_IO(TbsDataSkinFormInfo)
void TbsDataSkinFormInfo::Keys(TbsKeyIO& io) {
  K(lefttoppoint), K(righttoppoint), K(leftbottompoint), K(rightbottompoint), K(clientrect), K(bgpictureindex),
      K(mdibgpictureindex), K(leftstretch), K(rightstretch), K(topstretch), K(bottomstretch), K(maskrectarea),
      K(hittestlefttoppoint), K(hittestrighttoppoint), K(hittestleftbottompoint), K(hittestrightbottompoint),
      K(buttonsrect), K(captionrect), K(buttonsoffset), K(buttonsinleft), K(mainmenupopupup), K(borderwidth),
      K(autorenderinginactiveimage), K(inactiveeffect);
}

// ---- Kinds ----

namespace {

template <typename Root>
struct Kind {
  const char* name;
  std::type_index type;
  std::function<std::unique_ptr<Root>(const std::string&)> create;
};

template <typename Root, typename T>
Kind<Root> Make(const char* name) {
  return {name, typeid(T), [](const std::string& id) -> std::unique_ptr<Root> { return std::make_unique<T>(id); }};
}

const std::vector<Kind<TbsDataSkinObject>>& ObjectTable() {
  using R = TbsDataSkinObject;
  static const std::vector<Kind<R>> table = {
      Make<R, TbsDataSkinMenuItem>("menuitem"),
      Make<R, TbsDataSkinMainMenuBarItem>("mainmenubaritem"),
      Make<R, TbsDataSkinButton>("button"),
      Make<R, TbsDataSkinStdButton>("stdbutton"),
      Make<R, TbsDataSkinMainMenuBarButton>("mainmenubarbutton"),
      Make<R, TbsDataSkinCaption>("caption"),
      Make<R, TbsDataSkinAnimate>("animate"),
      Make<R, TbsDataUserObject>("userobject"),
  };
  return table;
}

const std::vector<Kind<TbsDataSkinControl>>& ControlTable() {
  using R = TbsDataSkinControl;
  static const std::vector<Kind<R>> table = {
      Make<R, TbsDataSkinPanelControl>("panel"),
      Make<R, TbsDataSkinExPanelControl>("expanel"),
      Make<R, TbsDataSkinButtonControl>("button"),
      Make<R, TbsDataSkinMenuButtonControl>("menubutton"),
      Make<R, TbsDataSkinCheckRadioControl>("checkradio"),
      Make<R, TbsDataSkinGaugeControl>("gauge"),
      Make<R, TbsDataSkinSplitterControl>("splitter"),
      Make<R, TbsDataSkinTrackBarControl>("trackbar"),
      Make<R, TbsDataSkinLabelControl>("label"),
      Make<R, TbsDataSkinStdLabelControl>("stdlabel"),
      Make<R, TbsDataSkinUpDownControl>("updown"),
      Make<R, TbsDataSkinGridControl>("grid"),
      Make<R, TbsDataSkinTabControl>("tab"),
      Make<R, TbsDataSkinMainMenuBar>("mainmenubar"),
      Make<R, TbsDataSkinControlBar>("controlbar"),
      Make<R, TbsDataSkinMemoControl>("memo"),
      Make<R, TbsDataSkinEditControl>("edit"),
      Make<R, TbsDataSkinCheckListBox>("checklistbox"),
      Make<R, TbsDataSkinListBox>("listbox"),
      Make<R, TbsDataSkinComboBox>("combobox"),
      Make<R, TbsDataSkinScrollBarControl>("scrollbar"),
      Make<R, TbsDataSkinSpinEditControl>("spinedit"),
      Make<R, TbsDataSkinScrollBoxControl>("scrollbox"),
      Make<R, TbsDataSkinTreeView>("treeview"),
      Make<R, TbsDataSkinBevel>("bevel"),
      Make<R, TbsDataSkinSlider>("slider"),
      Make<R, TbsDataSkinListView>("listview"),
      Make<R, TbsDataSkinRichEdit>("richedit"),
  };
  return table;
}

template <typename Root>
std::unique_ptr<Root> Create(const std::vector<Kind<Root>>& table, const std::string& kind, const std::string& id) {
  for (const auto& k : table)
    if (kind == k.name) return k.create(id);
  return nullptr;
}

template <typename Root>
std::string KindOf(const std::vector<Kind<Root>>& table, const Root& d) {
  for (const auto& k : table)
    if (k.type == std::type_index(typeid(d))) return k.name;
  return "";
}

template <typename Root>
std::vector<std::string> Names(const std::vector<Kind<Root>>& table) {
  std::vector<std::string> names;
  for (const auto& k : table) names.push_back(k.name);
  return names;
}

}  // namespace

std::unique_ptr<TbsDataSkinObject> CreateObjectDescriptor(const std::string& kind, const std::string& idName) {
  return Create(ObjectTable(), kind, idName);
}
std::unique_ptr<TbsDataSkinControl> CreateControlDescriptor(const std::string& kind, const std::string& idName) {
  return Create(ControlTable(), kind, idName);
}
std::string ObjectKindOf(const TbsDataSkinObject& d) { return KindOf(ObjectTable(), d); }
std::string ControlKindOf(const TbsDataSkinControl& d) { return KindOf(ControlTable(), d); }
std::vector<std::string> ObjectKinds() { return Names(ObjectTable()); }
std::vector<std::string> ControlKinds() { return Names(ControlTable()); }

}  // namespace bs
