// The frame caption's text: shortened with "..." by whole characters, placed with its shadow.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "skin/data/bsSkinIni.h"
#include "skin/draw/bsGeometry.h"

namespace bs {

// Where each character of a text starts. UTF-16: a surrogate pair is one
// character. Bytes of a double-byte code page: a lead byte and the byte
// after it are one character (a lead byte at the end stands alone).
std::vector<std::size_t> CharStarts(const std::u16string& text);
std::vector<std::size_t> CharStarts(const std::string& text, bool (*isLeadByte)(unsigned char));
// GBK (code page 936): lead bytes 0x81 to 0xFE.
bool IsGbkLeadByte(unsigned char b);

// text when it fits in maxWidth; otherwise the longest run of its first
// whole characters that fits with "..." after it, followed by "...", or
// just "..." when not one character fits.
std::u16string ShortenCaption(const std::u16string& text, int maxWidth,
                              const std::function<int(const std::u16string&)>& width);
std::string ShortenCaption(const std::string& text, int maxWidth,
                           const std::function<int(const std::string&)>& width,
                           bool (*isLeadByte)(unsigned char) = IsGbkLeadByte);

// The caption object's text rectangle: textrect moved by the object's
// origin, its right widened by as much as the object is wider than skinrect.
Rect CaptionTextRect(const Rect& textrect, const Rect& objectRect, const Rect& skinrect);

// Where the text and its shadow (one pixel right and down) are drawn.
struct CaptionTextPlace {
  Point text;
  Point shadow;
};
CaptionTextPlace PlaceCaptionText(const Rect& textRect, Size text, TAlignment alignment);

}  // namespace bs
