// skininfo's previews: the About window's frame and controls as the skin
// engine's drawing code builds them, written as PNG files.
#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "skin/controls/bsEditPicture.h"
#include "skin/controls/bsGlyph.h"
#include "skin/draw/bsEffects.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsTiling.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameStrips.h"
#include "tools/skininfo.h"
#include "tools/skininfo_text.h"

namespace skininfo {
namespace {

using bs::Picture;
using bs::Pixel;
using bs::Rect;

constexpr Pixel kSheet = bs::Rgb(255, 255, 255);
constexpr Pixel kOutside = bs::Rgb(214, 218, 224);  // where the window is not
constexpr Pixel kButtonFace = bs::Rgb(240, 240, 240);
constexpr Pixel kButtonShadow = bs::Rgb(160, 160, 160);

void WritePng(const std::string& path, const Picture& p) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    throw std::runtime_error("libpng: out of memory");
  }
  std::vector<png_byte> row(static_cast<std::size_t>(p.width) * 3);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng: cannot write " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, p.width, p.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < p.height; ++y) {
    for (int x = 0; x < p.width; ++x) {
      const Pixel c = p.At(x, y);
      row[x * 3] = static_cast<png_byte>(bs::RedOf(c));
      row[x * 3 + 1] = static_cast<png_byte>(bs::GreenOf(c));
      row[x * 3 + 2] = static_cast<png_byte>(bs::BlueOf(c));
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
}

Picture Scaled(const Picture& p, int factor) {
  Picture out(p.width * factor, p.height * factor);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x) out.Set(x, y, p.At(x / factor, y / factor));
  return out;
}

// Pictures side by side on a white sheet.
Picture Row(const std::vector<Picture>& pictures, int gap = 8) {
  int w = gap, h = 0;
  for (const auto& p : pictures) {
    w += p.width + gap;
    h = std::max(h, p.height);
  }
  Picture sheet(w, h + 2 * gap, kSheet);
  int x = gap;
  for (const auto& p : pictures) {
    bs::CopyPicture(sheet, x, gap, p, Rect{0, 0, p.width, p.height});
    x += p.width + gap;
  }
  return sheet;
}

Picture Column(const std::vector<Picture>& pictures, int gap = 8) {
  int w = 0, h = gap;
  for (const auto& p : pictures) {
    h += p.height + gap;
    w = std::max(w, p.width);
  }
  Picture sheet(w + 2 * gap, h, kSheet);
  int y = gap;
  for (const auto& p : pictures) {
    bs::CopyPicture(sheet, gap, y, p, Rect{0, 0, p.width, p.height});
    y += p.height + gap;
  }
  return sheet;
}

Pixel ColourOf(bs::TColor c) { return bs::Rgb(c & 255, (c >> 8) & 255, (c >> 16) & 255); }

void FillRect(Picture& p, const Rect& r, Pixel c) {
  for (int y = std::max(0, r.top); y < std::min(p.height, r.bottom); ++y)
    for (int x = std::max(0, r.left); x < std::min(p.width, r.right); ++x) p.Set(x, y, c);
}

void FrameRect(Picture& p, const Rect& r, Pixel c) {
  FillRect(p, Rect{r.left, r.top, r.right, r.top + 1}, c);
  FillRect(p, Rect{r.left, r.bottom - 1, r.right, r.bottom}, c);
  FillRect(p, Rect{r.left, r.top, r.left + 1, r.bottom}, c);
  FillRect(p, Rect{r.right - 1, r.top, r.right, r.bottom}, c);
}

enum class Look { Normal, Hover, Pressed, Disabled };

