// Caption text shortening and placement.
#include "skin/frame/bsCaption.h"

namespace bs {

namespace {

template <typename S>
S Shorten(const S& text, const std::vector<std::size_t>& starts, int maxWidth,
          const std::function<int(const S&)>& width, const S& dots) {
  if (width(text) <= maxWidth) return text;
  // Remove whole characters from the end: starts[i] is where the text is cut.
  for (std::size_t i = starts.size(); i-- > 1;) {
    S candidate = text.substr(0, starts[i]) + dots;
    if (width(candidate) <= maxWidth) return candidate;
  }
  return dots;
}

}  // namespace

std::vector<std::size_t> CharStarts(const std::u16string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    starts.push_back(i);
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      ++i;
  }
  return starts;
}

std::vector<std::size_t> CharStarts(const std::string& text, bool (*isLeadByte)(unsigned char)) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    starts.push_back(i);
    if (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
  return starts;
}

bool IsGbkLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

std::u16string ShortenCaption(const std::u16string& text, int maxWidth,
                              const std::function<int(const std::u16string&)>& width) {
  return Shorten(text, CharStarts(text), maxWidth, width, std::u16string(u"..."));
}

std::string ShortenCaption(const std::string& text, int maxWidth,
                           const std::function<int(const std::string&)>& width,
                           bool (*isLeadByte)(unsigned char)) {
  return Shorten(text, CharStarts(text, isLeadByte), maxWidth, width, std::string("..."));
}

Rect CaptionTextRect(const Rect& textrect, const Rect& objectRect, const Rect& skinrect) {
  Rect r = Moved(textrect, objectRect.left, objectRect.top);
  r.right += objectRect.Width() - skinrect.Width();
  return r;
}

CaptionTextPlace PlaceCaptionText(const Rect& r, Size text, TAlignment alignment) {
  Point p;
  p.y = r.top + r.Height() / 2 - text.height / 2;
  switch (alignment) {
    case TAlignment::taLeftJustify: p.x = r.left; break;
    case TAlignment::taRightJustify: p.x = r.right - text.width; break;
    case TAlignment::taCenter: p.x = r.left + r.Width() / 2 - text.width / 2; break;
  }
  return CaptionTextPlace{p, Point{p.x + 1, p.y + 1}};
}

}  // namespace bs
