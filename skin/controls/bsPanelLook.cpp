#include "skin/controls/bsPanelLook.h"

#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsTiling.h"

namespace bs {

namespace {

const Picture* BackgroundPicture(const ControlSection& s) {
  const auto* panel = s.As<TbsDataSkinPanelControl>();
  return panel == nullptr ? nullptr : s.data->ExtraPicture(panel->bgpictureindex);
}

bool NamesBackground(const ControlSection& s) {
  const auto* panel = s.As<TbsDataSkinPanelControl>();
  return panel != nullptr && panel->bgpictureindex != -1;
}

Picture PlainPanel(const PanelState& p, const SystemColors& c) {
  Picture pic(p.size.width, p.size.height, c.btnFace);
  const Rect all{0, 0, p.size.width, p.size.height};
  switch (p.border) {
    case PanelBorder::Frame: FrameRect(pic, all, c.btnShadow); break;
    case PanelBorder::Raised: BevelRect(pic, all, c.btnHighlight, c.btnShadow); break;
    case PanelBorder::Lowered: BevelRect(pic, all, c.btnShadow, c.btnHighlight); break;
    case PanelBorder::None: break;
  }
  return pic;
}

}  // namespace

Rect PanelClientArea(const ControlSection& s, const PanelState& p) {
  const Rect all{0, 0, p.size.width, p.size.height};
  if (!s.InForce() || p.designing) {
    Rect r = p.border == PanelBorder::None ? all : Inset(all, 1);
    if (p.captionMode) r.top += p.defaultCaptionHeight;
    return r;
  }
  const bool wholeControl =
      NamesBackground(s) ||
      (p.border == PanelBorder::None && !p.captionMode && s.mode == StretchMode::Both);
  if (wholeControl) return all;
  return Stretch(s.geometry, s.mode, p.size.width, p.size.height).client;
}

Picture PanelPicture(const ControlSection& s, const PanelState& p, const SystemColors& colours) {
  const int w = p.size.width, h = p.size.height;
  if (w <= 0 || h <= 0) return Picture();
  if (!s.InForce()) return PlainPanel(p, colours);
  Picture pic(w, h);
  const Rect all{0, 0, w, h};
  if (const Picture* bg = BackgroundPicture(s)) {
    TilePicture(pic, all, *bg, Rect{0, 0, bg->width, bg->height});
  } else if (s.picture == nullptr) {
    // no picture: stays blank
  } else if (p.border != PanelBorder::None || s.mode != StretchMode::Both || p.captionMode) {
    const Picture built = BuildControlPicture(*s.picture, s.geometry, s.mode, w, h);
    CopyPicture(pic, 0, 0, built, Rect{0, 0, built.width, built.height});
  } else {
    TilePicture(pic, all, *s.picture, Moved(s.geometry.client, s.geometry.skinRect.left,
                                              s.geometry.skinRect.top));
  }
  return pic;
}

Rect PanelCaptionRect(const ControlSection& s, const PanelState& p, const std::string& caption) {
  if (!s.InForce()) {
    if (!p.captionMode) return Rect{};
    const int edge = p.border == PanelBorder::None ? 0 : 1;
    return Rect{edge, edge, p.size.width - edge, edge + p.defaultCaptionHeight};
  }
  const auto* panel = s.As<TbsDataSkinPanelControl>();
  if (panel == nullptr || caption.empty() || BackgroundPicture(s) != nullptr) return Rect{};
  const bool built = p.border != PanelBorder::None || s.mode != StretchMode::Both || p.captionMode;
  return built ? panel->captionrect : Rect{};
}

LabelLook StdLabelLook(const ControlSection& s, const LabelState& l,
                       std::optional<int> resourceCharSet, const SystemColors& colours) {
  LabelLook look;
  const auto* d = s.As<TbsDataSkinStdLabelControl>();
  if (d == nullptr) {
    look.font = l.useSkinFont ? l.defaultFont : l.font;
  } else {
    look.font = l.font;
    if (l.useSkinFont) {
      look.font.name = d->fontname;
      look.font.style = d->fontstyle;
      look.font.height = d->fontheight;
    }
    look.font.color = d->fontcolor;
  }
  look.font.charSet = resourceCharSet ? *resourceCharSet : l.defaultFont.charSet;
  if (l.enabled) {
    look.passes.push_back(TextPass{0, 0, PixelOf(look.font.color)});
  } else {
    look.passes.push_back(TextPass{1, 1, colours.btnHighlight});
    look.passes.push_back(TextPass{0, 0, colours.btnShadow});
  }
  return look;
}

std::wstring LabelMeasureText(const std::wstring& caption) {
  return caption.empty() || caption == L"&" ? std::wstring(L" ") : caption;
}

}  // namespace bs
