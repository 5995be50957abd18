#include "app/bytetext.h"

namespace vellumo {

namespace {
bool Usable(char16_t c) { return c != 0 && (c < 0xD800 || c > 0xDFFF); }
}  // namespace

ByteText::ByteText(const Probe& probe) : double_(65536, 0), encode_(65536) {
  for (int b = 0; b < 256; ++b) {
    unsigned char one = static_cast<unsigned char>(b);
    lead_[b] = probe.IsLeadByte(one);
    char16_t c = probe.RoundTrip(&one, 1);
    if (Usable(c)) {
      single_[b] = c;
      encode_[c] = Code{1, {one, 0}};
    }
    if (!lead_[b]) continue;
    for (int t = 0; t < 256; ++t) {
      unsigned char pair[2] = {one, static_cast<unsigned char>(t)};
      char16_t d = probe.RoundTrip(pair, 2);
      if (!Usable(d) || encode_[d].length) continue;
      double_[(b << 8) | t] = d;
      encode_[d] = Code{2, {pair[0], pair[1]}};
    }
  }
}

}  // namespace vellumo