// The skinned frame at a window size, with its buttons and caption in the
// given looks, as the frame paints them.
Picture Frame(const bs::TbsSkinData& skin, int w, int h, bool active, Look closeLook,
              const std::string& caption) {
  const bs::FrameSkin fs = FrameSkinOf(skin);
  Picture out =
      bs::RenderFrame(skin.picture, skin.mask.Empty() ? nullptr : &skin.mask, fs, w, h,
                      kButtonFace, kOutside);
  for (const auto& o : skin.ObjectDescriptors) {
    const auto* b = dynamic_cast<const bs::TbsDataSkinStdButton*>(o.get());
    if (b && !b->skinrectinapicture) {
      const Picture* extra = skin.ExtraPicture(b->activepictureindex);
      if (!extra) continue;
      const Rect at = bs::PlaceObjectRect(b->skinrect, fs, w, h);
      Rect image;  // empty: the frame picture already shows it
      // The About window's border icons leave the roll-up button disabled.
      if (b->command == bs::TbsStdCommand::cmRollUp) image = b->disableskinrsect;
      else if (!active) image = b->inactiveskinrect;
      else if (b->command == bs::TbsStdCommand::cmClose && closeLook == Look::Hover)
        image = b->activeskinrect;
      else if (b->command == bs::TbsStdCommand::cmClose && closeLook == Look::Pressed)
        image = b->downrect;
      if (!image.IsEmpty()) bs::CopyPicture(out, at.left, at.top, *extra, image);
    }
    const auto* c = dynamic_cast<const bs::TbsDataSkinCaption*>(o.get());
    if (c && !caption.empty()) {
      const Rect at = bs::PlaceObjectRect(c->skinrect, fs, w, h);
      Rect text{at.left + c->textrect.left, at.top + c->textrect.top,
                at.left + c->textrect.right + at.Width() - c->skinrect.Width(),
                at.top + c->textrect.bottom};
      const TextStyle style{c->fontheight, c->fontstyle.Has(bs::fsBold)};
      const std::string shown = FitText(caption, style, text.Width());
      const bs::Size size = MeasureText(shown, style);
      const int y = text.top + text.Height() / 2 - size.height / 2;
      if (c->shadow)
        DrawText(out, text.left + 1, y + 1, shown, style,
                 ColourOf(active ? c->activeshadowcolor : c->shadowcolor));
      DrawText(out, text.left, y, shown, style, ColourOf(active ? c->activefontcolor : c->fontcolor));
    }
  }
  return out;
}

struct Control {
  const bs::TbsDataSkinCustomControl* d = nullptr;
  bs::SectionGeometry g;
  bs::StretchMode mode = bs::StretchMode::None;
  const Picture* picture = nullptr;
};

Control Section(const bs::TbsSkinData& skin, const std::string& name) {
  Control c;
  c.d = skin.ControlDescriptor<bs::TbsDataSkinCustomControl>(name);
  if (!c.d) throw std::runtime_error("the skin has no section " + name);
  c.g = GeometryOf(*c.d);
  c.mode = bs::DecideStretchMode(c.g);
  c.picture = skin.ExtraPicture(c.d->pictureindex);
  if (!c.picture) throw std::runtime_error("section " + name + " has no picture");
  return c;
}

// A push or speed button's picture with its caption centred in CL'.
Picture Button(const bs::TbsSkinData& skin, const std::string& name, int w, int h, Look look,
               const std::string& caption, double fade = -1) {
  const Control c = Section(skin, name);
  const auto* b = dynamic_cast<const bs::TbsDataSkinButtonControl*>(c.d);
  const bs::Size size = bs::FitSize(c.mode, c.g, bs::Size{w, h});
  const Rect active = b->activeskinrect.IsEmpty() ? b->skinrect : b->activeskinrect;
  Rect rect = b->skinrect;
  bs::TColor colour = b->fontcolor;
  bool pressed = false;
  if (look == Look::Hover) rect = active, colour = b->activefontcolor;
  if (look == Look::Pressed)
    rect = b->downskinrect.IsEmpty() ? active : b->downskinrect, colour = b->downfontcolor,
    pressed = true;
  if (look == Look::Disabled) {
    colour = b->disabledfontcolor;
    if (!b->disabledskinrect.IsEmpty()) rect = b->disabledskinrect;
  }
  Picture p = bs::BuildControlPicture(*c.picture, c.g, rect, c.mode, size.width, size.height);
  if (fade >= 0) {
    const Picture hover =
        bs::BuildControlPicture(*c.picture, c.g, active, c.mode, size.width, size.height);
    p = bs::MorphBlend(p, hover, b->morphkind, fade);
  }
  if (!caption.empty()) {
    const bs::StretchedGeometry sg = bs::Stretch(c.g, c.mode, size.width, size.height);
    const TextStyle style{b->fontheight, b->fontstyle.Has(bs::fsBold)};
    const bs::Size t = MeasureText(caption, style);
    const int x = sg.client.left + sg.client.Width() / 2 - t.width / 2 + (pressed ? 1 : 0);
    const int y = sg.client.top + sg.client.Height() / 2 - t.height / 2 + (pressed ? 1 : 0);
    DrawText(p, x, y, caption, style, ColourOf(colour));
  }
  return p;
}

