#include "app/displaycodepage.h"

#include <memory>

#include "app/menuids.h"

namespace vellumo {

namespace {

const DisplayCodePage kPages[4] = {
    {L"宋体", GB2312_CHARSET, 936, kMenuGb2312, L"打开文件(含简汉)", L"中文简体[GB2312]"},
    {L"GulimChe", HANGEUL_CHARSET, 949, kMenuKorean, L"打开文件(含韩文)", L"韩文[KOREAN]"},
    {L"MS PMincho", SHIFTJIS_CHARSET, 932, kMenuJapanese, L"打开文件(含日文)", L"日文[JIS]"},
    {L"MingLiU", CHINESEBIG5_CHARSET, 950, kMenuBig5, L"打开文件(含繁汉)", L"中文繁体[BIG5]"},
};

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

const DisplayCodePage& DisplayCodePageOf(CodeType codeType) {
  return kPages[codeType < 4 ? codeType : 0];
}

const ByteText& ByteTextOf(CodeType codeType) {
  static std::unique_ptr<ByteText> built[4];
  unsigned i = codeType < 4 ? codeType : 0;
  if (!built[i]) built[i] = std::make_unique<ByteText>(CodePageProbe(kPages[i].codePage));
  return *built[i];
}

}  // namespace vellumo
