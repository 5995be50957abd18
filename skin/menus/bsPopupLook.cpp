#include "skin/menus/bsPopupLook.h"

#include <algorithm>

#include "skin/draw/bsEffects.h"
#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsTiling.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

namespace {

constexpr Pixel kPlainItemFill = Rgb(182, 189, 210);
constexpr Pixel kPlainItemFrame = Rgb(0, 0, 128);

int BandWidth(int imageWidth, int plainWidth) {
  return imageWidth >= 0 ? imageWidth + 5 : plainWidth;
}

}  // namespace

Picture PopupLevelPicture(const TbsSkinData* data, const LevelLayout& layout, int imageWidth,
                          const SystemColors& colours) {
  const int w = layout.width, h = layout.height;
  if (w <= 0 || h <= 0) return Picture();
  if (PopupSkinOf(data)) {
    const TbsDataSkinPopupWindow& d = data->PopupWindow;
    const Picture& source = *data->ExtraPicture(d.windowpictureindex);
    return RenderFrame(source, data->ExtraPicture(d.maskpictureindex),
                       PopupFrameSkin(d, Size{source.width, source.height}), w, h, colours.window, 0);
  }
  Picture pic(w, h, colours.window);
  FillRect(pic, Rect{0, 0, imageWidth >= 0 ? imageWidth + 2 : 21, h}, colours.btnFace);
  FrameRect(pic, Rect{0, 0, w, h}, colours.btnShadow);
  FrameRect(pic, Rect{1, 1, w - 1, h - 1}, colours.window);
  return pic;
}

FrameSkin PopupFrameSkin(const TbsDataSkinPopupWindow& d, Size picture) {
  FrameSkin skin;
  skin.pictureWidth = picture.width;
  skin.pictureHeight = picture.height;
  skin.lt = d.lefttoppoint;
  skin.rt = d.righttoppoint;
  skin.lb = d.leftbottompoint;
  skin.rb = d.rightbottompoint;
  skin.client = skin.maskArea = d.itemsrect;
  skin.leftStretch = d.leftstretch;
  skin.rightStretch = d.rightstretch;
  skin.topStretch = d.topstretch;
  skin.bottomStretch = d.bottomstretch;
  return skin;
}

std::optional<Region> PopupLevelRegion(const TbsSkinData* data, const LevelLayout& layout) {
  if (!PopupSkinOf(data)) return std::nullopt;
  const TbsDataSkinPopupWindow& d = data->PopupWindow;
  const Picture* mask = data->ExtraPicture(d.maskpictureindex);
  const Picture* picture = data->ExtraPicture(d.windowpictureindex);
  if (!mask || mask->Empty() || !picture) return std::nullopt;
  const FrameSkin skin = PopupFrameSkin(d, Size{picture->width, picture->height});
  return WindowRegion(BuildMaskStrips(*mask, skin, layout.width, layout.height),
                      PlaceFrame(skin, layout.width, layout.height));
}

MenuItemLook MenuItemLookOf(const TbsSkinData* data, const TbsDataSkinMenuItem* item,
                            const MenuItemState& st, const SystemColors& colours) {
  MenuItemLook look;
  const int w = st.size.width, h = st.size.height;
  const Picture* active = item ? data->ExtraPicture(item->activepictureindex) : nullptr;
  if (active != nullptr) {
    const int dw = w - item->skinrect.Width();
    look.textArea = Rect{item->textrect.left, item->textrect.top, item->textrect.right + dw,
                         item->textrect.bottom};
    if (st.separator) {
      look.picture = TileHorizontal(*active, item->dividerrect, item->dividerleftoffset,
                                    item->dividerrightoffset, w);
    } else {
      auto image = [&](const Rect& r) {
        return TileHorizontal(*active, r, item->itemleftoffset, item->itemrightoffset, w);
      };
      const Picture normal = image(item->skinrect);
      if (item->morphing && st.fade > 0 && st.fade < 1) {
        look.picture = MorphBlend(normal, image(item->activeskinrect), item->morphkind, st.fade);
      } else {
        look.picture = st.highlighted ? image(item->activeskinrect) : normal;
      }
    }
    look.textColour = PixelOf(st.highlighted ? item->activefontcolor
                              : st.enabled   ? item->fontcolor
                                             : item->unenabledfontcolor);
    look.captionX = look.textArea.left + BandWidth(st.imageWidth, 16);
    look.shortcutRight = look.textArea.right - 16;
    look.arrowRight = look.textArea.right - 7;
    return look;
  }
  look.picture = Picture(w, h, colours.window);
  const int band = BandWidth(st.imageWidth, 19);
  look.textArea = Rect{2, 2, w - 2, h - 2};
  if (st.separator) {
    FillRect(look.picture, Rect{0, 0, band, h}, colours.btnFace);
    look.separatorX = band;
    look.separatorY = h / 2;
    FillRect(look.picture, Rect{band, h / 2, w, h / 2 + 1}, colours.btnShadow);
    return look;
  }
  if (st.highlighted) {
    FillRect(look.picture, Rect{0, 0, w, h}, kPlainItemFill);
    FrameRect(look.picture, Rect{0, 0, w, h}, kPlainItemFrame);
    look.textColour = colours.windowText;
  } else {
    FillRect(look.picture, Rect{0, 0, band, h}, colours.btnFace);
    look.textColour = st.enabled ? colours.windowText : colours.btnShadow;
  }
  look.captionX = look.textArea.left + BandWidth(st.imageWidth, 16);
  look.shortcutRight = w - 19;
  look.arrowRight = look.textArea.right - 7;
  return look;
}

double StepItemFade(double fade, bool highlighted) {
  return highlighted ? std::min(fade + 0.2, 1.0) : std::max(fade - 0.2, 0.0);
}

}  // namespace bs