Picture Edit(const bs::TbsSkinData& skin, int w, bool focused, const std::string& text) {
  const Control c = Section(skin, "edit");
  const auto* e = dynamic_cast<const bs::TbsDataSkinEditControl*>(c.d);
  const Rect rect = focused && !e->activeskinrect.IsEmpty() ? e->activeskinrect : e->skinrect;
  Picture p = bs::BuildEditPicture(*c.picture, c.g, rect, w);
  if (!text.empty()) {
    const TextStyle style{e->fontheight, e->fontstyle.Has(bs::fsBold)};
    const bs::Size t = MeasureText(text, style);
    const int areaH = c.g.client.Height();
    DrawText(p, c.g.client.left + 2, c.g.client.top + areaH / 2 - t.height / 2, text, style,
             ColourOf(focused ? e->activefontcolor : e->fontcolor));
  }
  return p;
}

Picture Panel(const bs::TbsSkinData& skin, int w, int h) {
  const Control c = Section(skin, "panel");
  return bs::BuildControlPicture(*c.picture, c.g, c.mode, w, h);
}

// A simple 20 x 20 glyph for the picture buttons (the About window brings
// its own): an arrow, drawn transparently on its colour key.
Picture SampleGlyph(int kind) {
  Picture g(20, 20, bs::Rgb(255, 0, 255));
  const Pixel ink = bs::Rgb(52, 96, 160);
  for (int y = 5; y < 15; ++y)
    for (int x = 4; x < 16; ++x) {
      const bool on = kind == 0   ? (x - 4 >= std::abs(y - 10) * 1 && x < 9) || (y >= 9 && y <= 10 && x >= 6)
                      : kind == 1 ? (15 - x >= std::abs(y - 10) && x > 10) || (y >= 9 && y <= 10 && x <= 13)
                                  : (x - 4) % 11 < 11 && (y == 5 || y == 14 || x == 4 || x == 15 ||
                                                          (y == 9 && x > 6 && x < 13));
      if (on) g.Set(x, y, ink);
    }
  return g;
}

void PutGlyph(Picture& p, const Picture& glyph, int x, int y) {
  bs::DrawGlyph(p, x, y, glyph, Rect{0, 0, glyph.width, glyph.height});
}

