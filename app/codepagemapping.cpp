#include "app/codepagemapping.h"

#include <windows.h>

#include <memory>

namespace vellumo {

namespace {

class CodePageProbe : public ByteText::Probe {
 public:
  explicit CodePageProbe(UINT codePage) : codePage_(codePage) {}
  bool IsLeadByte(unsigned char b) const override { return IsDBCSLeadByteEx(codePage_, b); }
  char16_t RoundTrip(const unsigned char* bytes, int n) const override {
    wchar_t w[2];
    const char* in = reinterpret_cast<const char*>(bytes);
    if (MultiByteToWideChar(codePage_, MB_ERR_INVALID_CHARS, in, n, w, 2) != 1) return 0;
    char back[4];
    BOOL usedDefault = FALSE;
    int m = WideCharToMultiByte(codePage_, WC_NO_BEST_FIT_CHARS, w, 1, back, 4, nullptr,
                                &usedDefault);
    if (usedDefault || m != n) return 0;
    for (int i = 0; i < n; ++i)
      if (back[i] != in[i]) return 0;
    return static_cast<char16_t>(w[0]);
  }

 private:
  UINT codePage_;
};

}  // namespace

const ByteText& ByteTextOf(CodeType codeType) {
  static std::unique_ptr<ByteText> built[kCodeTypeCount];
  const auto i = static_cast<unsigned>(codeType);
  auto& mapping = built[i < kCodeTypeCount ? i : 0];
  if (!mapping) {
    const CodePageProbe probe(DisplayCodePageOf(codeType).windowsCodePage);
    mapping = std::make_unique<ByteText>(probe);
  }
  return *mapping;
}

}  // namespace vellumo
