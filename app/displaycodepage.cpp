#include "app/displaycodepage.h"

#include "app/menuids.h"

namespace vellumo {

namespace {

const DisplayCodePage kPages[kCodeTypeCount] = {
    {kMenuGb2312, 1, L"中文简体 GB2312", "dll\\Gb2312.dll", "gb2312", 936, L"宋体", 134,
     L"打开文件(含简汉)", L"中文简体[GB2312]"},
    {kMenuKorean, 3, L"韩文 KOREAN", "dll\\KOREAN.dll", "korean", 949, L"GulimChe", 129,
     L"打开文件(含韩文)", L"韩文[KOREAN]"},
    {kMenuJapanese, 4, L"日文 JIS", "dll\\JIS.DLL", "japanese", 932, L"MS PMincho", 128,
     L"打开文件(含日文)", L"日文[JIS]"},
    {kMenuBig5, 2, L"中文繁体 BIG5", "dll\\BIG5.DLL", "big5", 950, L"MingLiU", 136,
     L"打开文件(含繁汉)", L"中文繁体[BIG5]"},
};

}  // namespace

const DisplayCodePage& DisplayCodePageOf(CodeType codeType) {
  const auto i = static_cast<unsigned>(codeType);
  return kPages[i < kCodeTypeCount ? i : 0];
}

CodeType CodeTypeOfTag(unsigned tag) {
  for (int i = 0; i < kCodeTypeCount; ++i)
    if (kPages[i].tag == tag) return static_cast<CodeType>(i);
  return CodeType::Gb2312;
}

bool CodeTypeOfName(const std::string& name, CodeType& codeType) {
  for (int i = 0; i < kCodeTypeCount; ++i) {
    if (name == kPages[i].name) {
      codeType = static_cast<CodeType>(i);
      return true;
    }
  }
  return false;
}

}  // namespace vellumo