// The About window at its designed size: the frame, the address bar (a plain
// panel holding the label panel, the edit and the OK button), the page and the
// row of picture buttons.
Picture AboutWindow(const bs::TbsSkinData& skin) {
  constexpr int kClientW = 658, kClientH = 411;
  const bs::FrameMargins m = bs::SkinnedMargins(FrameSkinOf(skin));
  const int w = kClientW + m.left + m.right, h = kClientH + m.top + m.bottom;
  Picture out = Frame(skin, w, h, true, Look::Normal, "Vellumo");
  Picture client(kClientW, kClientH, bs::Rgb(255, 255, 225));
  // Address bar: no skin data, so the plain panel look.
  FillRect(client, Rect{0, 0, kClientW, 25}, kButtonFace);
  FrameRect(client, Rect{0, 0, kClientW, 25}, kButtonShadow);
  const Picture label = Panel(skin, 40, 23);
  bs::CopyPicture(client, 1, 1, label, Rect{0, 0, label.width, label.height});
  DrawText(client, 5, 4, "URL", TextStyle{14, false}, bs::Rgb(0, 0, 0));
  const Picture ok = Button(skin, "button", 47, 23, Look::Normal, "\xE7\xA1\xAE\xE5\xAE\x9A");
  bs::CopyPicture(client, kClientW - 1 - ok.width, 1, ok, Rect{0, 0, ok.width, ok.height});
  const Picture edit = Edit(skin, kClientW - 2 - 40 - ok.width, true, "File://C:/Tools/View/readme.htm");
  bs::CopyPicture(client, 41, 1, edit, Rect{0, 0, edit.width, edit.height});
  // The page.
  FillRect(client, Rect{0, 25, kClientW, 385}, bs::Rgb(255, 255, 255));
  DrawText(client, 24, 44, "Vellumo", TextStyle{24, true}, bs::Rgb(30, 60, 110));
  DrawText(client, 24, 80, "A viewer and notepad for East Asian text.", TextStyle{16, false},
           bs::Rgb(40, 40, 40));
  // The button row: a skinned panel under seven picture buttons.
  const Picture row = Panel(skin, kClientW, 26);
  bs::CopyPicture(client, 0, 385, row, Rect{0, 0, row.width, row.height});
  const int xs[] = {1, 26, 50, 74, 98, 122};
  const Look looks[] = {Look::Normal, Look::Normal, Look::Hover, Look::Pressed, Look::Normal,
                        Look::Normal};
  for (int i = 0; i < 6; ++i) {
    const Picture b = Button(skin, "toolbutton", 25, 22, looks[i], "");
    bs::CopyPicture(client, xs[i], 385, b, Rect{0, 0, b.width, b.height});
    const int shift = looks[i] == Look::Pressed ? 1 : 0;
    PutGlyph(client, SampleGlyph(i % 3), xs[i] + 3 + shift, 385 + 3 + shift);
  }
  const Picture exp = Button(skin, "toolbutton", 25, 24, Look::Normal, "");
  bs::CopyPicture(client, kClientW - 2 - 25, 385 + 2, exp, Rect{0, 0, exp.width, exp.height - 2});
  PutGlyph(client, SampleGlyph(2), kClientW - 2 - 25 + 3, 385 + 2 + 3);
  bs::CopyPicture(out, m.left, m.top, client, Rect{0, 0, kClientW, kClientH});
  // Outside the shape stays outside.
  return out;
}

// The frame's system menu as a skinned popup level shows it while the window
// is normal: minimize, maximize, a separator and close, the first highlighted.
Picture SystemMenu(const bs::TbsSkinData& skin) {
  const auto& pw = skin.PopupWindow;
  const Picture* frame = skin.ExtraPicture(pw.windowpictureindex);
  const auto* item = [&]() -> const bs::TbsDataSkinMenuItem* {
    for (const auto& o : skin.ObjectDescriptors)
      if (const auto* m = dynamic_cast<const bs::TbsDataSkinMenuItem*>(o.get())) return m;
    return nullptr;
  }();
  const Picture* items = item ? skin.ExtraPicture(item->activepictureindex) : nullptr;
  if (!frame || !items) return Picture(1, 1, kSheet);
  const char* captions[] = {"\xE6\x9C\x80\xE5\xB0\x8F\xE5\x8C\x96(N)",
                            "\xE6\x9C\x80\xE5\xA4\xA7\xE5\x8C\x96(X)", "-",
                            "\xE5\x85\xB3\xE9\x97\xAD(C)"};
  const TextStyle style{item->fontheight, item->fontstyle.Has(bs::fsBold)};
  int widest = 0, height = 0;
  for (const char* c : captions) {
    widest = std::max(widest, MeasureText(c, style).width + 2);
    height += std::string(c) == "-" ? item->dividerrect.Height() : item->skinrect.Height();
  }
  const int w = widest + 19 + 19 + frame->width + item->textrect.left + item->skinrect.Width() -
                item->textrect.right + pw.itemsrect.left - pw.itemsrect.right;
  const int h = frame->height + height + pw.itemsrect.top - pw.itemsrect.bottom;
  const bs::SectionGeometry g{Rect{0, 0, frame->width, frame->height}, pw.lefttoppoint,
                              pw.righttoppoint, pw.leftbottompoint, pw.rightbottompoint,
                              pw.itemsrect};
  Picture out = bs::TileNineParts(*frame, g, w, h);
  const int itemsW = pw.itemsrect.Width() + w - frame->width;
  int y = pw.itemsrect.top;
  for (int i = 0; i < 4; ++i) {
    const bool divider = std::string(captions[i]) == "-";
    const Rect src = divider ? item->dividerrect : i == 0 ? item->activeskinrect : item->skinrect;
    const int left = divider ? item->dividerleftoffset : item->itemleftoffset;
    const int right = divider ? item->dividerrightoffset : item->itemrightoffset;
    const Picture row = bs::TileHorizontal(*items, src, left, right, itemsW);
    bs::CopyPicture(out, pw.itemsrect.left, y, row, Rect{0, 0, row.width, row.height});
    if (!divider) {
      const bs::Size t = MeasureText(captions[i], style);
      DrawText(out, pw.itemsrect.left + item->textrect.left + 16,
               y + row.height / 2 - t.height / 2, captions[i], style,
               ColourOf(i == 0 ? item->activefontcolor : item->fontcolor));
    }
    y += row.height;
  }
  return out;
}

}  // namespace

