#include "win32/handles.h"

namespace vellumo {

UniqueFont MakeFont(const wchar_t* face, int pixelHeight, BYTE charset) {
  LOGFONTW lf = {};
  lf.lfHeight = -pixelHeight;
  lf.lfCharSet = charset;
  lf.lfWeight = FW_NORMAL;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace vellumo