std::vector<std::string> WritePreviews(const bs::TbsSkinData& skin, const std::string& folder) {
  std::vector<std::string> written;
  auto save = [&](const std::string& name, const Picture& p) {
    const std::string path = folder + "/" + name;
    WritePng(path, p);
    written.push_back(path);
  };
  const bs::FrameMargins m = bs::SkinnedMargins(FrameSkinOf(skin));
  const int aboutW = 658 + m.left + m.right, aboutH = 411 + m.top + m.bottom;
  save("about-window.png", AboutWindow(skin));
  save("frame-about.png", Frame(skin, aboutW, aboutH, true, Look::Normal, "Vellumo"));
  const bs::FrameSkin fs = FrameSkinOf(skin);
  bs::FrameLimitInputs limits;
  limits.skinned = true;
  limits.pictureWidth = fs.pictureWidth;
  limits.pictureHeight = fs.pictureHeight;
  limits.client = fs.client;
  const int minW = bs::FrameMinWidth(limits), minH = bs::FrameMinHeight(limits);
  save("frame-minimum.png",
       Scaled(Column({Frame(skin, minW, minH, true, Look::Normal, "Vellumo"),
                      Frame(skin, minW, minH, false, Look::Normal, "Vellumo"),
                      Frame(skin, minW, minH, true, Look::Hover, "About Vellumo and its skin"),
                      Frame(skin, minW, minH, true, Look::Pressed, "Vellumo")}),
              2));
  save("frame-sizes.png", Column({Frame(skin, 400, 160, true, Look::Normal, "Vellumo"),
                                  Frame(skin, 331, 97, false, Look::Normal, "Vellumo")}));
  save("panel-40x23.png", Scaled(Row({Panel(skin, 40, 23), Panel(skin, 59, 52), Panel(skin, 200, 26)}), 3));
  const std::string ok = "\xE7\xA1\xAE\xE5\xAE\x9A";
  save("ok-button.png",
       Scaled(Row({Button(skin, "button", 47, 25, Look::Normal, ok),
                   Button(skin, "button", 47, 25, Look::Normal, ok, 0.4),
                   Button(skin, "button", 47, 25, Look::Hover, ok),
                   Button(skin, "button", 47, 25, Look::Pressed, ok),
                   Button(skin, "button", 47, 25, Look::Disabled, ok)}),
              3));
  std::vector<Picture> tools;
  for (Look look : {Look::Normal, Look::Hover, Look::Pressed, Look::Disabled}) {
    Picture b = Button(skin, "toolbutton", 25, 25, look, "");
    const int shift = look == Look::Pressed ? 1 : 0;
    PutGlyph(b, SampleGlyph(0), 3 + shift, 3 + shift);
    tools.push_back(b);
  }
  {
    Picture half = Button(skin, "toolbutton", 25, 25, Look::Normal, "", 0.5);
    PutGlyph(half, SampleGlyph(0), 3, 3);
    tools.insert(tools.begin() + 1, half);
  }
  save("picture-button.png", Scaled(Row(tools), 3));
  save("system-menu.png", Scaled(SystemMenu(skin), 2));
  save("address-edit.png",
       Scaled(Column({Edit(skin, 220, false, "File://C:/Tools/View/readme.htm"),
                      Edit(skin, 220, true, "File://C:/Tools/View/readme.htm")}),
              2));
  return written;
}

}  // namespace skininfo
